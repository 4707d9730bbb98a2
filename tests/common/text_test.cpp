#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "common/line_reader.h"
#include "common/text.h"
#include "common/text_file.h"
#include "platform/suite_path.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Cp1252, AccentsEuroAndQuotesSurviveARoundTripTheRestBecomesQuestionMarks) {
  const std::string bytes = "perch\xE9 \x80 \x93n\xB0";
  EXPECT_EQ(Cp1252ToUtf8(bytes), "perché € “n°");
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
  EXPECT_EQ(Utf8ToCp1252("α"), "?");
  EXPECT_EQ(Utf8ToCp1252(std::string("a\xC3", 2)), "a?");
  EXPECT_EQ(Utf8ToCp1252(std::string("\xFF\xFE", 2)), "??");
}

TEST(Text, CharactersAreCountedAsCodePointsCaseAndTrimming) {
  EXPECT_EQ(Utf8Length("n°12"), 4u);
  EXPECT_EQ(Utf8Left("àèìòù1234567890123456789", 20), "àèìòù123456789012345");
  EXPECT_EQ(Utf8Mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(Utf8Mid("abc", 9, 2), "");
  EXPECT_EQ(ToLower("C:\\Suite\\ÀÈ"), "c:\\suite\\àè");
  EXPECT_EQ(ToUpper(" c "), " C ");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(ThreeDigits(7), "007");
  EXPECT_EQ(ThreeDigits(1234), "234");
}

// Files are read a line at a time (each line end and the longest line are
// the line reader's test), and a line over the limit (a file of NULs, say)
// stops the reading instead of being held.
TEST(ReadTextFileLines, ReadsEveryLineEndAndRefusesAnEndlessLine) {
  TempDir dir;
  const std::pair<std::string, std::optional<std::vector<std::string>>> cases[] = {
      {"a\r\n\r\n\xe8", std::vector<std::string>{"a", "", "\u00e8"}},
      {"", std::vector<std::string>{}},
      {"a\r\n" + std::string(LineReader::kMaxLineBytes + 1, '\0'), std::nullopt},
  };
  for (const auto& [bytes, lines] : cases) {
    WriteBytes(dir.path() / "f.txt", bytes);
    EXPECT_EQ(ReadTextFileLines(dir.path() / "f.txt"), lines) << bytes.size();
  }
  LineReader reader(dir.path() / "f.txt");
  EXPECT_EQ(reader.Next(), "a");
  EXPECT_EQ(reader.Next(), std::nullopt);
  EXPECT_TRUE(reader.TooLong());
  EXPECT_EQ(reader.LineNumber(), 2);
  // A folder or a missing file gives nothing.
  EXPECT_FALSE(ReadTextFileLines(dir.path()));
  EXPECT_FALSE(ReadTextFileLines(dir.path() / "missing"));
}

#ifndef _WIN32
// Start-up lower-cases the root folder and appends names with backslashes;
// the files must still be found on a case-sensitive file system, and a new
// name is kept as it is.
TEST(HostPath, MatchesEachComponentWithoutRegardToCase) {
  TempDir dir;
  WriteJobFile(dir.path() / "Lavori" / "AB12cd" / "El_Conti.tmp", {"0"});
  const std::string suite = dir.SuitePath() + "\\lavori\\ab12cd\\el_conti.TMP";
  EXPECT_EQ(HostPath(suite), dir.path() / "Lavori" / "AB12cd" / "El_Conti.tmp");
  EXPECT_TRUE(ReadTextFileLines(HostPath(suite)));
  EXPECT_EQ(HostPath(dir.SuitePath() + "\\\\lavori\\New.cap"), dir.path() / "Lavori" / "New.cap");
}
#endif

}  // namespace
