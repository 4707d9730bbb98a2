// The number texts are written by exact integer arithmetic; the library's
// general form with 15 digits, which they replaced, is kept here as the
// reference. A sample runs every time; TRACCIATI_FULL_AGREEMENT=1 runs ten
// million values.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/number_text.h"

namespace {

std::string ReferenceNumberText(double value) {
  if (value == 0.0) return "0";
  std::array<char, 40> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  std::string text(buffer.data(), result.ptr);
  const std::size_t digits = text[0] == '-' ? 1 : 0;
  if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

// Zeros, halves, powers of ten and their neighbours, the thresholds of the
// exponent form and of 15 digits, exact ties at the 16th digit, subnormals,
// the largest values and what is not a number; each with both signs.
std::vector<double> EdgeValues() {
  std::vector<double> values = {0.0,
                                0.1 + 0.2,
                                999999999999999.4,
                                999999999999999.5,
                                999999999999999.6,
                                99999999999999.95,
                                0.000099999999999999995,
                                0.0000099999999999999995,
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::min(),
                                std::nextafter(std::numeric_limits<double>::min(), 0.0),
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()};
  for (int j = -323; j <= 308; ++j) {
    const double power = std::pow(10.0, j);
    for (const double v : {power, 0.5 * power, 1.5 * power, 9.5 * power}) {
      values.push_back(v);
      values.push_back(std::nextafter(v, 0.0));
      values.push_back(std::nextafter(v, HUGE_VAL));
    }
  }
  for (int k = 0; k < 4000; ++k) values.push_back(k / 2.0 + 0.25 * (k % 3));
  // odd / 2^j = odd * 5^j / 10^j: 16 significant digits ending in 5.
  std::mt19937_64 random(3);
  for (int j = 1; j <= 22; ++j) {
    const double fives = std::pow(5.0, j);
    const auto low = static_cast<std::uint64_t>(std::ceil(1e15 / fives));
    const auto high = static_cast<std::uint64_t>(1e16 / fives);
    for (int n = 0; n < 50 && low < high; ++n) {
      const std::uint64_t odd = (low + random() % (high - low)) | 1;
      if (odd < (std::uint64_t{1} << 53))
        values.push_back(std::ldexp(static_cast<double>(odd), -j));
    }
  }
  const std::size_t count = values.size();
  for (std::size_t k = 0; k < count; ++k) values.push_back(-values[k]);
  return values;
}

// Any bit pattern, magnitudes spread evenly over the range that is written
// without the library, and whole hundredths.
double RandomValue(std::mt19937_64& random) {
  const std::uint64_t bits = random();
  switch (bits % 3) {
    case 0:
      return std::bit_cast<double>(random());
    case 1: {
      std::uniform_real_distribution<double> decade(-7.0, 17.0);
      return (bits & 8 ? -1.0 : 1.0) * std::pow(10.0, decade(random));
    }
    default:
      return static_cast<double>(static_cast<std::int64_t>(random() % 2000000001) - 1000000000) /
             100.0;
  }
}

void ExpectAgreement(double value) {
  ASSERT_EQ(NumberText(value), ReferenceNumberText(value)) << std::setprecision(17) << value;
  std::string twoDecimals;
  AppendTwoDecimalsText(twoDecimals, value);
  ASSERT_EQ(twoDecimals, ReferenceNumberText(RoundTo(value, 2))) << std::setprecision(17) << value;
}

TEST(NumberTextAgreement, AgreesWithTheLibrarysGeneralForm) {
  for (const double value : EdgeValues()) ExpectAgreement(value);
  const char* full = std::getenv("TRACCIATI_FULL_AGREEMENT");
  const int samples = full && std::string(full) == "1" ? 10000000 : 100000;
  std::mt19937_64 random(2024);
  for (int k = 0; k < samples; ++k) ExpectAgreement(RandomValue(random));
}

}  // namespace
