// tracciati-batch.exe given paths as Windows users and the suite write them:
// a drive letter, backslashes, folder names in another case than on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "common/text.h"
#include "tests/support/process_run.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class WindowsPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    CopyTree(EXAMPLE_SUITE_DIR, suite_.path());
    // dirlav as the suite writes it on Windows: upper case, CR LF.
    WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {ToUpper(suite_.SuitePath() + "\\lavori")});
  }
  std::string Argument() const { return "|diroot=" + ToUpper(suite_.SuitePath()) + "|MEMBRA=2|"; }
  std::string JobPath() const { return suite_.SuitePath() + "\\LAVORI\\PONT01"; }
  ProcessResult Batch(const std::vector<std::string>& args) const {
    return RunProcess(BATCH_EXE, args, output_.path());
  }

  TempDir suite_;
  TempDir output_;
};

TEST_F(WindowsPaths, TheSuiteIsADriveLetterPathWithBackslashes) {
  EXPECT_EQ(suite_.SuitePath().substr(1, 2), ":\\");
  const ProcessResult r = Batch({Argument(), "check"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "OK\n");
}

TEST_F(WindowsPaths, ResaveByAnotherCaseWritesTheGroupByteForByte) {
  const std::string out = output_.SuitePath() + "\\COPY.CAP";
  const ProcessResult r = Batch({Argument(), "resave", JobPath() + "\\MEMB002GR_001.CAP", out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadBytes(output_.path() / "copy.cap"),
            ReadBytes(suite_.path() / "lavori" / "pont01" / "Memb002Gr_001.cap"));
}

// A group file with the read-only attribute is refused by a save and keeps
// its content and its attribute.
TEST_F(WindowsPaths, AReadOnlyGroupFileIsNotOverwritten) {
  const fs::path target = suite_.path() / "lavori" / "pont01" / "Memb002Gr_002.cap";
  WriteBytes(target, "vecchio");
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  const ProcessResult r = Batch({Argument(), "resave", JobPath() + "\Memb002Gr_001.cap",
                                 JobPath() + "\Memb002Gr_002.cap"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err, "");
  EXPECT_EQ(ReadBytes(target), "vecchio");
  EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go
}

// Windows takes forward slashes as separators too; so does the editor: the
// group is opened, its number read from its name, and the drawings are the
// ones the backslash path gives, under the same names.
TEST_F(WindowsPaths, AGroupOpenedWithForwardSlashesDrawsAsWithBackslashes) {
  const std::string backslashes = JobPath() + "\\Memb002Gr_001.cap";
  std::string slashes = backslashes;
  for (char& c : slashes) c = c == '\\' ? '/' : c;

  const ProcessResult first = Batch({Argument(), "draw-all", backslashes});
  ASSERT_EQ(first.status, 0) << first.err;
  std::vector<std::string> drawn;
  for (const auto& entry : fs::directory_iterator(suite_.path() / "lavori" / "pont01")) {
    if (entry.path().extension() == ".dis") drawn.push_back(ReadBytes(entry.path()));
  }
  ASSERT_EQ(drawn.size(), 6u);
  for (const auto& entry : fs::directory_iterator(suite_.path() / "lavori" / "pont01")) {
    if (entry.path().extension() == ".dis") fs::remove(entry.path());
  }

  const ProcessResult second = Batch({Argument(), "draw-all", slashes});
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.out, first.out);
  std::vector<std::string> again;
  for (const auto& entry : fs::directory_iterator(suite_.path() / "lavori" / "pont01")) {
    if (entry.path().extension() == ".dis") again.push_back(ReadBytes(entry.path()));
  }
  EXPECT_EQ(again, drawn);
}

}  // namespace
