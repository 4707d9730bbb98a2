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
#include <filesystem>
#include <fstream>
#include <iomanip>
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
  if (const std::size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

// Halves, powers of ten and their neighbours, the thresholds of the exponent
// form and of 15 digits, subnormals, the largest values and what is not a
// number; each with both signs.
std::vector<double> EdgeValues() {
  std::vector<double> values;
  std::ifstream listed(std::filesystem::path(COMMON_TEST_DATA) / "number_edges.txt");
  for (std::string text; listed >> text;) values.push_back(std::strtod(text.c_str(), nullptr));
  for (int j = -323; j <= 308; ++j) {
    for (const double v : {1.0, 0.5, 1.5, 9.5}) {
      const double power = v * std::pow(10.0, j);
      values.insert(values.end(),
                    {power, std::nextafter(power, 0.0), std::nextafter(power, HUGE_VAL)});
    }
  }
  for (int k = 0; k < 4000; ++k) values.push_back(k / 2.0 + 0.25 * (k % 3));
  const std::size_t count = values.size();
  for (std::size_t k = 0; k < count; ++k) values.push_back(-values[k]);
  return values;
}

// Any bit pattern, magnitudes spread evenly over the range that is written
// without the library, whole hundredths, and exact ties at the 16th digit
// (odd / 2^j = odd * 5^j / 10^j, with 16 significant digits ending in 5).
double RandomValue(std::mt19937_64& random) {
  const std::uint64_t bits = random();
  const double sign = bits & 8 ? -1.0 : 1.0;
  const int j = 1 + static_cast<int>(bits / 16 % 22);
  const double fives = std::pow(5.0, j);
  const auto low = static_cast<std::uint64_t>(std::ceil(1e15 / fives));
  const auto high = static_cast<std::uint64_t>(1e16 / fives);
  switch (bits % 4) {
    case 0:
      return std::bit_cast<double>(random());
    case 1:
      return sign * std::pow(10.0, std::uniform_real_distribution<double>(-7.0, 17.0)(random));
    case 2:
      return static_cast<double>(static_cast<std::int64_t>(random() % 2000000001) - 1000000000) /
             100.0;
    default:
      return sign * std::ldexp(static_cast<double>((low + random() % (high - low)) | 1), -j);
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
  std::mt19937_64 random(2024);
  for (int k = full && std::string(full) == "1" ? 10000000 : 100000; k > 0; --k)
    ExpectAgreement(RandomValue(random));
}

}  // namespace
