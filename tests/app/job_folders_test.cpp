#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "app/job_folders.h"
#include "common/text.h"
#include "tests/app/app_cases.h"
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
// program folder are in start-up's font messages). A jobs folder of any
// length is taken as written; a UTF-8 mark before it stays part of the name,
// so the job files are then not found.
TEST(ResolveJobFolders, BuildsEveryFolderFromTheSettings) {
  const std::string longFolder = "c:\\" + std::string(100000, 'x') + "\\lavori";
  // the root's end, dirlav, the jobs folder taken
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"", "C:\\Lavori", "c:\\lavori\\"},
      {"\\", "c:\\lavori\\", "c:\\lavori\\"},
      {"", longFolder, longFolder + "\\"},
      {"", "\xEF\xBB\xBF" "c:\\lavori", "\u00EF\u00BB\u00BFc:\\lavori\\"},
  };
  for (const auto& [rootEnd, dirlav, jobs] : cases) {
    Settings s(dirlav + "\r\n", "  ab12cd  \r\n");
    JobContext job;
    ASSERT_FALSE(ResolveJobFolders(s.Argument(rootEnd), job));
    EXPECT_EQ(job.JobsDir, jobs);
    EXPECT_EQ(job.JobName, "ab12cd");
    EXPECT_EQ(job.JobDir, jobs + "ab12cd");
    EXPECT_EQ(job.DriverDir, s.Root() + "\\driver");
    EXPECT_EQ(job.CustomDir, s.Root() + "\\custom");
  }
}

// Settings that are wrong, no text of this suite, or no file at all; the
// message names the file at fault, under the root as written (a closing
// backslash doubles).
TEST(ResolveJobFolders, RefusesBadSettingsWithTheirMessage) {
  auto cases = CaseRows("refused_settings.txt");
  cases.push_back({"c:\\lavori\r\n", std::string(100000, 'a') + "\r\n", "lavoro"});
  for (const std::string rootEnd : {"", "\\"}) {
    for (const auto& row : cases) {
      const std::string& file = row.at(2);
      Settings s(TableBytes(row.at(0)), TableBytes(row.at(1)));
      JobContext job;
      const std::string text =
          file.empty() ? "Errore: il direttorio dei lavori deve terminare con < \\lavori >"
                       : "Errore: file " + s.Root() + rootEnd + "\\impostazioni\\" + file +
                             " errato o mancante";
      EXPECT_EQ(ResolveJobFolders(s.Argument(rootEnd), job),
                (Message{text, kCaptionError, kStyleExclamation}))
          << row.at(0) << " " << row.at(1).substr(0, 20);
    }
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
