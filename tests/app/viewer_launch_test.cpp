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

using Events = std::vector<std::string>;

// Stands in for the system: records what the launch asks, plays a viewer
// that can be running or closed (running 0), and fails starts as told.
class FakeTasks : public TaskControl {
 public:
  int32_t StartProgram(const fs::path& program, int16_t windowStyle) override {
    events.push_back("start " + program.string() + " " + std::to_string(windowStyle));
    running = startResults.empty() ? 4711 : startResults.front();
    if (!startResults.empty()) startResults.pop_front();
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

  Events events;
  std::deque<int32_t> startResults;  // 0 = the start fails; then 4711
  int32_t running = 0;
  int32_t active = 0;
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
  std::string Start() const {
    return "start " + HostProgramPath(ProgramDir() + "\\Ostrel.exe").string() + " ";
  }
  void Show(const std::string& name) { ShowDrawing(launch, Drawing(name), kPreviewWindowValues); }

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
// running one reload.
TEST_F(ViewerLaunchTest, PreviewStartsReloadsAndRestartsTheViewer) {
  EXPECT_EQ(ViewerInputText("c:\\a b\\x.dis", {1.5, -0.25, 8000, 1e20}),
            "inutilizzato\r\nc:\\a b\\x.dis\r\n1.5\r\n-.25\r\n8000\r\n1E+20\r\n");
  Show("città.dis");
  EXPECT_EQ(ReadBytes(InputFile()),  // the drawing's name in the system's code page
            "inutilizzato\r\n" + Drawing("citt\xE0.dis") + "\r\n0\r\n0\r\n8000\r\n5000\r\n");
  EXPECT_EQ(tasks.events,
            (Events{"activate 0", "activate 0", Start() + std::to_string(kWindowNormalFocus)}));
  EXPECT_EQ(hourglass, (std::vector<bool>{true, false}));

  fs::remove(InputFile());
  tasks.events.clear();
  Show("città.dis");
  EXPECT_EQ(tasks.events, (Events{"activate 4711", "keys %(fg) to 4711"}));
  EXPECT_FALSE(fs::exists(InputFile()));
  EXPECT_EQ(hourglass, (std::vector<bool>{true, false, true, false}));
}

// A folder where the input file should be: the viewer is not started and
// the old task is kept, so a later preview can still find it.
TEST_F(ViewerLaunchTest, UnwritableInputFileIsReportedAndNothingStarts) {
  state.ViewerTaskId = 99;
  fs::create_directories(InputFile());
  prompter.ExpectMessage("Problemi con la visualizzazione del file " + Drawing("Memb002.dis"),
                         kCaptionError, kStyleCritical);
  Show("Memb002.dis");
  EXPECT_EQ(tasks.events, (Events{"activate 99", "activate 99"}));
  EXPECT_EQ(state.ViewerTaskId, 99);
  EXPECT_EQ(hourglass, (std::vector<bool>{true, false}));
}

// A failed start asks to retry: Retry starts again, Cancel forgets the
// viewer. Once the user has closed the viewer, the next preview tries to
// bring it to the front twice (in ShowDrawing, then in StartViewer), then
// starts one; no keys go anywhere.
TEST_F(ViewerLaunchTest, FailedStartAsksToRetryOrForgetsTheViewer) {
  const std::string message =
      "Problemi con l'apertura dell'applicazione: " + ProgramDir() + "\\Ostrel.exe";
  tasks.startResults = {0, 0, 321, 0};
  for (int16_t answer : {kAnswerRetry, kAnswerRetry, kAnswerCancel}) {
    prompter.ExpectMessage(message, kCaptionMessage, kStyleRetryCancelCritical, answer);
  }
  Show("x.dis");
  EXPECT_EQ(tasks.events.size(), 2u + 3u);  // two activations, three starts
  tasks.running = 0;
  tasks.events.clear();
  Show("y.dis");
  EXPECT_EQ(tasks.events, (Events{"activate 321", "activate 321", Start() + "1"}));
  EXPECT_EQ(state.ViewerTaskId, 0);
}

}  // namespace
