#include <gtest/gtest.h>

#include <variant>

#include "app/argument.h"
#include "app/startup.h"
#include "tests/layouts/case_file.h"
#include "tests/support/messages.h"

namespace {

using RootDirResult = std::variant<std::string, Message>;

TEST(ParseMemberNumber, TakesTheCaseSensitiveItemAndRoundsDown) {
  for (const auto& row : CaseRows("member_items.txt")) {
    const std::string& expected = row.at(1);
    const std::variant<int16_t, Message> result =
        expected[0] == '!' ? Problem(expected.substr(1))
                           : std::variant<int16_t, Message>(int16_t(std::stoi(expected)));
    EXPECT_EQ(ParseMemberNumber(row.at(0)), result) << row.at(0);
  }
}

// The key in any case; the value lowered, UTF-8 letters too, and taken whole
// however long.
TEST(ParseRootDir, FindsTheKeyInAnyCaseAndLowersTheValue) {
  const std::string longRoot(100000, 'x');
  EXPECT_EQ(ParseRootDir("|diroot=" + longRoot + "|MEMBRA=3|"), (RootDirResult{longRoot}));
  for (const auto& row : CaseRows("root_items.txt")) {
    const std::string& expected = row.at(1);
    const RootDirResult result =
        expected[0] == '!' ? RootDirResult{Message{expected.substr(1), kCaptionError, 16}}
                           : RootDirResult{expected};
    EXPECT_EQ(ParseRootDir(row.at(0)), result) << row.at(0);
  }
}

// Also the joined command line the names are read from (the window caption
// is the window's tests').
TEST(StartupNames, AssociationFileAndCaptions) {
  const char* argv[] = {"tracciati", "|diroot=c:\\my", "suite|MEMBRA=2|"};
  EXPECT_EQ(JoinArguments(3, argv), "|diroot=c:\\my suite|MEMBRA=2|");
  EXPECT_EQ(JoinArguments(1, argv), "");
  EXPECT_EQ(AssociationFileName(12), "\\AssSez012.cap");
  EXPECT_EQ(AssociationFileName(1234), "\\AssSez234.cap");
  EXPECT_EQ(AssociationFileName(-3), "\\AssSez0-3.cap");
  JobContext job;
  job.MemberNumber = 12;
  job.MemberDescription = "TRAVE 1   ";
  EXPECT_EQ(MemberCaption(job), "MEMBRATURA n°12 (TRAVE 1)");
}

}  // namespace
