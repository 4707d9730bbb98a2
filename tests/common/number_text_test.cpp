#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "common/val.h"

namespace {

// Each form against its rows of number_texts.txt. Every text is appended to
// what is already there, as the writers build their lines; the grid's one
// decimal must read back through Val as exactly the value shown, or visiting
// a field would change the point a second time.
TEST(NumberText, EveryFormGivesTheTextsOfItsTable) {
  std::ifstream table(std::filesystem::path(COMMON_TEST_DATA) / "number_texts.txt");
  std::map<std::string, int> rows;
  for (std::string form, value, text; table >> form;) {
    if (form.starts_with('#')) {
      std::getline(table, form);
      continue;
    }
    table >> value >> text;
    const double v = std::strtod(value.c_str(), nullptr);
    std::string written = "x";
    if (form == "general") written += NumberText(v);
    if (form == "two-decimals") AppendTwoDecimalsText(written, v);
    if (form == "one-decimal") {
      written += OneDecimalText(v);
      EXPECT_EQ(Val(text), std::floor(v * 10.0 + 0.5) / 10.0) << value;
    }
    if (form == "int16") written += NearestInt16(v) ? std::to_string(*NearestInt16(v)) : "none";
    EXPECT_EQ(written, "x" + text) << form << " " << value;
    ++rows[form];
  }
  EXPECT_EQ(rows, (std::map<std::string, int>{
                      {"general", 9}, {"two-decimals", 12}, {"one-decimal", 17}, {"int16", 19}}));
}

TEST(PrintZone, ACommaMovesToTheNextFourteenColumnZone) {
  const int columnAfter[][2] = {{0, 15}, {6, 15}, {13, 15}, {14, 29}, {27, 29}, {28, 43}};
  for (const auto& c : columnAfter) EXPECT_EQ(NextPrintZone(c[0]), c[1]) << c[0];
}

// The largest magnitudes have no tenths to round and must not overflow.
TEST(OneDecimalText, TheLargestMagnitudesReadBackExactly) {
  EXPECT_EQ(Val(OneDecimalText(1.7e308)), 1.7e308);
  EXPECT_EQ(Val(OneDecimalText(-1.7e308)), -1.7e308);
}

}  // namespace
