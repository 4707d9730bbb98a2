// Ostrel as a process: the preview's whole round trip through the portable
// task layer (start, then Alt+F G reload; the restart after the viewer was
// closed is the launch's test, Esci on the keys the window's).
#include <gtest/gtest.h>

#ifndef _WIN32

#include <signal.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/viewer_launch.h"
#include "tests/platform/task_probe.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"

namespace fs = std::filesystem;

namespace {

// What the viewer shows: "OK caricamenti=1 linee=2 archi=1".
std::string Status(int32_t pid) { return AskTask(pid, kTaskRequestStatus); }

TEST(OstrelPreview, StartsAndReloadsOnAltFG) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TempDir dir;
  const fs::path progra = dir.path() / "progra";
  fs::create_directories(progra);
  // A copy, as the suite's programs folder holds one: the viewer looks for
  // its input file beside its own executable.
  fs::copy_file(OSTREL_PATH, progra / "Ostrel");
  const std::string drawing = dir.SuitePath() + "\\lavori\\job\\Memb001TmpTrac.dis";
  const fs::path drawingFile = dir.path() / "lavori" / "job" / "Memb001TmpTrac.dis";
  WriteBytes(drawingFile, DisText(SmallDrawing()));

  auto tasks = MakeHostTaskControl();
  ScriptedPrompter prompter;
  ViewerState state;
  ViewerLaunch launch{state, *tasks, prompter, dir.SuitePath() + "\\progra", {}};
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  const int32_t viewer = state.ViewerTaskId;
  ASSERT_GT(viewer, 0);
  // Ends, whatever happens in the test, the viewer it started.
  const std::shared_ptr<void> end(nullptr, [&](void*) { ::kill(viewer, SIGKILL); });
  ASSERT_TRUE(WaitFor([&] { return Status(viewer) == "OK caricamenti=1 linee=2 archi=1"; }))
      << Status(viewer);

  // The editor writes the next preview over the same file.
  ViewerDrawing changed = SmallDrawing();
  changed.lines.push_back({0, 2, 5, 0});
  WriteBytes(drawingFile, DisText(changed));
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  EXPECT_EQ(state.ViewerTaskId, viewer);
  EXPECT_TRUE(WaitFor([&] { return Status(viewer) == "OK caricamenti=2 linee=3 archi=1"; }))
      << Status(viewer);
}

}  // namespace

#endif
