#include "common/text_file.h"

#include <fstream>
#include <sstream>

#include "common/cp1252.h"
#include "common/line_reader.h"

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
  LineReader reader(path);
  if (!reader.Opened()) return std::nullopt;
  std::vector<std::string> lines;
  while (const std::optional<std::string_view> line = reader.NextView()) {
    lines.push_back(Cp1252ToUtf8(*line));
  }
  if (reader.Failed()) return std::nullopt;
  return lines;
}
