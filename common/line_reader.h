#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

// Reads a file one line at a time, so that what a reader holds is bounded by
// its tables, not by the file: a line over kMaxLineBytes (a file of binary
// garbage with no line end, say) stops the reading as malformed after that
// many bytes.
class LineReader {
 public:
  static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

  // Nothing can be read unless path is a readable regular file.
  explicit LineReader(const std::filesystem::path& path);

  bool Opened() const { return opened_; }
  // The next line without its end (CR LF, LF or a lone CR); nothing at the
  // end of the file, after a read error, or at a line over the limit.
  std::optional<std::string> Next();
  // The end of the line Next last gave: "\r\n", "\n", "\r", or "" for a
  // last line without one.
  const std::string& LineEnd() const { return end_; }
  bool TooLong() const { return tooLong_; }
  bool Failed() const { return failed_ || tooLong_; }
  // The number of the line Next last gave, or of the one too long.
  int LineNumber() const { return line_; }

 private:
  std::ifstream in_;
  bool opened_ = false;
  bool failed_ = false;
  bool tooLong_ = false;
  int line_ = 0;
  std::string end_;
};

// Every line of a file, each with its own end, as one text; nothing when the
// file cannot be read or has a line over the limit (reader tells which).
std::optional<std::string> ReadBoundedText(LineReader& reader);
