#include "common/text_file.h"

#include <fstream>
#include <sstream>

#include "common/cp1252.h"

std::filesystem::path PathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t b = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(b, i - b));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    b = i + 1;
  }
  if (b < text.size()) lines.push_back(text.substr(b));
  return lines;
}

std::optional<std::vector<std::string>> ReadTextFileLines(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return SplitLines(Cp1252ToUtf8(bytes.str()));
}
