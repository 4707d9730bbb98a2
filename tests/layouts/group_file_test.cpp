#include "layouts/group_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/line_reader.h"
#include "layouts/group_snapshot.h"
#include "layouts/layout_operations.h"
#include "tests/layouts/case_file.h"
#include "tests/layouts/layouts_fixture.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/messages.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// One layout of two points, as the suite's own files look.
const std::string kExample = CaseFile("example.cap");

const std::string kCannotRead = "Problemi con la lettura del file ";
const std::string kCannotWrite = "Problemi con la scrittura del file ";

bool Holds(const std::string& bytes, const std::string& part) {
  return bytes.find(part) != std::string::npos;
}

class GroupFile : public ::testing::Test {
 protected:
  std::string SuitePath(const std::string& name = "Memb003Gr_001.cap") const {
    return dir.SuitePath() + "\\" + name;
  }
  fs::path HostFile() const { return dir.path() / "Memb003Gr_001.cap"; }
  GroupFileOutcome ReadFile(const std::string& bytes) {
    WriteBytes(HostFile(), bytes);
    return ReadLayoutGroup(SuitePath(), *group, *structure);
  }
  Message WriteFault(const std::string& name) const {
    return {kCannotWrite + SuitePath(name), kCaptionProblem, kStyleExclamation};
  }
  // A group that shows whether a read emptied it or left it alone.
  void Prefill() {
    group->GroupDescription = "vecchio";
    group->LoadCondition = 7;
    group->LayoutCount = 2;
  }

  TempDir dir;
  std::unique_ptr<StructureModel> structure = MakeStructure(12, {11});
  std::unique_ptr<LayoutGroup> group = MakeGroup();
};

// Golden file: every column, line end and number form of the format at once.
TEST_F(GroupFile, TheExampleReadsAndWritesBackByteForByte) {
  const GroupFileOutcome read = ReadFile(kExample);
  ASSERT_FALSE(read.fault) << read.fault->text;
  EXPECT_TRUE(read.opened);
  EXPECT_EQ(group->GroupDescription, "Trave 1 tracciati di campata");  // 28 characters
  EXPECT_EQ(group->LoadCondition, 3);
  ASSERT_EQ(group->LayoutCount, 1);
  EXPECT_EQ(TakeLayout(*group, 1),
            (LayoutSnapshot{1, 1, {{5, 2, 0.25, -40.5, 0.0}, {9, 2, 0.25, -12.0, 0.01}}}));

  fs::remove(HostFile());
  // The name is matched without regard to case, as on the suite's home.
  const GroupFileOutcome written = WriteLayoutGroup(*group, SuitePath("MEMB003GR_001.CAP"));
  EXPECT_TRUE(written.opened && !written.fault);
  EXPECT_EQ(ReadBytes(dir.path() / "MEMB003GR_001.CAP"), kExample);
}

// A description saved by another program in UTF-8, or without end, is
// shown as code page 1252 reads it and written back byte for byte. The two
// group parameters may be apart by blanks or a comma; they are written in
// their columns, as read, or as 1 and 1 while unset.
TEST_F(GroupFile, AnyDescriptionLineIsWrittenBackAsItWasRead) {
  const std::string rest = kExample.substr(kExample.find("\r\n1\r\n"));
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"Campata pi\xC3\xB9 lunga", "Campata pi\u00C3\u00B9 lunga", "2             5"},
      {std::string(100000, 'd'), std::string(100000, 'd'), "2 5"},
      {"D", "D", "  2 ,  5"},
  };
  for (const auto& [onDisk, shown, parameters] : cases) {
    ASSERT_FALSE(ReadFile(onDisk + "\r\n3\r\n" + parameters + rest).fault);
    EXPECT_EQ(group->GroupDescription, shown);
    EXPECT_EQ(LayoutGroupFileBytes(*group), onDisk + "\r\n3\r\n2             5" + rest);
  }
  group->GroupParamA = group->GroupParamB = kGroupParamUnset;
  EXPECT_TRUE(Holds(LayoutGroupFileBytes(*group), "\r\n1             1\r\n"));
  EXPECT_EQ(group->GroupParamA, -1);  // writing does not set them
  group->GroupParamB = 4;
  EXPECT_TRUE(Holds(LayoutGroupFileBytes(*group), "\r\n-1            4\r\n"));
}

