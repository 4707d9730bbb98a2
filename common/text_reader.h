#pragma once

#include <optional>
#include <string>
#include <vector>

// Reads a job file's lines the two ways the suite's programs write them:
// whole lines, and free-format fields as a comma-separated input statement
// reads them (fields end at a comma or a line end; a number also ends at a
// blank; surrounding blanks are ignored; quotes may enclose a text).
// Line numbers in faults are counted from 1.
class TextReader {
 public:
  explicit TextReader(std::vector<std::string> lines);

  bool AtEnd() const;
  // Number of the line the next read starts on (past the end: count + 1).
  int LineNumber() const { return line_ + 1; }

  // The rest of the current line; nothing at the end of the file.
  std::optional<std::string> ReadLine();

  enum class Status { kOk, kEndOfFile, kNotANumber };
  struct Number {
    Status status = Status::kEndOfFile;
    double value = 0.0;
    std::string text;  // the field as found, for messages
  };
  // A numeric field; blank lines before it are skipped.
  Number ReadNumber();

  // A text field; nothing at the end of the file.
  std::optional<std::string> ReadText();

  // Skips one field of either kind; false at the end of the file.
  bool SkipField();

 private:
  const std::string& Current() const { return lines_[static_cast<std::size_t>(line_)]; }
  void SkipBlanks();
  bool SkipToNextField();  // skips blanks and line ends; false at the end
  void EndField();         // consumes the delimiter after a field
  std::string TakeUntil(bool stopAtBlank);
  std::string TakeQuoted();

  std::vector<std::string> lines_;
  int line_ = 0;
  std::size_t col_ = 0;
};
