#include "common/text.h"

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimLeft(std::string_view text) {
  std::size_t b = 0;
  while (b < text.size() && text[b] == ' ') ++b;
  return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text) {
  std::size_t e = text.size();
  while (e > 0 && text[e - 1] == ' ') --e;
  return std::string(text.substr(0, e));
}

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

namespace {

template <typename Map>
std::string MapLetters(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t cp = DecodeUtf8At(text, i);
    if (cp == 0xFFFD && i == start + 1) {
      out += text[start];  // keep bytes that are not UTF-8 as they were
      continue;
    }
    AppendUtf8(out, map(cp));
  }
  return out;
}

}  // namespace

std::string ToLower(std::string_view text) {
  return MapLetters(text, [](char32_t c) -> char32_t {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
  });
}

std::string ToUpper(std::string_view text) {
  return MapLetters(text, [](char32_t c) -> char32_t {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
  });
}

char32_t DecodeUtf8At(std::string_view text, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  const int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : 1;
  if (b0 < 0xC2 || b0 > 0xF4 || text.size() - i <= static_cast<std::size_t>(extra)) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = b0 & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++n) DecodeUtf8At(text, i);
  return n;
}

std::string Utf8Mid(std::string_view text, std::size_t first, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t n = 1; n < first && i < text.size(); ++n) DecodeUtf8At(text, i);
  const std::size_t begin = i;
  for (std::size_t n = 0; n < count && i < text.size(); ++n) DecodeUtf8At(text, i);
  return std::string(text.substr(begin, i - begin));
}

std::string Utf8Left(std::string_view text, std::size_t count) { return Utf8Mid(text, 1, count); }

std::string IntText(long long value) { return std::to_string(value); }

std::string ThreeDigits(long long value) {
  const std::string s = "000" + IntText(value);
  return s.substr(s.size() - 3);
}
