#include "app/drawing_commands.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "app/startup.h"
#include "batch/stream_prompter.h"
#include "tests/drawing/drawing_test_support.h"
#include "tests/support/fixture_job.h"
#include "tests/support/scripted_prompter.h"

namespace fs = std::filesystem;

namespace {

// The two buttons on the fixture job (member 3, "TRAVE 1", a straight beam
// along X through the node positions 1 to 5), the user played by a script.
class DrawingCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTestFont(job_.Root() / "progra", 0);
    std::ostringstream ignored;
    StreamPrompter quiet(ignored);
    ASSERT_FALSE(RunStartup(*world_, job_.Argument(), quiet));
    ASSERT_EQ(world_->Job.MemberDescription, "TRAVE 1");
  }

  // Layout l runs from node position 1 to l + 1, at height 5 l.
  void MakeLayouts(int count) {
    LayoutGroup& group = world_->Group;
    for (int l = 1; l <= count; ++l) {
      Layout& layout = group.Layouts[l];
      layout.Name = static_cast<int16_t>(10 * l);
      layout.CableType = 1;
      layout.NodeCount = 2;
      layout.NodeIndex[1] = 1;
      layout.NodeIndex[2] = static_cast<int16_t>(l + 1);
      layout.Y[1] = layout.Y[2] = 5.0 * l;
    }
    group.LayoutCount = static_cast<int16_t>(count);
  }

  std::string InJob(const std::string& name) const { return world_->Job.JobDir + "\\" + name; }

  FixtureJob job_;
  std::unique_ptr<World> world_ = std::make_unique<World>();
  ScriptedPrompter prompter_;
};

// One drawing per layout, named after the open group's number, and the
// summary listing each full path after a line feed and a carriage return.
TEST_F(DrawingCommands, DrawAllNamesTheDrawingsAfterTheGroup) {
  MakeLayouts(3);
  world_->GroupFileName = "\\Memb003Gr_002.cap";
  const std::vector<std::string> names = {
      "MembTRAVE 1G002Trac001.dis", "MembTRAVE 1G002Trac002.dis", "MembTRAVE 1G002Trac003.dis"};
  prompter_.ExpectMessage("Tracciati disegnati: (3)\n\r" + InJob(names[0]) + "\n\r" +
                              InJob(names[1]) + "\n\r" + InJob(names[2]),
                          "INFORMAZIONE", 64);
  DrawAllLayo(*world_, prompter_, ".");
  std::vector<std::string> contents;
  for (const std::string& name : names) {
    ASSERT_TRUE(fs::exists(job_.JobFolder() / name)) << name;
    contents.push_back(ReadBytes(job_.JobFolder() / name));
    EXPECT_EQ(contents.back().rfind("                   3\r\n", 0), 0u);
  }
  EXPECT_NE(contents[0], contents[1]);  // each its own cable and title
}

// Without a group file the names are temporary ones. A drawing that cannot
// be written is still listed, and nothing is said about it. The preview is
// the active layout's drawing, under the one preview name: the same drawing
// "Disegna tracciati" makes of that layout.
TEST_F(DrawingCommands, WithoutAGroupFileTheDrawingsAreTemporaryAndPreviewIsOne) {
  MakeLayouts(3);
  world_->Group.ActiveLayout = 2;
  const auto preview = WritePreviewDrawing(*world_, prompter_, ",");
  ASSERT_TRUE(preview.has_value());
  EXPECT_EQ(preview->Path, InJob("MembTRAVE 1TmpTrac.dis"));
  EXPECT_TRUE(preview->Written);

  fs::create_directory(job_.JobFolder() / "MembTRAVE 1TmpTrac001.dis");
  const auto drawn = DrawAllLayouts(*world_, prompter_, ",");
  ASSERT_TRUE(drawn.has_value());
  EXPECT_EQ(drawn->Files, (std::vector<std::string>{InJob("MembTRAVE 1TmpTrac001.dis"),
                                                    InJob("MembTRAVE 1TmpTrac002.dis"),
                                                    InJob("MembTRAVE 1TmpTrac003.dis")}));
  EXPECT_EQ(drawn->Unwritten, std::vector<std::string>{InJob("MembTRAVE 1TmpTrac001.dis")});
  EXPECT_EQ(drawn->Summary.caption, "INFORMAZIONE");
  EXPECT_TRUE(fs::is_directory(job_.JobFolder() / "MembTRAVE 1TmpTrac001.dis"));
  EXPECT_EQ(ReadBytes(job_.JobFolder() / "MembTRAVE 1TmpTrac.dis"),
            ReadBytes(job_.JobFolder() / "MembTRAVE 1TmpTrac002.dis"));

  world_->Group.ActiveLayout = 0;
  EXPECT_FALSE(WritePreviewDrawing(*world_, prompter_, ".").has_value());
}

TEST_F(DrawingCommands, AnEmptyGroupGetsMessageTenAndNoFile) {
  prompter_.ExpectMessage("Nessun tracciato definito ", "INFORMAZIONE", 64);
  EXPECT_FALSE(DrawAllLayouts(*world_, prompter_, ".").has_value());
  for (const auto& entry : fs::directory_iterator(job_.JobFolder())) {
    EXPECT_NE(entry.path().extension(), ".dis") << entry.path();
  }
}

}  // namespace
