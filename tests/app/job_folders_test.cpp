#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "app/job_folders.h"
#include "common/text.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/messages.h"
#include "tests/support/temp_dir.h"

namespace {

// A root folder with the two settings files as given to PutFile.
class Settings {
 public:
  Settings(const std::string& dirlav, const std::string& lavoro) {
    PutFile(dir_.path() / "impostazioni" / "dirlav", dirlav);
    PutFile(dir_.path() / "impostazioni" / "lavoro", lavoro);
  }
  std::string Root() const { return ToLower(dir_.SuitePath()); }
  std::string Argument(const std::string& rootEnd) const {
    return "|diroot=" + dir_.SuitePath() + rootEnd + "|MEMBRA=3|";
  }

 private:
  TempDir dir_;
};

// A root ending with a backslash still finds the settings (the root and the
// program folder are in start-up's font messages).
TEST(ResolveJobFolders, BuildsEveryFolderFromTheSettings) {
  for (const char* rootEnd : {"", "\\"}) {
    Settings s(rootEnd[0] ? "c:\\lavori\\\r\n" : "C:\\Lavori\r\n", "  ab12cd  \r\n");
    JobContext job;
    ASSERT_FALSE(ResolveJobFolders(s.Argument(rootEnd), job));
    EXPECT_EQ(job.JobsDir, "c:\\lavori\\");
    EXPECT_EQ(job.JobName, "ab12cd");
    EXPECT_EQ(job.JobDir, "c:\\lavori\\ab12cd");
    EXPECT_EQ(job.DriverDir, s.Root() + "\\driver");
    EXPECT_EQ(job.CustomDir, s.Root() + "\\custom");
  }
}

// Settings that are wrong, no text of this suite, or no file at all; the
// message names the file at fault, under the root as written (a closing
// backslash doubles).
TEST(ResolveJobFolders, RefusesBadSettingsWithTheirMessage) {
  const std::string lavori = "c:\\lavori\r\n", ab12cd = "ab12cd\r\n";
  // dirlav, lavoro, the settings file named ("": the message of the jobs folder)
  const std::array<std::string, 3> cases[] = {
      {kAbsentFile, ab12cd, "dirlav"},
      {kFolderInPlace, ab12cd, "dirlav"},
      {"\r\n", ab12cd, "dirlav"},
      {"c:\\lavor\r\n", ab12cd, "dirlav"},
      {GarbageBytes(), ab12cd, "dirlav"},
      {"c:\\jobs\\x\r\n", ab12cd, ""},
      {Utf16Bytes(lavori), ab12cd, ""},
      {lavori, kAbsentFile, "lavoro"},
      {lavori, kFolderInPlace, "lavoro"},
      {lavori, "", "lavoro"},
      {lavori, "ab12c\r\n", "lavoro"},
      {lavori, "ab12cde\r\n", "lavoro"},
      {lavori, GarbageBytes(), "lavoro"},
      {lavori, Utf16Bytes(ab12cd), "lavoro"},
      {lavori, "\xEF\xBB\xBF" + ab12cd, "lavoro"},
      {lavori, std::string(100000, 'a') + "\r\n", "lavoro"},
  };
  for (const std::string rootEnd : {"", "\\"}) {
    for (const auto& [dirlav, lavoro, file] : cases) {
      Settings s(dirlav, lavoro);
      JobContext job;
      const std::string text =
          file.empty() ? "Errore: il direttorio dei lavori deve terminare con < \\lavori >"
                       : "Errore: file " + s.Root() + rootEnd + "\\impostazioni\\" + file +
                             " errato o mancante";
      EXPECT_EQ(ResolveJobFolders(s.Argument(rootEnd), job),
                (Message{text, kCaptionError, kStyleExclamation}))
          << dirlav.substr(0, 20) << " " << lavoro.substr(0, 20);
    }
  }
}

// A jobs folder of any length is taken as written; a UTF-8 mark before it
// stays part of the name, so the job files are then not found.
TEST(ResolveJobFolders, TakesALongJobsFolderAndKeepsAForeignMark) {
  const std::string longFolder = "c:\\" + std::string(100000, 'x') + "\\lavori";
  for (const auto& [dirlav, jobs] :
       {std::pair{longFolder, longFolder + "\\"},
        {"\xEF\xBB\xBF" "c:\\lavori", std::string("\u00EF\u00BB\u00BFc:\\lavori\\")}}) {
    Settings s(dirlav + "\r\n", "ab12cd\r\n");
    JobContext job;
    ASSERT_FALSE(ResolveJobFolders(s.Argument(""), job));
    EXPECT_EQ(job.JobsDir, jobs);
  }
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
  EXPECT_EQ(job.JobsDir, "c:\\lavori\\");
  EXPECT_EQ(fault, (Message{"Errore: file ab\\impostazioni\\dirlav errato o mancante",
                            kCaptionError, kStyleExclamation}));
}

}  // namespace
