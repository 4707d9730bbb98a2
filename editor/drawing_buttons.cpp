// "Disegna tracciati" and "Anteprima": the drawings are written by the plain
// code; the window only shows the hourglass and hands the preview to the
// viewer.
#include <QPushButton>

#include "app/drawing_commands.h"
#include "app/world.h"
#include "app/viewer_launch.h"
#include "editor/form_pri.h"
#include "editor/group_history.h"
#include "editor/group_recorder.h"
#include "platform/decimal_separator.h"
#include "platform/task_control.h"

namespace {

// The hourglass is the window's pointer, not the application's, so that a
// message box shown meanwhile keeps its own arrow.
std::function<void(bool)> WindowHourglass(QWidget* window) {
  return [window](bool busy) {
    if (busy) {
      window->setCursor(Qt::WaitCursor);
    } else {
      window->unsetCursor();
    }
  };
}

}  // namespace

void FormPri::ConnectDrawingButtons() {
  tasks_ = MakeHostTaskControl();
  connect(DrawAllLayo, &QPushButton::clicked, this, &FormPri::DrawAllLayo_Click);
  connect(DrawLayo, &QPushButton::clicked, this, &FormPri::DrawLayo_Click);
}

void FormPri::DrawAllLayo_Click() {
  ::DrawAllLayo(world_, prompter_, DecimalSeparator(), WindowHourglass(this));
}

void FormPri::DrawLayo_Click() {
  const auto preview = WritePreviewDrawing(world_, prompter_, DecimalSeparator());
  if (!preview) return;
  if (!preview->Written) {
    // An old preview would be another layout's drawing: the viewer stays as it is.
    ShowUnwrittenDrawings(prompter_, {preview->Path});
    return;
  }
  ViewerLaunch launch{world_.Viewer, *tasks_, prompter_, world_.Job.ProgramDir,
                      WindowHourglass(this)};
  ShowDrawing(launch, preview->Path, kPreviewWindowValues);
}

// Here, where the task layer is a complete type.
FormPri::~FormPri() = default;
