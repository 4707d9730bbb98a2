#pragma once

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/message.h"

// The free-format fields of a group file, read straight from its bytes: a
// group of 199 layouts of 1999 points has some two million of them, too many
// to split the file into line strings first. The rules are those of every
// job file: fields end at a comma, a blank, a tab or a line end (CR LF, LF
// or CR); blanks around a field and blank lines before it are skipped; one
// comma after a field belongs to it.
//
// The first fault met is kept (message 2, the path, the line and what is
// wrong); after it every read gives 0 and moves nothing, so loops bounded by
// counts already read end at once.
class GroupFileFields {
 public:
  // bytes must outlive the reader.
  GroupFileFields(std::string_view bytes, std::string suitePath);

  bool Failed() const { return fault_.has_value(); }
  const std::optional<Message>& Fault() const { return fault_; }

  // The first line, whole and decoded from code page 1252; nothing when the
  // file has no line at all.
  std::optional<std::string> ReadFirstLine();

  double ReadNumber();
  // A whole number from lowest to highest (16 bits unless told).
  int ReadInteger(int lowest = -32768, int highest = 32767);
  // A count from 0 to capacity; above it the fault says tooMany.
  int ReadCount(int capacity, const char* tooMany);

  // Where the last field read starts, for a fault found after reading it.
  std::size_t LastField() const { return fieldStart_; }
  // Records a fault on the line of the field at offset, unless one is
  // already recorded.
  void Fail(std::size_t offset, const std::string& what);

 private:
  // The next field, or nothing (with the fault recorded) at the end.
  std::optional<std::string_view> NextField();
  std::optional<double> NumberField(std::string_view field);
  int LineOf(std::size_t offset) const;
  void FailAtEnd();

  std::string_view bytes_;
  std::string suitePath_;
  std::size_t pos_ = 0;
  std::size_t fieldStart_ = 0;
  std::optional<Message> fault_;
};
