#include "common/line_reader.h"

#include <system_error>

LineReader::LineReader(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
  in_.open(path, std::ios::binary);
  opened_ = static_cast<bool>(in_);
}

std::optional<std::string> LineReader::Next() {
  if (!opened_ || Failed()) return std::nullopt;
  std::streambuf& bytes = *in_.rdbuf();
  std::string line;
  end_.clear();
  using Traits = std::char_traits<char>;
  for (;;) {
    const Traits::int_type c = bytes.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      if (line.empty()) return std::nullopt;
      break;
    }
    if (c == '\n') {
      end_ = "\n";
      break;
    }
    if (c == '\r') {
      end_ = "\r";
      if (bytes.sgetc() == '\n') {
        bytes.sbumpc();
        end_ = "\r\n";
      }
      break;
    }
    if (line.size() == kMaxLineBytes) {
      tooLong_ = true;
      ++line_;
      return std::nullopt;
    }
    line += Traits::to_char_type(c);
  }
  ++line_;
  return line;
}

std::optional<std::string> ReadBoundedText(LineReader& reader) {
  if (!reader.Opened()) return std::nullopt;
  std::string text;
  while (const std::optional<std::string> line = reader.Next()) {
    text += *line;
    text += reader.LineEnd();
  }
  if (reader.Failed()) return std::nullopt;
  return text;
}
