#pragma once

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/line_reader.h"
#include "common/message.h"

// The free-format fields of a group file, read a line at a time as the
// LineReader gives them: a group of 199 layouts of 1999 points has some two
// million of them, and nothing of a line is kept once its fields are read.
// The rules are those of every job file: fields end at a comma, a blank, a
// tab or a line end (CR LF, LF or CR); blanks around a field and blank lines
// before it are skipped; one comma after a field belongs to it.
//
// The first fault met is kept (message 2, the path, the line and what is
// wrong); after it every read gives 0 and moves nothing, so loops bounded by
// counts already read end at once. A line over the reader's limit is such a
// fault.
class GroupFileFields {
 public:
  // lines must outlive the fields.
  GroupFileFields(LineReader& lines, std::string suitePath);

  bool Failed() const { return fault_.has_value(); }
  const std::optional<Message>& Fault() const { return fault_; }

  // The first line, whole and decoded from code page 1252; nothing when the
  // file has no line at all or the first line is over the limit.
  std::optional<std::string> ReadFirstLine();

  double ReadNumber();
  // A whole number from lowest to highest (16 bits unless told).
  int ReadInteger(int lowest = -32768, int highest = 32767);
  // A count from 0 to capacity; above it the fault says tooMany.
  int ReadCount(int capacity, const char* tooMany);

  // The line of the last field read, for a fault found after reading it.
  int LastField() const { return fieldLine_; }
  // Records a fault on that line, unless one is already recorded.
  void Fail(int line, const std::string& what);
  // Reads what follows the fields to its end: a line there over the limit
  // still makes the file malformed.
  void ReadToEnd();

 private:
  // The next field; false (with the fault recorded) at the end.
  bool NextField(std::string_view& field);
  // Past the lines with nothing but blanks to the next field's line.
  bool NextLineWithField();
  // The field's value; false (with the fault recorded) when it has none.
  bool NumberField(std::string_view field, double& value);
  // The same for what is not a short decimal, and for the faults.
  bool OtherNumberField(std::string_view field, double& value);
  // ReadInteger for what is not a short whole number, and for the faults.
  int OtherInteger(std::string_view field, int lowest, int highest);
  // Nothing more to read: the file ends early or a line is too long.
  void FailAtEnd();

  LineReader& lines_;
  std::string suitePath_;
  std::string_view line_;  // the current line
  std::size_t pos_ = 0;
  int fieldLine_ = 0;
  std::optional<Message> fault_;
};
