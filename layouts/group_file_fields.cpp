#include "layouts/group_file_fields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

#include "common/cp1252.h"
#include "common/file_fault.h"
#include "common/val.h"

namespace {

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(std::string_view field) { return "\"" + Cp1252ToUtf8(field) + "\""; }

// The first position from pos that is not a blank; the runs of blanks
// before the columns are passed eight at a time.
std::size_t SkipBlanks(std::string_view line, std::size_t pos) {
  constexpr std::uint64_t kEightBlanks = 0x2020202020202020;
  while (pos + 8 <= line.size()) {
    std::uint64_t word = 0;
    std::memcpy(&word, line.data() + pos, sizeof word);
    if (word != kEightBlanks) break;
    pos += 8;
  }
  while (pos < line.size() && IsBlankChar(line[pos])) ++pos;
  return pos;
}

// Powers of ten that are exact doubles.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The forms the writer makes for nearly every field ("-12", "-12.5", ".25"):
// up to 15 digits, read straight from the line to the same double
// ParseNumber gives; false for any other form, which LongerNumber and then
// ParseNumber decide. (A bool and an out parameter, not an optional: the
// optional's two parts, stored apart and loaded as one, stalled every
// field.) field must not be empty. Inlined, as the field reads below are.
[[gnu::always_inline]] inline bool ShortDecimal(std::string_view field, double& value) {
  const char* p = field.data();
  const char* const end = p + field.size();
  const bool negative = *p == '-';
  p += negative;
  const char* const body = p;
  std::uint64_t digits = 0;
  while (p < end && IsDigit(*p)) digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
  std::ptrdiff_t count = p - body;
  std::ptrdiff_t decimals = 0;
  if (p < end && *p == '.') {
    const char* const fraction = ++p;
    while (p < end && IsDigit(*p)) digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
    decimals = p - fraction;
    count += decimals;
  }
  if (p != end || count == 0 || count > 15) return false;
  // Both operands are exact (under 2^53 and a power of ten up to 10^22), so
  // the quotient is the double nearest to the decimal, as from_chars rounds
  // it.
  const double whole = static_cast<double>(digits);
  const double quotient = decimals == 0 ? whole : whole / kExactPowers[decimals];
  value = negative ? -quotient : quotient;
  return true;
}

// [-]digits with at most nine digits, as the writer makes every whole
// number: the same value the decimal's double gives, without one.
[[gnu::always_inline]] inline bool ShortInteger(std::string_view field, int& value) {
  const char* p = field.data();
  const char* const end = p + field.size();
  const bool negative = p < end && *p == '-';
  p += negative;
  if (p == end || end - p > 9) return false;
  int digits = 0;
  for (; p < end; ++p) {
    if (!IsDigit(*p)) return false;
    digits = digits * 10 + (*p - '0');
  }
  value = negative ? -digits : digits;
  return true;
}

// The writer's other forms ("1.5E-05", or more than 15 digits), read by
// from_chars; false for any other form (a plus sign, a D exponent, a
// malformed field, a magnitude beyond a double), which ParseNumber decides.
bool LongerNumber(std::string_view field, double& value) {
  const char* p = field.data();
  const char* const end = p + field.size();
  const bool negative = p < end && *p == '-';
  if (negative) ++p;
  const char* const body = p;
  while (p < end && IsDigit(*p)) ++p;
  std::ptrdiff_t count = p - body;
  if (p < end && *p == '.') {
    const char* const fraction = ++p;
    while (p < end && IsDigit(*p)) ++p;
    count += p - fraction;
  }
  if (count == 0) return false;
  if (p < end && (*p == 'E' || *p == 'e')) {
    ++p;
    if (p < end && (*p == '+' || *p == '-')) ++p;
    const char* const exponent = p;
    while (p < end && IsDigit(*p)) ++p;
    if (p == exponent) return false;
  }
  if (p != end) return false;
  // from_chars does not take a leading point in every library: a zero goes
  // before it, as ParseNumber does.
  char buffer[40];
  const char* first = body;
  const char* last = end;
  if (*body == '.') {
    const std::size_t length = static_cast<std::size_t>(end - body);
    if (length + 1 > sizeof buffer) return false;
    buffer[0] = '0';
    std::memcpy(buffer + 1, body, length);
    first = buffer;
    last = buffer + length + 1;
  }
  double read = 0.0;
  const std::from_chars_result result = std::from_chars(first, last, read);
  if (result.ec != std::errc() || result.ptr != last) return false;
  value = negative ? -read : read;
  return true;
}

}  // namespace

