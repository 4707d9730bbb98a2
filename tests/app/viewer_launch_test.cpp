#include "app/viewer_launch.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "common/message.h"
#include "platform/task_control.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// Stands in for the system: records what the launch asks, plays a viewer
// that can be running or closed, and fails starts as told.
class FakeTasks : public TaskControl {
 public:
  struct Start {
    fs::path program;
    int16_t style;
  };

  int32_t StartProgram(const fs::path& program, int16_t windowStyle) override {
    starts.push_back({program, windowStyle});
    events.push_back("start");
    running = nextId++;
    if (!startResults.empty()) {
      running = startResults.front();
      startResults.pop_front();
    }
    return running;
  }

  bool ActivateTask(int32_t taskId) override {
    events.push_back("activate " + std::to_string(taskId));
    if (taskId == 0 || taskId != running) return false;
    active = taskId;
    return true;
  }

  bool SendKeys(const std::string& keys) override {
    events.push_back("keys " + keys + " to " + std::to_string(active));
    return true;
  }

  // The user closes the viewer window.
  void CloseViewer() { running = 0; }

  std::vector<Start> starts;
  std::vector<std::string> events;
  std::deque<int32_t> startResults;  // 0 = the start fails
  int32_t running = 0;
  int32_t active = 0;
  int32_t nextId = 4711;
};

class ViewerLaunchTest : public ::testing::Test {
 protected:
  ViewerLaunchTest() {
    fs::create_directories(dir.path() / "progra");
    launch.SetHourglass = [this](bool busy) { hourglass.push_back(busy); };
  }

  std::string ProgramDir() const { return dir.SuitePath() + "\\progra"; }
  fs::path InputFile() const { return dir.path() / "progra" / "Ostrel.inp"; }
  std::string Drawing(const std::string& name) const {
    return dir.SuitePath() + "\\lavori\\pont01\\" + name;
  }

  TempDir dir;
  FakeTasks tasks;
  ScriptedPrompter prompter;
  ViewerState state;
  std::vector<bool> hourglass;
  ViewerLaunch launch{state, tasks, prompter, ProgramDir(), {}};
};

// The input file is the viewer's only way to learn the drawing; its lines
// (each value in its shortest form, the system's code page) and their CR LF
// ends are what the viewer reads. A second preview must not start a second
// viewer, nor rewrite the input file under the running one: it makes the
// running one reload. Once the user has closed it, the next preview starts
// one again with a fresh input file.
TEST_F(ViewerLaunchTest, PreviewStartsReloadsAndRestartsTheViewer) {
  EXPECT_EQ(ViewerInputText("c:\\a b\\x.dis", {1.5, -0.25, 8000, 1e20}),
            "inutilizzato\r\nc:\\a b\\x.dis\r\n1.5\r\n-.25\r\n8000\r\n1E+20\r\n");
  const std::string drawing = Drawing("città.dis");
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  const std::string inSystemCodePage = dir.SuitePath() + "\\lavori\\pont01\\citt\xE0.dis";
  EXPECT_EQ(ReadBytes(InputFile()),
            "inutilizzato\r\n" + inSystemCodePage + "\r\n0\r\n0\r\n8000\r\n5000\r\n");
  ASSERT_EQ(tasks.starts.size(), 1u);
  EXPECT_EQ(tasks.starts[0].style, kWindowNormalFocus);
  EXPECT_EQ(tasks.starts[0].program, HostProgramPath(ProgramDir() + "\\Ostrel.exe"));
  EXPECT_EQ(state.ViewerTaskId, 4711);
  EXPECT_EQ(hourglass, (std::vector<bool>{true, false}));

  fs::remove(InputFile());
  tasks.events.clear();
  ShowDrawing(launch, drawing, kPreviewWindowValues);
  EXPECT_EQ(tasks.events, (std::vector<std::string>{"activate 4711", "keys %(fg) to 4711"}));
  EXPECT_FALSE(fs::exists(InputFile()));
  EXPECT_EQ(state.ViewerTaskId, 4711);
  EXPECT_EQ(hourglass, (std::vector<bool>{true, false, true, false}));

  tasks.CloseViewer();
  tasks.events.clear();
  ShowDrawing(launch, Drawing("second.dis"), kPreviewWindowValues);
  // One failed activation in ShowDrawing, another in StartViewer, then the
  // start; no keys go anywhere.
  EXPECT_EQ(tasks.events, (std::vector<std::string>{"activate 4711", "activate 4711", "start"}));
  EXPECT_EQ(state.ViewerTaskId, 4712);
  EXPECT_NE(ReadBytes(InputFile()).find("second.dis"), std::string::npos);
}

// A folder where the input file should be: the viewer is not started and
// the old task is kept, so a later preview can still find it.
TEST_F(ViewerLaunchTest, UnwritableInputFileIsReportedAndNothingStarts) {
  state.ViewerTaskId = 99;
  fs::create_directories(InputFile());
  const std::string drawing = Drawing("Memb002TmpTrac.dis");
  prompter.ExpectMessage("Problemi con la visualizzazione del file " + drawing, kCaptionError,
                         kStyleCritical);

  ShowDrawing(launch, drawing, kPreviewWindowValues);

  EXPECT_TRUE(tasks.starts.empty());
  EXPECT_EQ(state.ViewerTaskId, 99);
  EXPECT_EQ(hourglass, (std::vector<bool>{true, false}));
}

// A failed start asks to retry: Retry starts again, Cancel forgets the
// viewer (one the user has closed since).
TEST_F(ViewerLaunchTest, FailedStartAsksToRetryOrForgetsTheViewer) {
  const std::string message =
      "Problemi con l'apertura dell'applicazione: " + ProgramDir() + "\\Ostrel.exe";
  tasks.startResults = {0, 0, 321, 0};
  for (int16_t answer : {kAnswerRetry, kAnswerRetry, kAnswerCancel}) {
    prompter.ExpectMessage(message, kCaptionMessage, kStyleRetryCancelCritical, answer);
  }
  ShowDrawing(launch, Drawing("x.dis"), kPreviewWindowValues);
  EXPECT_EQ(tasks.starts.size(), 3u);
  EXPECT_EQ(state.ViewerTaskId, 321);

  tasks.CloseViewer();
  ShowDrawing(launch, Drawing("x.dis"), kPreviewWindowValues);
  EXPECT_EQ(tasks.starts.size(), 4u);
  EXPECT_EQ(state.ViewerTaskId, 0);
}

}  // namespace
