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

using Save = std::function<bool(const std::string& suitePath)>;

struct Caller {
  const char* name;
  Save save;
};

const Caller kCallers[] = {
    {"gruppo",
     [](const std::string& p) { return WriteLayoutGroup(*std::make_unique<LayoutGroup>(), p).opened; }},
    {"disegno",
     [](const std::string& p) { return WriteDrawing(*std::make_unique<DrawingFile>(), p, ","); }},
};

std::string SuiteOf(const fs::path& path) {
  std::string s = path.string();
  for (char& c : s) c = c == '/' ? '\\' : c;
  return s;
}

// A temporary left by someone else (the job's own "El_Conti.tmp") is not the
// save's to overwrite or remove; nothing of the save's own is left behind.
TEST(SaveFile, NeverTouchesAnotherFileAndLeavesNoTemporary) {
  for (const Caller& caller : kCallers) {
    SCOPED_TRACE(caller.name);
    TempDir dir;
    WriteBytes(dir.path() / "El_Conti.tmp", "lavoro");
    ASSERT_TRUE(caller.save(SuiteOf(dir.path() / "El_Conti")));
    EXPECT_EQ(ReadBytes(dir.path() / "El_Conti.tmp"), "lavoro");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 2);
  }
}

// A value that is not finite would write a file its own reader refuses: the
// write fails and the old file stays.
TEST(SaveFile, AValueThatIsNotFiniteWritesNothing) {
  TempDir dir;
  WriteBytes(dir.path() / "g.cap", "vecchio");
  WriteBytes(dir.path() / "d.dis", "vecchio");
  auto group = std::make_unique<LayoutGroup>();
  group->LayoutCount = 1;
  group->Layouts[1].NodeCount = 1;
  group->Layouts[1].Z[1] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(WriteLayoutGroup(*group, SuiteOf(dir.path() / "g.cap")).opened);
  auto drawing = std::make_unique<DrawingFile>();
  drawing->PointCount = 1;
  drawing->Points[0].X = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(WriteDrawing(*drawing, SuiteOf(dir.path() / "d.dis"), ","));
  EXPECT_EQ(ReadBytes(dir.path() / "g.cap"), "vecchio");
  EXPECT_EQ(ReadBytes(dir.path() / "d.dis"), "vecchio");
}

#ifndef _WIN32

uid_t NobodyUid() {
  const passwd* nobody = getpwnam("nobody");
  return nobody ? nobody->pw_uid : 65534;
}

// The new file keeps the old one's permissions and owner; a symbolic link
// stays a link and its target gets the new content.
TEST(SaveFile, KeepsModeOwnerAndLinks) {
  for (const Caller& caller : kCallers) {
    SCOPED_TRACE(caller.name);
    TempDir dir;
    const fs::path file = dir.path() / "vero.cap";
    const fs::path link = dir.path() / "collegamento.cap";
    WriteBytes(file, "vecchio");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const bool root = geteuid() == 0;
    if (root) {
      ASSERT_EQ(chown(file.c_str(), NobodyUid(), static_cast<gid_t>(-1)), 0);
    }
    fs::create_symlink(file.filename(), link);

    ASSERT_TRUE(caller.save(SuiteOf(link)));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_NE(ReadBytes(file), "vecchio");
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    if (root) {
      EXPECT_EQ(after.st_uid, NobodyUid());
    }
  }
}

// A file its owner made read-only is refused, and stays as it was. The tests
// run as root, who may write anything: the save runs in a child that drops to
// the ordinary user "nobody".
TEST(SaveFile, RefusesAFileTheUserMayNotWrite) {
  for (const Caller& caller : kCallers) {
    SCOPED_TRACE(caller.name);
    TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);
    const fs::path file = dir.path() / "protetto.cap";
    WriteBytes(file, "vecchio");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (geteuid() == 0) {
      ASSERT_EQ(chown(file.c_str(), NobodyUid(), static_cast<gid_t>(-1)), 0);
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (geteuid() == 0 && (setgid(NobodyUid()) != 0 || setuid(NobodyUid()) != 0)) _exit(3);
      _exit(caller.save(SuiteOf(file)) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadBytes(file), "vecchio");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
}

#endif

}  // namespace