GroupFileFields::GroupFileFields(LineReader& lines, std::string suitePath)
    : lines_(lines), suitePath_(std::move(suitePath)) {}

void GroupFileFields::Fail(int line, const std::string& what) {
  if (!fault_) fault_ = FileContentFault(suitePath_, line, what);
}

void GroupFileFields::FailAtEnd() {
  if (lines_.TooLong()) {
    Fail(lines_.LineNumber(), "riga troppo lunga");
  } else if (!fault_) {
    fault_ = FileContentFault(suitePath_, 0, "file troncato");
  }
}

void GroupFileFields::ReadToEnd() {
  if (Failed()) return;
  while (lines_.NextView()) {
  }
  if (lines_.TooLong()) FailAtEnd();
}

std::optional<std::string> GroupFileFields::ReadFirstLine() {
  const std::optional<std::string_view> line = lines_.NextView();
  if (!line) {
    if (lines_.TooLong()) FailAtEnd();
    return std::nullopt;
  }
  return Cp1252ToUtf8(*line);
}

// NextField and NumberField are part of every field's read, two million in
// a full group: inlined there, not called, they take a tenth off reading
// it. What is rare (a line end, a fault, a form other than the writer's
// usual one) stays in functions of its own so that they stay small.
[[gnu::always_inline]] inline bool GroupFileFields::NextField(std::string_view& field) {
  if (Failed()) return false;
  pos_ = SkipBlanks(line_, pos_);
  if (pos_ >= line_.size() && !NextLineWithField()) return false;
  fieldLine_ = lines_.LineNumber();
  const std::size_t start = pos_;
  const std::size_t size = line_.size();
  while (pos_ < size && line_[pos_] != ',' && !IsBlankChar(line_[pos_])) ++pos_;
  field = std::string_view(line_.data() + start, pos_ - start);
  pos_ = SkipBlanks(line_, pos_);
  if (pos_ < size && line_[pos_] == ',') ++pos_;
  return true;
}

bool GroupFileFields::NextLineWithField() {
  for (;;) {
    if (!lines_.NextLine(line_)) {
      FailAtEnd();
      return false;
    }
    pos_ = SkipBlanks(line_, 0);
    if (pos_ < line_.size()) return true;
  }
}

[[gnu::always_inline]] inline bool GroupFileFields::NumberField(std::string_view field,
                                                                double& value) {
  if (!field.empty() && ShortDecimal(field, value)) return true;
  return OtherNumberField(field, value);
}

bool GroupFileFields::OtherNumberField(std::string_view field, double& value) {
  if (field.empty()) {
    Fail(fieldLine_, "numero mancante");
    return false;
  }
  if (LongerNumber(field, value)) return true;
  const std::optional<double> general = ParseNumber(field);
  if (!general) {
    Fail(fieldLine_, "numero non valido " + Quoted(field));
    return false;
  }
  value = *general;
  return true;
}

double GroupFileFields::ReadNumber() {
  std::string_view field;
  double value = 0.0;
  if (!NextField(field) || !NumberField(field, value)) return 0.0;
  return value;
}

int GroupFileFields::ReadInteger(int lowest, int highest) {
  std::string_view field;
  if (!NextField(field)) return 0;
  int whole = 0;
  if (ShortInteger(field, whole) && whole >= lowest && whole <= highest) return whole;
  return OtherInteger(field, lowest, highest);
}

int GroupFileFields::OtherInteger(std::string_view field, int lowest, int highest) {
  double v = 0.0;
  if (!NumberField(field, v)) return 0;
  // Compared as doubles so that 1e300 cannot overflow; from 2^52 on every
  // double is whole.
  const bool whole =
      std::fabs(v) >= 4503599627370496.0 || static_cast<double>(static_cast<std::int64_t>(v)) == v;
  if (!whole || v < lowest || v > highest) {
    Fail(fieldLine_, "numero intero non valido " + Quoted(field));
    return 0;
  }
  return static_cast<int>(v);
}

int GroupFileFields::ReadCount(int capacity, const char* tooMany) {
  const int count = ReadInteger(INT_MIN, INT_MAX);
  if (Failed()) return 0;
  if (count < 0) {
    Fail(fieldLine_, "conteggio non valido " + std::to_string(count));
    return 0;
  }
  if (count > capacity) {
    Fail(fieldLine_, std::string(tooMany) + " (massimo " + std::to_string(capacity) + ")");
    return 0;
  }
  return count;
}
