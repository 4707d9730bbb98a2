#include "app/viewer_launch.h"

#include "app/hourglass.h"
#include "common/atomic_file.h"
#include "common/cp1252.h"
#include "common/message.h"
#include "common/number_text.h"
#include "platform/prompter.h"
#include "platform/suite_path.h"
#include "platform/task_control.h"

namespace {

// The keys that make a running viewer reload its drawing: Alt+F, G.
constexpr const char* kReloadKeys = "%(fg)";

}  // namespace

std::string ViewerProgramPath(const std::string& programDir) { return programDir + "\\Ostrel.exe"; }

std::string ViewerInputPath(const std::string& programDir) { return programDir + "\\Ostrel.inp"; }

std::string ViewerInputText(const std::string& drawingPath, const ViewerWindowValues& values) {
  std::string text = "inutilizzato\r\n" + drawingPath + "\r\n";
  for (double value : values) text += NumberText(value) + "\r\n";
  return text;
}

int32_t RunProgram(TaskControl& tasks, Prompter& prompter, const std::string& programPath,
                   int16_t windowStyle) {
  for (;;) {
    const int32_t task = tasks.StartProgram(HostProgramPath(programPath), windowStyle);
    if (task != 0) return task;
    const int16_t answer =
        prompter.ShowMessageBox("Problemi con l'apertura dell'applicazione: " + programPath,
                                kStyleRetryCancelCritical, kCaptionMessage);
    if (answer != kAnswerRetry) return 0;
  }
}

void StartViewer(ViewerLaunch& launch, const std::string& drawingPath,
                 const ViewerWindowValues& values) {
  if (launch.Tasks.ActivateTask(launch.Viewer.ViewerTaskId)) return;
  const std::string bytes = Utf8ToCp1252(ViewerInputText(drawingPath, values));
  if (!WriteFileAtomically(HostPath(ViewerInputPath(launch.ProgramDir)), bytes)) {
    launch.prompter.ShowMessageBox("Problemi con la visualizzazione del file " + drawingPath,
                                   kStyleCritical, kCaptionError);
    return;
  }
  launch.Viewer.ViewerTaskId = RunProgram(launch.Tasks, launch.prompter,
                                          ViewerProgramPath(launch.ProgramDir), kWindowNormalFocus);
}

void ShowDrawing(ViewerLaunch& launch, const std::string& drawingPath,
                 const ViewerWindowValues& values) {
  const Hourglass hourglass(launch.SetHourglass);
  if (launch.Tasks.ActivateTask(launch.Viewer.ViewerTaskId)) {
    launch.Tasks.SendKeys(kReloadKeys);
    return;
  }
  StartViewer(launch, drawingPath, values);
}
