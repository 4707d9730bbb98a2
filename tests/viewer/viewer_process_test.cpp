// Ostrel as a process: the preview's whole round trip through the portable
// task layer (start, Alt+F G reload, restart after the viewer was closed).
#include <gtest/gtest.h>

#ifndef _WIN32

#include <signal.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/viewer_launch.h"
#include "tests/platform/task_probe.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"

namespace fs = std::filesystem;

namespace {

// Whether the process is still running (a zombie nobody reaps has ended).
bool Running(int32_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return false;
  const std::size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

// What the viewer shows: "OK caricamenti=1 linee=2 archi=1".
std::string Status(int32_t pid) { return AskTask(pid, kTaskRequestStatus); }

TEST(OstrelPreview, StartsReloadsOnAltFGAndStartsAgainAfterClosing) {
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
  std::vector<int32_t> viewers;
  // Ends, whatever happens in the test, the viewers it started.
  const std::shared_ptr<void> end(nullptr, [&](void*) {
    for (int32_t pid : viewers) {
      if (pid > 0 && Running(pid)) ::kill(pid, SIGKILL);
    }
  });

  ShowDrawing(launch, drawing, kPreviewWindowValues);
  const int32_t first = state.ViewerTaskId;
  viewers.push_back(first);
  ASSERT_GT(first, 0);
  ASSERT_TRUE(WaitFor([&] { return Status(first) == "OK caricamenti=1 linee=2 archi=1"; }))
      << Status(first);

  // The editor writes the next preview over the same file.
  ViewerDrawing changed = SmallDrawing();
  changed.lines.push_back({0, 2, 5, 0});
  WriteBytes(drawingFile, DisText(changed));
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  EXPECT_EQ(state.ViewerTaskId, first);
  EXPECT_TRUE(WaitFor([&] { return Status(first) == "OK caricamenti=2 linee=3 archi=1"; }))
      << Status(first);

  // The user closes the viewer (File, Esci); the next preview starts one
  // again.
  ASSERT_TRUE(tasks->ActivateTask(first));
  ASSERT_TRUE(tasks->SendKeys("%(fc)"));
  ASSERT_TRUE(WaitFor([&] { return !Running(first); }));
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  const int32_t second = state.ViewerTaskId;
  viewers.push_back(second);
  EXPECT_NE(second, first);
  EXPECT_TRUE(WaitFor([&] { return Status(second) == "OK caricamenti=1 linee=3 archi=1"; }))
      << Status(second);
}

}  // namespace

#endif
