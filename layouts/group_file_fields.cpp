#include "layouts/group_file_fields.h"

#include <cmath>
#include <string>
#include <utility>

#include "common/cp1252.h"
#include "common/file_fault.h"
#include "common/val.h"

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

std::string Quoted(std::string_view field) { return "\"" + Cp1252ToUtf8(field) + "\""; }

}  // namespace

GroupFileFields::GroupFileFields(std::string_view bytes, std::string suitePath)
    : bytes_(bytes), suitePath_(std::move(suitePath)) {}

void GroupFileFields::Fail(std::size_t offset, const std::string& what) {
  if (!fault_) fault_ = FileContentFault(suitePath_, LineOf(offset), what);
}

void GroupFileFields::FailAtEnd() {
  if (!fault_) fault_ = FileContentFault(suitePath_, 0, "file troncato");
}

// Counted only for a fault, so that reading does not pay for it.
int GroupFileFields::LineOf(std::size_t offset) const {
  int line = 1;
  for (std::size_t i = 0; i < offset && i < bytes_.size(); ++i) {
    if (bytes_[i] == '\n' ||
        (bytes_[i] == '\r' && (i + 1 >= bytes_.size() || bytes_[i + 1] != '\n'))) {
      ++line;
    }
  }
  return line;
}

std::optional<std::string> GroupFileFields::ReadFirstLine() {
  if (bytes_.empty()) return std::nullopt;
  std::size_t end = 0;
  while (end < bytes_.size() && !IsLineEnd(bytes_[end])) ++end;
  pos_ = end;
  if (pos_ < bytes_.size() && bytes_[pos_] == '\r') ++pos_;
  if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
  return Cp1252ToUtf8(bytes_.substr(0, end));
}

std::optional<std::string_view> GroupFileFields::NextField() {
  if (Failed()) return std::nullopt;
  const std::size_t size = bytes_.size();
  while (pos_ < size && (IsBlankChar(bytes_[pos_]) || IsLineEnd(bytes_[pos_]))) ++pos_;
  if (pos_ >= size) {
    FailAtEnd();
    return std::nullopt;
  }
  fieldStart_ = pos_;
  while (pos_ < size && bytes_[pos_] != ',' && !IsBlankChar(bytes_[pos_]) &&
         !IsLineEnd(bytes_[pos_])) {
    ++pos_;
  }
  const std::string_view field = bytes_.substr(fieldStart_, pos_ - fieldStart_);
  while (pos_ < size && IsBlankChar(bytes_[pos_])) ++pos_;
  if (pos_ < size && bytes_[pos_] == ',') ++pos_;
  return field;
}

std::optional<double> GroupFileFields::NumberField(std::string_view field) {
  if (field.empty()) {
    Fail(fieldStart_, "numero mancante");
    return std::nullopt;
  }
  const std::optional<double> value = ParseNumber(field);
  if (!value) Fail(fieldStart_, "numero non valido " + Quoted(field));
  return value;
}

double GroupFileFields::ReadNumber() {
  const std::optional<std::string_view> field = NextField();
  if (!field) return 0.0;
  return NumberField(*field).value_or(0.0);
}

int GroupFileFields::ReadInteger(int lowest, int highest) {
  const std::optional<std::string_view> field = NextField();
  if (!field) return 0;
  const std::optional<double> value = NumberField(*field);
  if (!value) return 0;
  // Compared as doubles so that 1e300 cannot overflow.
  if (*value != std::floor(*value) || *value < lowest || *value > highest) {
    Fail(fieldStart_, "numero intero non valido " + Quoted(*field));
    return 0;
  }
  return static_cast<int>(*value);
}

int GroupFileFields::ReadCount(int capacity, const char* tooMany) {
  const int count = ReadInteger(INT_MIN, INT_MAX);
  if (Failed()) return 0;
  if (count < 0) {
    Fail(fieldStart_, "conteggio non valido " + std::to_string(count));
    return 0;
  }
  if (count > capacity) {
    Fail(fieldStart_, std::string(tooMany) + " (massimo " + std::to_string(capacity) + ")");
    return 0;
  }
  return count;
}
