#pragma once

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "common/message.h"
#include "common/text_reader.h"

// Walks through the fields and lines of one job file and keeps the first
// content fault it meets, so that a reader can follow the format step by step
// and check once per record. After a fault every read returns 0 or an empty
// text and moves nothing, so loops bounded by counts already checked end
// quickly.
//
// A fault names the line the read started on; a field preceded by blank
// lines is reported on the first of them.
class JobFileCursor {
 public:
  JobFileCursor(std::string suitePath, std::vector<std::string> lines);

  bool Failed() const { return fault_.has_value(); }
  const std::optional<Message>& Fault() const { return fault_; }

  // Records a content fault at line (0 leaves the line out) unless one is
  // already recorded: the first is the one worth mending.
  void Fail(int line, const std::string& what);

  // The line the next read starts on.
  int LineNumber() const { return reader_.LineNumber(); }
  // The line the last free-format read started on.
  int LastLine() const { return lastLine_; }

  // The rest of the current line; "file troncato" when the file has ended.
  std::string ReadLine();

  // A free-format number.
  double ReadNumber();
  // A free-format whole number from lowest to highest (16 bits unless told).
  int ReadInteger(int lowest = -32768, int highest = 32767);
  // The same, but a missing field or one that is not a number gives nothing
  // and no fault, for a first value whose absence has a message of its own.
  std::optional<int> TryReadInteger(int lowest = -32768, int highest = 32767);
  // A free-format count: a whole number from 0 to 32767.
  int ReadCount();
  // A free-format count from 0 to capacity; above it the fault says tooMany,
  // e.g. "troppe sezioni (massimo 2000)".
  int ReadCount(int capacity, const std::string& tooMany);
  // Checks a count read some other way, with the same faults.
  int CheckCount(int count, int line, int capacity, const std::string& tooMany);

  // A free-format text field.
  std::string ReadText();
  // A free-format field of either kind, not looked at.
  void SkipField();

  // A token taken from a line (first token of a count line, end nodes of an
  // element) as a whole number.
  int TokenInteger(const std::string& token, int line, int lowest = -32768, int highest = 32767);
  // A count given as a token: a whole number from 0 to 32767.
  int TokenCount(const std::string& token, int line);

 private:
  // Reads a numeric field; false, with the fault recorded, when there is
  // none or it is not a number.
  bool ReadField(TextReader::Number& n);
  int WholeNumber(double value, const std::string& text, int line, int lowest, int highest);

  std::string suitePath_;
  TextReader reader_;
  std::optional<Message> fault_;
  int lastLine_ = 0;
};

// "troppe sezioni (massimo 2000)"
std::string TooManyText(const std::string& what, int capacity);

// Wide enough for a count written beyond 16 bits to be reported as too many
// rather than as a malformed number.
constexpr int kAnyCount = INT_MAX;
