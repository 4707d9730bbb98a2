// "Disegna tracciati" and "Anteprima": the drawings are written by the plain
// code; the window only shows the hourglass and hands the preview to the
// viewer.
#include <QApplication>
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

void SetHourglass(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace

void FormPri::ConnectDrawingButtons() {
  tasks_ = MakeHostTaskControl();
  connect(DrawAllLayo, &QPushButton::clicked, this, &FormPri::DrawAllLayo_Click);
  connect(DrawLayo, &QPushButton::clicked, this, &FormPri::DrawLayo_Click);
}

void FormPri::DrawAllLayo_Click() {
  SetHourglass(true);
  ::DrawAllLayo(world_, prompter_, DecimalSeparator());
  SetHourglass(false);
}

void FormPri::DrawLayo_Click() {
  const auto preview = WritePreviewDrawing(world_, prompter_, DecimalSeparator());
  if (!preview) return;
  if (!preview->Written) {
    // An old preview would be another layout's drawing: the viewer stays as it is.
    ShowUnwrittenDrawings(prompter_, {preview->Path});
    return;
  }
  ViewerLaunch launch{world_.Viewer, *tasks_, prompter_, world_.Job.ProgramDir, SetHourglass};
  ShowDrawing(launch, preview->Path, kPreviewWindowValues);
}

// Here, where the task layer is a complete type.
FormPri::~FormPri() = default;