// All three values with two decimals; a value past its column pushes the
// next one to that column of a new line, and so does one that would touch
// it, since the reader could not tell the two apart. The description is the
// whole first line, beyond a text box's 20 characters, commas and quotes
// included, in code page 1252 on disk.
TEST_F(GroupFile, ValuesAreRoundedAndPlacedInTheirColumns) {
  group->GroupDescription = "Trave 1, campata \"A\" e più lunga di 20";
  group->LoadCondition = 100;
  group->GroupParamA = -32768;
  group->GroupParamB = 32767;
  group->LayoutCount = 2;  // the second without points
  group->Layouts[2].CableType = 1;
  Layout& layout = group->Layouts[1];
  layout.Name = -3;
  layout.CableType = 50;
  layout.NodeCount = 3;
  SetNodeAt(layout, 1, {12, 305, 0.004, 2.125, 0.0049});
  SetNodeAt(layout, 2, {1, 0, -1.23456789012345e100, 1.23456789012345e100, -2.125});
  SetNodeAt(layout, 3, {2, 0, -1.2345678901234e50, -1.5, 0.0});
  const std::string bytes = LayoutGroupFileBytes(*group);
  EXPECT_EQ(bytes, CaseFile("rounded.cap"));

  const std::string description = group->GroupDescription;
  ASSERT_FALSE(ReadFile(bytes).fault);
  EXPECT_EQ(group->GroupDescription, description);
  EXPECT_EQ(group->Layouts[2].NodeCount, 0);
  EXPECT_EQ(NodeAt(group->Layouts[1], 1), (LayoutNode{12, 305, 0.0, 2.13, 0.0}));
  EXPECT_EQ(LayoutGroupFileBytes(*group), bytes);
}

TEST_F(GroupFile, AFileThatCannotBeReadLeavesTheGroupAlone) {
  void (*const makers[])(const fs::path&) = {
      [](const fs::path&) {},                               // missing
      [](const fs::path& p) { WriteBytes(p, ""); },         // no first line
      [](const fs::path& p) { fs::create_directory(p); }};  // a folder
  for (auto make : makers) {
    fs::remove_all(HostFile());
    make(HostFile());
    Prefill();
    const GroupFileOutcome read = ReadLayoutGroup(SuitePath(), *group, *structure);
    EXPECT_FALSE(read.opened);
    EXPECT_EQ(read.fault, Information(kCannotRead + SuitePath()));
    EXPECT_EQ(group->GroupDescription, "vecchio");
    EXPECT_EQ(group->LayoutCount, 2);
  }
}

// Content outside the format must never reach past a table or leave half a
// group behind: the file is reported with its line, and the group emptied.
// Lines may also end with LF or CR alone, as in files edited elsewhere.
TEST_F(GroupFile, MalformedContentIsReportedAndEmptiesTheGroup) {
  std::vector<std::vector<std::string>> cases = CaseRows("malformed_group.txt");
  cases.push_back({Utf16Bytes(kExample), "riga 2: numero non valido \" \""});
  cases.push_back({"D\r\n" + std::string(100000, '3') + "x\r\n", "riga 2: numero non valido \"333"});
  cases.push_back(
      {"D\r\n" + std::string(LineReader::kMaxLineBytes + 1, '\0'), "riga 2: riga troppo lunga"});
  for (const std::vector<std::string>& c : cases) {
    Prefill();
    const GroupFileOutcome read = ReadFile(c[0]);
    ASSERT_TRUE(read.fault);
    const std::string prefix = kCannotRead + SuitePath() + " (";
    EXPECT_EQ(*read.fault, Information(prefix + read.fault->text.substr(prefix.size())));
    EXPECT_TRUE(Holds(read.fault->text, c[1])) << read.fault->text;
    // The message box can show it: no control characters, no endless field.
    EXPECT_EQ(read.fault->text.find_first_of(std::string("\0\x01\x02\r\n", 5)), std::string::npos);
    EXPECT_LT(read.fault->text.size(), SuitePath().size() + 150);
    EXPECT_EQ(group->LayoutCount, 0);
    EXPECT_EQ(group->LoadCondition, 0);
  }
}

// Write failures that work for root too: a missing folder, and a write that
// breaks off part-way (a full device). The previous file must survive, with
// no temporary left behind.
TEST_F(GroupFile, AFailedWriteKeepsWhatWasThere) {
  ASSERT_FALSE(SetNewTrac(*group, *structure, 1));
  GroupFileOutcome written = WriteLayoutGroup(*group, SuitePath("manca\\Memb003Gr_001.cap"));
  EXPECT_FALSE(written.opened);
  EXPECT_EQ(written.fault, WriteFault("manca\\Memb003Gr_001.cap"));

  WriteBytes(HostFile(), kExample);
  const auto halfThenFail = [](const fs::path& path, const std::string& bytes) {
    WriteWholeFile(path, bytes.substr(0, bytes.size() / 2));
    return false;
  };
  written = WriteLayoutGroup(*group, SuitePath(), halfThenFail);
  EXPECT_FALSE(written.opened);
  EXPECT_EQ(written.fault, WriteFault("Memb003Gr_001.cap"));
  EXPECT_EQ(ReadBytes(HostFile()), kExample);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);

  EXPECT_TRUE(WriteLayoutGroup(*group, SuitePath()).opened);
  EXPECT_EQ(ReadBytes(HostFile()), LayoutGroupFileBytes(*group));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
