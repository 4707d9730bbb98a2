// The one save function, reached through two of its callers (group files
// and drawings): what a save may and may not do to the file it replaces.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "drawing/drawing_writer.h"
#include "layouts/group_file.h"
#include "tests/support/temp_dir.h"

#ifndef _WIN32
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Each caller saves a fresh group or drawing, given a finite value or not,
// to the folder's file of the given name.
const std::function<bool(const TempDir&, const std::string&, double)> kCallers[] = {
    [](const TempDir& dir, const std::string& name, double value) {
      auto group = std::make_unique<LayoutGroup>();
      group->LayoutCount = group->Layouts[1].NodeCount = 1;
      group->Layouts[1].Z[1] = value;
      return WriteLayoutGroup(*group, dir.SuitePath() + "\\" + name).opened;
    },
    [](const TempDir& dir, const std::string& name, double value) {
      auto drawing = std::make_unique<DrawingFile>();
      drawing->PointCount = 1;
      drawing->Points[0].X = value;
      return WriteDrawing(*drawing, dir.SuitePath() + "\\" + name, ",");
    },
};

// A value that is not finite would write a file its own reader refuses: the
// write fails and the old file stays.
TEST(SaveFile, AValueThatIsNotFiniteWritesNothing) {
  for (const double value :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    for (const auto& save : kCallers) {
      const TempDir dir;
      WriteBytes(dir.path() / "vecchio", "vecchio");
      EXPECT_FALSE(save(dir, "vecchio", value));
      EXPECT_EQ(ReadBytes(dir.path() / "vecchio"), "vecchio");
    }
  }
}

// Files written side by side replace their targets only once committed;
// one dropped uncommitted leaves nothing behind.
TEST(SaveFile, StagedFilesReplaceTheirTargetsOnlyWhenCommitted) {
  const TempDir dir;
  WriteBytes(dir.path() / "primo", "vecchio");
  StagedFile first = StageFile(dir.path() / "primo", "nuovo");
  {
    const StagedFile second = StageFile(dir.path() / "secondo", "nuovo");
    EXPECT_EQ(ReadBytes(dir.path() / "primo"), "vecchio");
  }
  EXPECT_TRUE(first.Commit());
  EXPECT_FALSE(first.Commit());
  EXPECT_EQ(ReadBytes(dir.path() / "primo"), "nuovo");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

#ifndef _WIN32

uid_t NobodyUid() {
  const passwd* nobody = getpwnam("nobody");
  return nobody ? nobody->pw_uid : 65534;
}

// A file its owner made read-only is refused, and stays as it was: the tests
// run as root, who may write anything, so that save runs in a child that
// drops to the ordinary user "nobody". Made writable, the new file keeps the
// old one's permissions and owner; a symbolic link stays a link and its
// target gets the new content. A temporary left by someone else (the job's
// own "El_Conti.tmp") is not the save's to overwrite or remove; nothing of
// the save's own is left behind.
TEST(SaveFile, RefusesAFileTheUserMayNotWriteAndKeepsModeOwnerAndLinks) {
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  for (const auto& save : kCallers) {
    const TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);
    const fs::path file = dir.path() / "vero.cap";
    WriteBytes(file, "vecchio");
    WriteBytes(dir.path() / "El_Conti.tmp", "lavoro");
    fs::permissions(file, readOnly);
    const bool root = geteuid() == 0;
    if (root) {
      ASSERT_EQ(chown(file.c_str(), NobodyUid(), static_cast<gid_t>(-1)), 0);
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (root && (setgid(NobodyUid()) != 0 || setuid(NobodyUid()) != 0)) _exit(3);
      _exit(save(dir, "vero.cap", 0.0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadBytes(file), "vecchio");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, readOnly);

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(file.filename(), dir.path() / "El_Conti");
    ASSERT_TRUE(save(dir, "El_Conti", 0.0));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.path() / "El_Conti")));
    EXPECT_NE(ReadBytes(file), "vecchio");
    EXPECT_EQ(ReadBytes(dir.path() / "El_Conti.tmp"), "lavoro");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    if (root) {
      EXPECT_EQ(after.st_uid, NobodyUid());
    }
  }
}

#endif

}  // namespace
