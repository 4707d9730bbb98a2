#include "common/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL,
                                          10000000000000000ULL,
                                          100000000000000000ULL,
                                          1000000000000000000ULL,
                                          10000000000000000000ULL};

// The general form as the library writes it, with the exponent spelt E and
// no zero before the point: the way for magnitudes the shortcut below does
// not take.
char* LibraryNumberText(char* out, double value) {
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

#if defined(__SIZEOF_INT128__)

__extension__ typedef unsigned __int128 Wide;

// The 15 significant digits of magnitude (10^14 <= digits < 10^15) and its
// decimal exponent, rounded as the general form rounds the exact binary
// value: to the nearest, a tie to the even neighbour. From 1e-5 to 1e15 the
// value is m / 2^shift with m under 2^53 and shift from 3 to 70, so m times
// a power of ten up to 10^19 fits 128 bits and the division is exact.
bool FifteenDigits(double magnitude, std::uint64_t& digits, int& exponent) {
  if (!(magnitude >= 1e-5 && magnitude < 1e15)) return false;
  // A normal double: the 52 stored bits under the implicit one, and the
  // biased exponent above them.
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  const Wide m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - biased;
  const int binary = biased - 1022;
  // log10(2) is about 1233 / 4096: the estimate is low by at most one.
  int e = ((binary - 1) * 1233) >> 12;
  for (;;) {
    const int k = 14 - e;
    if (k < 0 || k > 19) return false;
    const Wide scaled = m * kPowersOfTen[k];
    Wide n = scaled >> shift;
    if (n < kPowersOfTen[14]) {
      --e;
      continue;
    }
    if (n >= kPowersOfTen[15]) {
      ++e;
      continue;
    }
    const Wide rest = scaled - (n << shift);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    if (rest > half || (rest == half && (n & 1) != 0)) ++n;
    if (n == kPowersOfTen[15]) {
      n = kPowersOfTen[14];
      ++e;
    }
    digits = static_cast<std::uint64_t>(n);
    exponent = e;
    return true;
  }
}

#else

bool FifteenDigits(double, std::uint64_t&, int&) { return false; }

#endif

// Writes 15 digits with exponent e in the general form: trailing zeros
// dropped, fixed from 10^-4 to below 10^15, otherwise d.dddE+XX.
char* WriteGeneral(char* out, std::uint64_t digits, int e) {
  // Two digits at a time, the upper seven and the lower eight apart, so
  // that the two chains of divisions overlap.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char d[16];
  std::uint64_t upper = digits / 100000000;
  std::uint64_t lower = digits % 100000000;
  for (int i = 14; i >= 8; i -= 2) {
    std::memcpy(d + i - 1, kPairs + 2 * (lower % 100), 2);
    lower /= 100;
  }
  for (int i = 6; i >= 2; i -= 2) {
    std::memcpy(d + i - 1, kPairs + 2 * (upper % 100), 2);
    upper /= 100;
  }
  d[0] = static_cast<char>('0' + upper);
  int length = 15;
  while (d[length - 1] == '0') --length;  // d[0] is never 0
  if (e < -4 || e >= 15) {
    *out++ = d[0];
    if (length > 1) {
      *out++ = '.';
      out = std::copy(d + 1, d + length, out);
    }
    *out++ = 'E';
    *out++ = e < 0 ? '-' : '+';
    const int magnitude = e < 0 ? -e : e;
    if (magnitude < 10) *out++ = '0';
    return std::to_chars(out, out + 4, magnitude).ptr;
  }
  if (e < 0) {
    *out++ = '.';
    out = std::fill_n(out, -e - 1, '0');
    return std::copy(d, d + length, out);
  }
  const int whole = e + 1;
  if (length <= whole) return std::fill_n(std::copy(d, d + length, out), whole - length, '0');
  out = std::copy(d, d + whole, out);
  *out++ = '.';
  return std::copy(d + whole, d + length, out);
}

}  // namespace

// Exact integer arithmetic where it can, as the library's general form would
// write it: a drawing holds hundreds of thousands of numbers.
char* WriteNumberText(char* out, double value) {
  if (value == 0.0) {  // negative zero too
    *out = '0';
    return out + 1;
  }
  std::uint64_t digits = 0;
  int exponent = 0;
  if (!FifteenDigits(std::fabs(value), digits, exponent)) return LibraryNumberText(out, value);
  if (value < 0) *out++ = '-';
  return WriteGeneral(out, digits, exponent);
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
