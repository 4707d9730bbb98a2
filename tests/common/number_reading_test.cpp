#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_reader.h"
#include "common/val.h"

namespace {

struct ValCase {
  const char* text;
  double value;
};

// Val must read what the suite writes whatever the regional settings and
// stop where the number ends: a comma is not a decimal separator.
TEST(Val, ReadsTheLeadingNumberAndStops) {
  const ValCase cases[] = {
      {"12.5", 12.5},
      {"  -40", -40},
      {"12,5", 12},
      {".25", 0.25},
      {"-.5", -0.5},
      {"1E+20", 1e20},
      {"2.5d2", 250},
      {"3e", 3},
      {"2 5", 25},
      {"3E2", 300},
      {"abc", 0},
      {"", 0},
      {"\t7 8", 78},
      {"+4.", 4},
      {"1.2.3", 1.2},
      {"-", 0},
      {"1e999", 1.7976931348623157e308},
  };
  for (const ValCase& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseNumber, AcceptsOnlyAWholeNumber) {
  EXPECT_EQ(ParseNumber("12"), 12.0);
  EXPECT_EQ(ParseNumber("-1.5E-1"), -0.15);
  for (const char* text : {"", "12x", "1 2", "."}) EXPECT_FALSE(ParseNumber(text)) << text;
}

// Numbers end at blanks, commas and line ends; a line read after a field
// starts on the following line, as the suite's files mix both reads (a
// count, then fixed-column lines); a non-number is reported with its text.
TEST(TextReader, NumbersEndAtBlanksCommasAndLineEnds) {
  TextReader r({"1 2,3", "", "  4 ,5", "6 , ", "                    C", "12", "1,2x"});
  for (double expected : {1, 2, 3, 4, 5, 6}) {
    const auto n = r.ReadNumber();
    ASSERT_EQ(n.status, TextReader::Status::kOk) << r.LineNumber();
    EXPECT_EQ(n.value, expected);
  }
  EXPECT_EQ(r.ReadLine(), "                    C");
  EXPECT_EQ(r.ReadNumber().value, 12);
  EXPECT_EQ(r.LineNumber(), 7);
  EXPECT_EQ(r.ReadNumber().value, 1);
  const auto bad = r.ReadNumber();
  EXPECT_EQ(bad.status, TextReader::Status::kNotANumber);
  EXPECT_EQ(bad.text, "2x");
  EXPECT_FALSE(r.ReadLine());
  EXPECT_EQ(r.ReadNumber().status, TextReader::Status::kEndOfFile);
}

TEST(TextReader, TextFieldsAreTrimmedAndMayBeQuotedAndSkipped) {
  TextReader r({"  c:\\lavori  ", "\"a, b\" , next", "CAVO 7T15,", "", "7",
                "9.73, 195000, word, 0.005", "6 1860", "last"});
  for (const char* text : {"c:\\lavori", "a, b", "next", "CAVO 7T15", ""}) {
    EXPECT_EQ(r.ReadText(), text);
  }
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(r.SkipField()) << i;
  EXPECT_EQ(r.ReadText(), "last");
  EXPECT_FALSE(r.SkipField());
  EXPECT_FALSE(r.ReadText());
}

}  // namespace
