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

// The forms the writer makes ("-12", "-12.5", ".25", "1.5E-05") read
// straight from the line, to the same double ParseNumber gives; nothing for
// any other form (a plus sign, a D exponent, a malformed field, a magnitude
// beyond a double), which ParseNumber then decides.
std::optional<double> PlainNumber(std::string_view field) {
  const char* p = field.data();
  const char* const end = p + field.size();
  const bool negative = p < end && *p == '-';
  if (negative) ++p;
  const char* const body = p;
  std::uint64_t digits = 0;  // exact while there are at most 19 of them
  while (p < end && IsDigit(*p)) digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
  std::ptrdiff_t count = p - body;
  std::ptrdiff_t decimals = 0;
  if (p < end && *p == '.') {
    const char* const fraction = ++p;
    while (p < end && IsDigit(*p)) digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
    decimals = p - fraction;
    count += decimals;
  }
  if (count == 0) return std::nullopt;
  if (p == end && count <= 15) {
    // Both operands are exact (under 2^53 and a power of ten up to 10^22),
    // so the quotient is the double nearest to the decimal, as from_chars
    // rounds it.
    const double value = static_cast<double>(digits) / kExactPowers[decimals];
    return negative ? -value : value;
  }
  if (p < end && (*p == 'E' || *p == 'e')) {
    ++p;
    if (p < end && (*p == '+' || *p == '-')) ++p;
    const char* const exponent = p;
    while (p < end && IsDigit(*p)) ++p;
    if (p == exponent) return std::nullopt;
  }
  if (p != end) return std::nullopt;
  // from_chars does not take a leading point in every library: a zero goes
  // before it, as ParseNumber does.
  char buffer[40];
  const char* first = body;
  const char* last = end;
  if (*body == '.') {
    const std::size_t length = static_cast<std::size_t>(end - body);
    if (length + 1 > sizeof buffer) return std::nullopt;
    buffer[0] = '0';
    std::memcpy(buffer + 1, body, length);
    first = buffer;
    last = buffer + length + 1;
  }
  double value = 0.0;
  const std::from_chars_result result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
  return negative ? -value : value;
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

std::optional<std::string_view> GroupFileFields::NextField() {
  if (Failed()) return std::nullopt;
  for (;;) {
    pos_ = SkipBlanks(line_, pos_);
    if (pos_ < line_.size()) break;
    const std::optional<std::string_view> next = lines_.NextView();
    if (!next) {
      FailAtEnd();
      return std::nullopt;
    }
    line_ = *next;
    pos_ = 0;
  }
  fieldLine_ = lines_.LineNumber();
  const std::size_t start = pos_;
  const std::size_t size = line_.size();
  while (pos_ < size && line_[pos_] != ',' && !IsBlankChar(line_[pos_])) ++pos_;
  const std::string_view field = line_.substr(start, pos_ - start);
  pos_ = SkipBlanks(line_, pos_);
  if (pos_ < size && line_[pos_] == ',') ++pos_;
  return field;
}

std::optional<double> GroupFileFields::NumberField(std::string_view field) {
  if (field.empty()) {
    Fail(fieldLine_, "numero mancante");
    return std::nullopt;
  }
  if (const std::optional<double> plain = PlainNumber(field)) return plain;
  const std::optional<double> value = ParseNumber(field);
  if (!value) Fail(fieldLine_, "numero non valido " + Quoted(field));
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
  // Compared as doubles so that 1e300 cannot overflow; from 2^52 on every
  // double is whole.
  const double v = *value;
  const bool whole =
      std::fabs(v) >= 4503599627370496.0 || static_cast<double>(static_cast<std::int64_t>(v)) == v;
  if (!whole || v < lowest || v > highest) {
    Fail(fieldLine_, "numero intero non valido " + Quoted(*field));
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
