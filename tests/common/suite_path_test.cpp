#include <gtest/gtest.h>

#include "common/text_file.h"
#include "platform/suite_path.h"
#include "tests/support/temp_dir.h"

namespace {

#ifndef _WIN32
// Start-up lower-cases the root folder and appends names with backslashes;
// the files must still be found on a case-sensitive file system.
TEST(HostPath, MatchesEachComponentWithoutRegardToCase) {
  TempDir dir;
  WriteJobFile(dir.path() / "Lavori" / "AB12cd" / "El_Conti.tmp", {"0"});
  const std::string suite = dir.SuitePath() + "\\lavori\\ab12cd\\el_conti.TMP";
  EXPECT_EQ(HostPath(suite), dir.path() / "Lavori" / "AB12cd" / "El_Conti.tmp");
  EXPECT_TRUE(ReadTextFileLines(HostPath(suite)));
}

TEST(HostPath, KeepsNewNamesAndSkipsDoubledSeparators) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Job");
  EXPECT_EQ(HostPath(dir.SuitePath() + "\\\\job\\New.cap"), dir.path() / "Job" / "New.cap");
}
#endif

TEST(ReadTextFileLines, AFolderOrAMissingFileGivesNothing) {
  TempDir dir;
  EXPECT_FALSE(ReadTextFileLines(dir.path()));
  EXPECT_FALSE(ReadTextFileLines(dir.path() / "missing"));
}

}  // namespace
