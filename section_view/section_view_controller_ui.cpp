#include "section_view/section_view_controller_ui.h"

#include <QLabel>
#include <QPushButton>
#include <utility>

#include "common/val.h"
#include "section_view/picking.h"
#include "section_view/picture_box_ui.h"
#include "section_view/section_drawing.h"
#include "section_view/symmetry.h"

SectionViewController::SectionViewController(LayoutGroup& group, const StructureModel& structure,
                                             const SectionTable& sections, int16_t& viewMode,
                                             SectionViewState& state, const Controls& controls,
                                             RefreshRows refreshTextN,
                                             std::function<void()> refreshNodePanel,
                                             QObject* parent)
    : QObject(parent),
      group_(group),
      structure_(structure),
      sections_(sections),
      viewMode_(viewMode),
      state_(state),
      controls_(controls),
      refreshTextN_(std::move(refreshTextN)),
      refreshNodePanel_(std::move(refreshNodePanel)) {
  if (controls_.Picture == nullptr) return;
  connect(controls_.Picture, &PictureBox::MouseDown, this,
          &SectionViewController::Picture1_MouseDown);
  connect(controls_.Picture, &PictureBox::MouseMove, this,
          &SectionViewController::Picture1_MouseMove);
  connect(controls_.Picture, &PictureBox::Resized, this, &SectionViewController::Redraw);
}

void SectionViewController::Redraw() {
  if (controls_.Picture == nullptr) return;
  RedrawActiveSection(*controls_.Picture, state_, group_, structure_, sections_);
}

void SectionViewController::ButtonAction_Click() {
  viewMode_ = NextViewMode(viewMode_);
  ShowViewMode();
}

void SectionViewController::ShowViewMode() {
  if (controls_.ButtonAction == nullptr) return;
  controls_.ButtonAction->setText(QString::fromStdString(ViewModeCaption(viewMode_)));
}

void SectionViewController::Picture1_MouseDown(int, int, float x, float y) {
  if (controls_.Picture == nullptr) return;
  const int first = controls_.FirstNodeRow != nullptr
                        ? RoundHalfEvenToInt16(Val(controls_.FirstNodeRow->text().toStdString()))
                        : 1;
  const auto rows = SectionMouseDown(viewMode_, x, y, first, group_, structure_, sections_, state_,
                                     *controls_.Picture);
  if (rows && refreshTextN_) refreshTextN_(rows->First, rows->Last);
}

void SectionViewController::Picture1_MouseMove(int, int, float x, float y) {
  if (controls_.LabelCoordZ != nullptr) {
    controls_.LabelCoordZ->setText(QString::fromStdString(CursorZText(x)));
  }
  if (controls_.LabelCoordY != nullptr) {
    controls_.LabelCoordY->setText(QString::fromStdString(CursorYText(y)));
  }
}

void SectionViewController::Mirror(int axis) {
  MirrorLayout(group_, axis);
  const NodeRows rows = RowsAfterMirror(group_);
  if (refreshTextN_) refreshTextN_(rows.First, rows.Last);
  if (refreshNodePanel_) refreshNodePanel_();
  Redraw();
}
