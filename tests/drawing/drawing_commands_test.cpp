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
// An empty group gets message 10 and no drawing. Without a group file the
// names are temporary ones; a drawing that cannot be written is still
// listed, and nothing is said about it. The preview is the active layout's
// drawing under the one preview name: the same drawing "Disegna tracciati"
// makes of that layout. With a group file open the drawings are named after
// its number, and the summary lists each full path after a line feed and a
// carriage return.
TEST(DrawingCommands, DrawTheGroupAndThePreview) {
  const FixtureJob job;
  WriteTestFont(job.Root() / "progra", 0);
  auto world = std::make_unique<World>();
  std::ostringstream ignored;
  StreamPrompter quiet(ignored);
  ASSERT_FALSE(RunStartup(*world, job.Argument(), quiet));
  ASSERT_EQ(world->Job.MemberDescription, "TRAVE 1");
  const auto inJob = [&](const std::string& name) { return world->Job.JobDir + "\\" + name; };
  const auto bytesOf = [&](const std::string& name) { return ReadBytes(job.JobFolder() / name); };
  ScriptedPrompter prompter;
  prompter.ExpectMessage("Nessun tracciato definito ", "INFORMAZIONE", 64);
  EXPECT_FALSE(DrawAllLayouts(*world, prompter, ".").has_value());
  for (const auto& entry : fs::directory_iterator(job.JobFolder())) {
    EXPECT_NE(entry.path().extension(), ".dis") << entry.path();
  }

  // Layout l runs from node position 1 to l + 1, at height 5 l.
  LayoutGroup& group = world->Group;
  for (int l = 1; l <= 3; ++l) {
    Layout& layout = group.Layouts[l];
    layout.Name = static_cast<int16_t>(10 * l);
    layout.CableType = layout.NodeIndex[1] = 1;
    layout.NodeCount = 2;
    layout.NodeIndex[2] = static_cast<int16_t>(l + 1);
    layout.Y[1] = layout.Y[2] = 5.0 * l;
  }
  group.LayoutCount = 3;
  group.ActiveLayout = 2;
  const auto preview = WritePreviewDrawing(*world, prompter, ",");
  ASSERT_TRUE(preview.has_value());
  EXPECT_EQ(preview->Path, inJob("MembTRAVE 1TmpTrac.dis"));
  EXPECT_TRUE(preview->Written);

  fs::create_directory(job.JobFolder() / "MembTRAVE 1TmpTrac001.dis");
  const auto drawn = DrawAllLayouts(*world, prompter, ",");
  ASSERT_TRUE(drawn.has_value());
  EXPECT_EQ(drawn->Files, (std::vector<std::string>{inJob("MembTRAVE 1TmpTrac001.dis"),
                                                    inJob("MembTRAVE 1TmpTrac002.dis"),
                                                    inJob("MembTRAVE 1TmpTrac003.dis")}));
  EXPECT_EQ(drawn->Unwritten, std::vector<std::string>{inJob("MembTRAVE 1TmpTrac001.dis")});
  EXPECT_EQ(drawn->Summary.caption, "INFORMAZIONE");
  EXPECT_TRUE(fs::is_directory(job.JobFolder() / "MembTRAVE 1TmpTrac001.dis"));
  EXPECT_EQ(bytesOf("MembTRAVE 1TmpTrac.dis"), bytesOf("MembTRAVE 1TmpTrac002.dis"));
  group.ActiveLayout = 0;
  EXPECT_FALSE(WritePreviewDrawing(*world, prompter, ".").has_value());

  world->GroupFileName = "\\Memb003Gr_002.cap";
  const std::vector<std::string> names = {
      "MembTRAVE 1G002Trac001.dis", "MembTRAVE 1G002Trac002.dis", "MembTRAVE 1G002Trac003.dis"};
  prompter.ExpectMessage("Tracciati disegnati: (3)\n\r" + inJob(names[0]) + "\n\r" +
                             inJob(names[1]) + "\n\r" + inJob(names[2]),
                         "INFORMAZIONE", 64);
  DrawAllLayo(*world, prompter, ".");
  for (const std::string& name : names) {
    ASSERT_TRUE(fs::exists(job.JobFolder() / name)) << name;
    EXPECT_EQ(bytesOf(name).rfind("                   3\r\n", 0), 0u);
  }
  EXPECT_NE(bytesOf(names[0]), bytesOf(names[1]));  // each its own cable and title
}

}  // namespace
