#include "common/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

char* WriteNumberText(char* out, double value) {
  if (value == 0.0) {  // negative zero too
    *out = '0';
    return out + 1;
  }
  // General form with 15 significant digits is exactly the rule above,
  // apart from the spelling of the exponent and the leading zero.
  std::array<char, 40> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  const char* const end = result.ptr;
  const char* p = buffer.data();
  if (*p == '-') {
    *out++ = '-';
    ++p;
  }
  if (p[0] == '0' && p + 1 < end && p[1] == '.') ++p;
  for (; p < end; ++p) *out++ = *p == 'e' ? 'E' : *p;
  return out;
}

void AppendNumberText(std::string& out, double value) {
  char buffer[kMaxNumberTextBytes];
  out.append(buffer, WriteNumberText(buffer, value));
}

std::string NumberText(double value) {
  std::string text;
  AppendNumberText(text, value);
  return text;
}

char* WriteTwoDecimalsText(char* out, double value) {
  // As RoundTo(value, 2), but the whole number of hundredths is kept. Below
  // 10^15 hundredths (10^13) the value has at most 15 digits, the nearest
  // double to it prints as exactly that number, and neither exponent form
  // applies; beyond, the general form decides.
  const double scaled = value * 100.0;
  const double half = scaled + 0.5;
  if (!(std::fabs(half) < 2e15)) return WriteNumberText(out, RoundTo(value, 2));
  long long hundredths = static_cast<long long>(half);  // floor, below
  if (static_cast<double>(hundredths) > half) --hundredths;
  if (hundredths <= -1000000000000000 || hundredths >= 1000000000000000) {
    return WriteNumberText(out, RoundTo(value, 2));
  }
  if (hundredths == 0) {
    *out = '0';
    return out + 1;
  }
  if (hundredths < 0) {
    *out++ = '-';
    hundredths = -hundredths;
  }
  const long long whole = hundredths / 100;
  const int cents = static_cast<int>(hundredths % 100);
  if (whole != 0) out = std::to_chars(out, out + 20, whole).ptr;
  if (cents == 0) return out;
  *out++ = '.';
  *out++ = static_cast<char>('0' + cents / 10);
  if (cents % 10 != 0) *out++ = static_cast<char>('0' + cents % 10);
  return out;
}

void AppendTwoDecimalsText(std::string& out, double value) {
  char buffer[kMaxNumberTextBytes];
  out.append(buffer, WriteTwoDecimalsText(buffer, value));
}

double RoundTo(double value, int decimals) {
  // Powers of ten up to 22 are exact doubles; the table spares a pow() per
  // coordinate when a whole group is written.
  static constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const double scale =
      decimals >= 0 && decimals <= 22 ? kExact[decimals] : std::pow(10.0, decimals);
  const double scaled = value * scale;
  // Near the largest doubles the scaling overflows; such a value has no
  // decimals to round anyway, and must not become infinite.
  if (!std::isfinite(scaled)) return value;
  return std::floor(scaled + 0.5) / scale;
}

int NextPrintZone(int length) {
  constexpr int kZoneWidth = 14;
  return (length / kZoneWidth + 1) * kZoneWidth + 1;
}

std::string OneDecimalText(double value) {
  double rounded = std::floor(value * 10.0 + 0.5) / 10.0;
  // A magnitude whose tenths overflow has no decimals left to round.
  if (!std::isfinite(rounded)) rounded = value;
  if (rounded == 0.0) return "0";  // negative zero too
  std::array<char, 40> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded);
  return std::string(buffer.data(), result.ptr);
}

std::optional<int16_t> NearestInt16(double value) {
  // -32768.5 goes to the even -32768, 32767.5 to 32768; NaN fails both tests.
  if (!(value >= -32768.5 && value < 32767.5)) return std::nullopt;
  double nearest = std::floor(value);
  const double fraction = value - nearest;  // exact for magnitudes this small
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(nearest, 2.0) != 0.0)) nearest += 1.0;
  return static_cast<int16_t>(nearest);
}
