// tracciati-batch.exe given paths as Windows users and the suite write them:
// a drive letter, backslashes, folder names in another case than on disk.
#include <windows.h>

#include <algorithm>

#include "tests/batch/batch_run.h"

namespace fs = std::filesystem;

namespace {

class WindowsPaths : public BatchRun {
 protected:
  void SetUp() override {
    BatchRun::SetUp();
    // dirlav as the suite writes it on Windows: upper case, CR LF.
    const std::string jobs = ToUpper(suite_.SuitePath() + "\\lavori");
    WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {jobs});
  }
  std::string UpperArgument() const {
    return "|diroot=" + ToUpper(suite_.SuitePath()) + "|MEMBRA=2|";
  }
  std::string JobPath() const { return suite_.SuitePath() + "\\LAVORI\\PONT01"; }
  // The drawings in the job folder, removed.
  std::vector<std::string> TakeDrawings() const {
    std::vector<std::string> drawn;
    for (const auto& entry : fs::directory_iterator(Job())) {
      if (entry.path().extension() != ".dis") continue;
      drawn.push_back(ReadBytes(entry.path()));
      fs::remove(entry.path());
    }
    return drawn;
  }
};

// The suite is a drive-letter path with backslashes; "check" and "resave"
// find it and the group file by another case than on disk.
TEST_F(WindowsPaths, ResaveByAnotherCaseWritesTheGroupByteForByte) {
  EXPECT_EQ(suite_.SuitePath().substr(1, 2), ":\\");
  Expect(Batch({UpperArgument(), "check"}), 0, "OK\n", "");
  const std::string out = output_.SuitePath() + "\\COPY.CAP";
  Expect(Batch({UpperArgument(), "resave", JobPath() + "\\MEMB002GR_001.CAP", out}), 0, "", "");
  EXPECT_EQ(ReadBytes(output_.path() / "copy.cap"), ReadBytes(Job() / "Memb002Gr_001.cap"));
}

// A group file with the read-only attribute is refused by a save and keeps
// its content and its attribute.
TEST_F(WindowsPaths, AReadOnlyGroupFileIsNotOverwritten) {
  const fs::path target = Job() / "Memb002Gr_002.cap";
  WriteBytes(target, "vecchio");
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  const ProcessResult r = Batch({UpperArgument(), "resave", JobPath() + "\\Memb002Gr_001.cap",
                                 JobPath() + "\\Memb002Gr_002.cap"});
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
  std::replace(slashes.begin(), slashes.end(), '\\', '/');
  const ProcessResult first = Batch({UpperArgument(), "draw-all", backslashes});
  ASSERT_EQ(first.status, 0) << first.err;
  const std::vector<std::string> drawn = TakeDrawings();
  ASSERT_EQ(drawn.size(), 6u);
  Expect(Batch({UpperArgument(), "draw-all", slashes}), 0, first.out, "");
  EXPECT_EQ(TakeDrawings(), drawn);
}

}  // namespace
