#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "common/val.h"

namespace {

struct TextCase {
  double value;
  const char* text;
};

TEST(NumberText, GeneralFormWithFifteenDigits) {
  const TextCase cases[] = {
      {0.0, "0"}, {-0.0, "0"}, {20.0, "20"}, {-0.25, "-.25"}, {-2.0 / 3.0, "-.666666666666667"},
      // Fifteen digits still fit before the point; a sixteenth does not.
      {123456789012345.0, "123456789012345"}, {1234567890123456.0, "1.23456789012346E+15"},
      // Four zeros after the point are the most before the exponent form.
      {-0.0001, "-.0001"}, {0.000015, "1.5E-05"}};
  for (const TextCase& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

// Half up, then floor: the boundaries where rounding and binary error meet
// (the agreement test holds the writer to the rounding followed by the
// general form).
TEST(NumberText, CoordinatesAreRoundedHalfUpToTwoDecimals) {
  const TextCase cases[] = {{0.004, "0"},          {0.0049, "0"},    {-0.004, "0"},
                            {0.005, ".01"},        {0.125, ".13"},   {2.125, "2.13"},
                            {-2.125, "-2.12"},     {-0.006, "-.01"}, {12.999, "13"},
                            {1.7e308, "1.7E+308"}, {-40.5, "-40.5"}, {1234.5678, "1234.57"}};
  for (const TextCase& c : cases) {
    std::string appended = "x";
    AppendTwoDecimalsText(appended, c.value);
    EXPECT_EQ(appended, std::string("x") + c.text) << c.value;
  }
}

TEST(PrintZone, ACommaMovesToTheNextFourteenColumnZone) {
  const int columnAfter[][2] = {{0, 15}, {6, 15}, {13, 15}, {14, 29}, {27, 29}, {28, 43}};
  for (const auto& c : columnAfter) EXPECT_EQ(NextPrintZone(c[0]), c[1]) << c[0];
}

// The grid shows one decimal, rounded half up through the tenths; the text
// must read back through Val as exactly the value shown, or visiting a field
// would change the point a second time.
TEST(OneDecimalText, RoundsHalfUpToTenthsAndReadsBackExactly) {
  const TextCase cases[] = {{0.0, "0"},        {-0.0, "0"},           {12.34, "12.3"},
                            {12.36, "12.4"},   {-12.36, "-12.4"},     {-12.34, "-12.3"},
                            {0.05, "0.1"},     {-0.05, "0"},          {-0.04, "0"},
                            {0.25, "0.3"},     {-0.25, "-0.2"},       {3.0, "3"},
                            {-40.5, "-40.5"},  {0.01, "0"},           {99.96, "100"},
                            {1e20, "1e+20"},   {-1234567.89, "-1234567.9"}};
  for (const TextCase& c : cases) {
    const std::string text = OneDecimalText(c.value);
    EXPECT_EQ(text, c.text) << c.value;
    EXPECT_EQ(Val(text), std::floor(c.value * 10.0 + 0.5) / 10.0) << c.value;
  }
  // The largest magnitudes have no tenths to round and must not overflow.
  EXPECT_EQ(Val(OneDecimalText(1.7e308)), 1.7e308);
  EXPECT_EQ(Val(OneDecimalText(-1.7e308)), -1.7e308);
}

TEST(NearestInt16, HalvesGoToTheEvenNeighbourWithinSixteenBits) {
  struct Case {
    double value;
    std::optional<int16_t> nearest;
  };
  const Case cases[] = {{0.0, 0}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2},
                        {2.5001, 3}, {-2.6, -3}, {100.0, 100}, {32767.0, 32767}, {32767.4, 32767},
                        {32767.5, std::nullopt}, {32768.0, std::nullopt}, {-32768.0, -32768},
                        {-32768.5, -32768}, {-32768.6, std::nullopt}, {1e300, std::nullopt},
                        {-1e300, std::nullopt}, {std::nan(""), std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(NearestInt16(c.value), c.nearest) << c.value;
}

}  // namespace
