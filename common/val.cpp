#include "common/val.h"

#include <charconv>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view t, std::size_t i) {
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i;
}

// Converts a text already known to be a well-formed number.
double Convert(std::string_view number, bool* overflow = nullptr) {
  std::string s(number);
  for (char& c : s) {
    if (c == 'D' || c == 'd') c = 'E';
  }
  std::size_t start = (!s.empty() && s[0] == '+') ? 1 : 0;
  // from_chars does not take "1." or ".5" forms with a sign in front of the
  // point in every library; normalise to a leading zero first.
  std::string body = s.substr(start);
  bool negative = false;
  if (!body.empty() && body[0] == '-') {
    negative = true;
    body.erase(0, 1);
  }
  if (!body.empty() && body[0] == '.') body = "0" + body;  // insert() trips gcc 12's -Wrestrict
  double value = 0.0;
  const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Magnitudes beyond a double saturate instead of failing.
    const bool tiny = body.find_first_of("eE") != std::string::npos &&
                      body.find('-', body.find_first_of("eE")) != std::string::npos;
    value = tiny ? 0.0 : 1.7976931348623157e308;
    if (overflow && !tiny) *overflow = true;
  }
  return negative ? -value : value;
}

}  // namespace

std::size_t NumberPrefixLength(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  const std::size_t intStart = i;
  i = SkipDigits(t, i);
  bool digits = i > intStart;
  if (i < t.size() && t[i] == '.') {
    const std::size_t fracStart = i + 1;
    const std::size_t fracEnd = SkipDigits(t, fracStart);
    if (digits || fracEnd > fracStart) {
      digits = true;
      i = fracEnd;
    }
  }
  if (!digits) return 0;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    const std::size_t expEnd = SkipDigits(t, j);
    if (expEnd > j) i = expEnd;
  }
  return i;
}

namespace {

std::string Compact(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact += c;
  }
  return compact;
}

}  // namespace

double Val(std::string_view text) {
  const std::string compact = Compact(text);
  const std::size_t n = NumberPrefixLength(compact);
  return n == 0 ? 0.0 : Convert(std::string_view(compact).substr(0, n));
}

std::optional<double> FiniteVal(std::string_view text) {
  const std::string compact = Compact(text);
  const std::size_t n = NumberPrefixLength(compact);
  bool overflow = false;
  const double value = n == 0 ? 0.0 : Convert(std::string_view(compact).substr(0, n), &overflow);
  if (overflow) return std::nullopt;
  return value;
}

std::optional<double> ParseNumber(std::string_view text) {
  const std::size_t n = NumberPrefixLength(text);
  if (n == 0 || n != text.size()) return std::nullopt;
  // A number too big for a double would only come back as inf or nan later.
  bool overflow = false;
  const double value = Convert(text, &overflow);
  if (overflow) return std::nullopt;
  return value;
}
