#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Reads a file one line at a time, so that what a reader holds is bounded by
// its tables, not by the file: a line over kMaxLineBytes (a file of binary
// garbage with no line end, say) stops the reading as malformed once that
// many bytes have come without an end. The same reader also walks bytes
// already in memory, with no limit, so that a parser has one source of lines.
class LineReader {
 public:
  static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

  // Nothing can be read unless path is a readable regular file.
  explicit LineReader(const std::filesystem::path& path);
  // The lines of bytes, which must outlive the reader.
  static LineReader OverBytes(std::string_view bytes);

  bool Opened() const { return opened_; }
  // The next line without its end (CR LF, LF or a lone CR) into line; false
  // at the end of the file, after a read error, or at a line over the limit.
  // The view lasts until the next call. (A parser's loop takes the line this
  // way: an optional view, stored in parts and loaded whole, stalls it.)
  bool NextLine(std::string_view& line);
  std::optional<std::string_view> NextView() {
    std::string_view line;
    if (!NextLine(line)) return std::nullopt;
    return line;
  }
  std::optional<std::string> Next();
  bool TooLong() const { return tooLong_; }
  bool Failed() const { return tooLong_; }
  // The number of the line last given, or of the one too long.
  int LineNumber() const { return line_; }

 private:
  LineReader() = default;
  // Reads more of the file after what is not yet given; false at its end.
  bool Fill();
  // The first CR or LF in data_[from, end_), or end_.
  std::size_t FindLineEnd(std::size_t from) const;

  // The C library's stream, not a C++ one: the first C++ file stream of a
  // process sets up its locale, which cost the editor's start-up more than
  // reading the whole job.
  struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, CloseFile> in_;
  // Not cleared: only what is read is ever looked at, and a small file
  // touches a page of it, not the whole.
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  // What is not yet given is data_[begin_, end_); no CR or LF lies in
  // data_[begin_, lineEnd_), and lineEnd_ <= end_.
  const char* data_ = nullptr;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t lineEnd_ = 0;
  std::size_t limit_ = kMaxLineBytes;
  bool atEnd_ = false;
  bool opened_ = false;
  bool tooLong_ = false;
  int line_ = 0;
};
