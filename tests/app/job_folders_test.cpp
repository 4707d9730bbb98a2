#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/job_folders.h"
#include "common/text.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

// A root folder with the two settings files as given (nullptr: missing).
class Settings {
 public:
  Settings(const char* dirlav, const char* lavoro) {
    if (dirlav) WriteJobFile(dir_.path() / "impostazioni" / "dirlav", {dirlav});
    if (lavoro) WriteJobFile(dir_.path() / "impostazioni" / "lavoro", {lavoro});
  }
  std::string Root() const { return ToLower(dir_.SuitePath()); }
  const std::filesystem::path& Path() const { return dir_.path(); }
  std::string Argument(const std::string& rootSuffix = "") const {
    return "|diroot=" + dir_.SuitePath() + rootSuffix + "|MEMBRA=3|";
  }

 private:
  TempDir dir_;
};

// A root ending with a backslash still finds the settings.
TEST(ResolveJobFolders, BuildsEveryFolderFromTheSettings) {
  for (const char* rootEnd : {"", "\\"}) {
    Settings s(rootEnd[0] ? "c:\\lavori\\" : "C:\\Lavori", "  ab12cd  ");
    JobContext job;
    ASSERT_FALSE(ResolveJobFolders(s.Argument(rootEnd), job));
    EXPECT_EQ(job.RootDir, s.Root());
    EXPECT_EQ(job.JobsDir, "c:\\lavori\\");
    EXPECT_EQ(job.JobName, "ab12cd");
    EXPECT_EQ(job.JobDir, "c:\\lavori\\ab12cd");
    EXPECT_EQ(job.ProgramDir, s.Root() + "\\progra");
    EXPECT_EQ(job.DriverDir, s.Root() + "\\driver");
    EXPECT_EQ(job.CustomDir, s.Root() + "\\custom");
  }
}

struct FolderFault {
  const char* dirlav;
  const char* lavoro;
  const char* file;  // the settings file named in the message; nullptr: lavori message
};

TEST(ResolveJobFolders, RefusesBadSettingsWithTheirMessage) {
  const FolderFault cases[] = {
      {nullptr, "ab12cd", "dirlav"},      {"", "ab12cd", "dirlav"},
      {"c:\\lavor", "ab12cd", "dirlav"},  {"c:\\jobs\\x", "ab12cd", nullptr},
      {"c:\\lavori", nullptr, "lavoro"},  {"c:\\lavori", "ab12c", "lavoro"},
      {"c:\\lavori", "ab12cde", "lavoro"},
  };
  for (const FolderFault& c : cases) {
    Settings s(c.dirlav, c.lavoro);
    JobContext job;
    const auto fault = ResolveJobFolders(s.Argument("\\"), job);
    ASSERT_TRUE(fault) << (c.dirlav ? c.dirlav : "-") << " " << (c.lavoro ? c.lavoro : "-");
    const std::string expected =
        c.file ? "Errore: file " + s.Root() + "\\\\impostazioni\\" + c.file + " errato o mancante"
               : "Errore: il direttorio dei lavori deve terminare con < \\lavori >";
    EXPECT_EQ(fault->text, expected);
    EXPECT_EQ(fault->caption, "ERRORE");
    EXPECT_EQ(fault->style, 48);
  }
}

// Settings files that are no text of this suite, or no file at all. The
// bytes go to one file; the other holds a good value.
TEST(ResolveJobFolders, RefusesSettingsFilesThatAreNotText) {
  struct Case {
    const char* file;
    std::optional<std::string> bytes;  // nothing: a folder in its place
    const char* fault;  // the settings file named in the message; "lavori": that message
  };
  const Case cases[] = {
      {"dirlav", std::nullopt, "dirlav"},
      {"lavoro", std::nullopt, "lavoro"},
      {"dirlav", GarbageBytes(), "dirlav"},
      {"lavoro", GarbageBytes(), "lavoro"},
      {"dirlav", Utf16Bytes("c:\\lavori\r\n"), "lavori"},
      {"lavoro", Utf16Bytes("ab12cd\r\n"), "lavoro"},
      {"lavoro", "\xEF\xBB\xBF" "ab12cd\r\n", "lavoro"},
      {"lavoro", "", "lavoro"},
      {"lavoro", std::string(100000, 'a') + "\r\n", "lavoro"},
  };
  for (const Case& c : cases) {
    Settings s("c:\\lavori", "ab12cd");
    const std::filesystem::path file = s.Path() / "impostazioni" / c.file;
    std::filesystem::remove(file);
    if (c.bytes) {
      WriteBytes(file, *c.bytes);
    } else {
      std::filesystem::create_directory(file);
    }
    JobContext job;
    const auto fault = ResolveJobFolders(s.Argument(), job);
    ASSERT_TRUE(fault) << c.file;
    const std::string expected =
        std::string(c.fault) == "lavori"
            ? "Errore: il direttorio dei lavori deve terminare con < \\lavori >"
            : "Errore: file " + s.Root() + "\\impostazioni\\" + c.fault + " errato o mancante";
    EXPECT_EQ(fault->text, expected);
    EXPECT_EQ(fault->caption, "ERRORE");
  }
}

// A jobs folder of any length is taken as written; a UTF-8 mark before it
// stays part of the name, so the job files are then not found (the message
// of the continuous-elements file shows it).
TEST(ResolveJobFolders, TakesALongJobsFolderAndKeepsAForeignMark) {
  const std::string longFolder = "c:\\" + std::string(100000, 'x') + "\\lavori";
  Settings s(longFolder.c_str(), "ab12cd");
  JobContext job;
  ASSERT_FALSE(ResolveJobFolders(s.Argument(), job));
  EXPECT_EQ(job.JobsDir, longFolder + "\\");
  WriteBytes(s.Path() / "impostazioni" / "dirlav", "\xEF\xBB\xBF" "c:\\lavori\r\n");
  ASSERT_FALSE(ResolveJobFolders(s.Argument(), job));
  EXPECT_EQ(job.JobsDir, "\u00EF\u00BB\u00BFc:\\lavori\\");
}

// The root length is checked after the jobs folder: a readable dirlav under
// a two-letter relative root must still be refused.
TEST(ResolveJobFolders, AShortRootIsADirlavFault) {
  TempDir dir;
  WriteJobFile(dir.path() / "ab" / "impostazioni" / "dirlav", {"c:\\lavori"});
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  JobContext job;
  const auto fault = ResolveJobFolders("|diroot=ab|MEMBRA=1|", job);
  std::filesystem::current_path(previous);
  ASSERT_TRUE(fault);
  EXPECT_EQ(job.JobsDir, "c:\\lavori\\");
  EXPECT_EQ(fault->text, "Errore: file ab\\impostazioni\\dirlav errato o mancante");
}

}  // namespace
