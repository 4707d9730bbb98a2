#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "app/group_commands.h"
#include "app/startup.h"
#include "batch/stream_prompter.h"
#include "layouts/layout_operations.h"
#include "platform/suite_path.h"
#include "tests/support/fixture_job.h"
#include "tests/support/scripted_prompter.h"

namespace fs = std::filesystem;

namespace {

// "Apri" and "Salva" on the fixture job, the user played by a script.
class GroupCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ostringstream ignored;
    StreamPrompter quiet(ignored);
    ASSERT_FALSE(RunStartup(*world_, job_.Argument(), quiet));
  }

  // The path as the file dialog answers it.
  std::string Chosen(const std::string& name) const {
    return SuitePathFromHost((job_.JobFolder() / name).string());
  }

  void MakeLayouts(int count) {
    for (int l = 1; l <= count; ++l) ASSERT_FALSE(SetNewTrac(world_->Group, world_->Structure, l));
  }

  FixtureJob job_;
  std::unique_ptr<World> world_ = std::make_unique<World>();
  ScriptedPrompter prompter_;
};

// Both dialogs start in the job folder with the member's pattern. A saved
// group opens again and names its file; the next save proposes that file;
// cancelling "Apri" forgets it (the window's tests follow the caption and
// the group kept).
TEST_F(GroupCommands, SavedGroupOpensAgainAndNamesItsFile) {
  MakeLayouts(2);
  prompter_.ExpectSaveFile(Chosen("Memb003Gr_001.cap"));
  ASSERT_TRUE(SaveLayoutGroup(*world_, prompter_));
  EXPECT_EQ(prompter_.saveRequests().at(0).title, "Salva Tracciati");

  prompter_.ExpectOpenFile(Chosen("Memb003Gr_001.cap"));
  world_->Group.LayoutCount = 0;
  ASSERT_TRUE(OpenLayoutGroup(*world_, prompter_));
  const FileDialogRequest& open = prompter_.openRequests().at(0);
  EXPECT_EQ(open.initialDir, job_.JobSuitePath());
  EXPECT_EQ(open.fileName, "Memb003Gr_???.cap");
  EXPECT_EQ(open.filter, "File Tracciati |Memb???Gr_???.cap|Tutti i file |*.*");
  EXPECT_EQ(open.title, "Apri Tracciati");
  EXPECT_EQ(world_->GroupFileName, "\\Memb003Gr_001.cap");
  EXPECT_EQ(world_->Group.LayoutCount, 2);

  prompter_.ExpectSaveFile(std::nullopt);
  EXPECT_FALSE(SaveLayoutGroup(*world_, prompter_));
  EXPECT_EQ(prompter_.saveRequests().back().fileName, "Memb003Gr_001.cap");
  prompter_.ExpectOpenFile(std::nullopt);
  EXPECT_FALSE(OpenLayoutGroup(*world_, prompter_));
  EXPECT_EQ(world_->GroupFileName, "");
}

// An empty group is not saved: no dialog, only the message. Writing goes
// beside the target and then replaces it: a folder standing where the file
// should be makes the write fail without touching it.
TEST_F(GroupCommands, AFailedSaveReportsThePathAndKeepsWhatIsThere) {
  prompter_.ExpectMessage("Nessun tracciato definito ", "INFORMAZIONE", 64);
  EXPECT_FALSE(SaveLayoutGroup(*world_, prompter_));
  EXPECT_TRUE(prompter_.saveRequests().empty());
  MakeLayouts(1);
  fs::create_directory(job_.JobFolder() / "Memb003Gr_002.cap");
  const std::string path = Chosen("Memb003Gr_002.cap");
  prompter_.ExpectSaveFile(path);
  prompter_.ExpectMessage("Problemi con la scrittura del file " + path, "PROBLEMA", 48);
  EXPECT_FALSE(SaveLayoutGroup(*world_, prompter_));
  EXPECT_EQ(world_->LastOperationOk, 0);
  EXPECT_TRUE(fs::is_directory(job_.JobFolder() / "Memb003Gr_002.cap"));
}

// A file that cannot be opened is reported and the group being edited stays
// as it was: nothing of the file was read (each way a file fails to open is
// the group file's tests). A path
// shorter than the job folder is refused too, and empties the group.
TEST_F(GroupCommands, AnUnreadableFileIsReportedAndTheGroupStays) {
  MakeLayouts(2);
  const std::pair<std::string, int> cases[] = {{Chosen("Memb003Gr_009.cap"), 2}, {"c:\\g.cap", 0}};
  for (const auto& [path, layouts] : cases) {
    prompter_.ExpectOpenFile(path);
    prompter_.ExpectMessage("Problemi con la lettura del file " + path, "INFORMAZIONE", 64);
    EXPECT_FALSE(OpenLayoutGroup(*world_, prompter_));
    EXPECT_EQ(world_->LastOperationOk, 0);
    EXPECT_EQ(world_->GroupFileName, "");
    EXPECT_EQ(world_->Group.LayoutCount, layouts);
  }
}

}  // namespace
