#include <QKeySequence>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "app/world.h"
#include "editor/form_pri.h"
#include "editor/layout_panel.h"
#include "editor/node_panel.h"
#include "editor/toolkit_rules.h"
#include "editor/verify_window.h"

namespace {

// Scrolls a grid so that item shows, and clicks its row's option as the
// user would; a click on the option already selected runs its handler too.
// The row is found by its ordinal label, which is what the handlers read.
template <typename Handler>
void ClickItem(QScrollBar& bar, const RowArray<QLabel>& ordinals,
               const RowArray<QRadioButton>& options, int item, Handler handler) {
  if (!bar.isHidden()) bar.setValue(std::clamp(item, bar.minimum(), bar.maximum()));
  for (int row = 1; row <= kGridRows; ++row) {
    if (ordinals[row]->isHidden() || ordinals[row]->text() != QString::number(item)) continue;
    if (!SelectOption(*options[row])) handler(row);
    return;
  }
}

}  // namespace

void FormPri::ConnectVerifyWindow() {
  auto* f7 = new QShortcut(QKeySequence(Qt::Key_F7), this);
  connect(f7, &QShortcut::activated, this, &FormPri::ShowVerifyWindow);
}

void FormPri::ShowVerifyWindow() {
  if (Verify == nullptr) {
    Verify = new VerifyWindow(
        world_, prompter_, *history_,
        [this](int16_t layout, int16_t point) { ActivateLayoutPoint(layout, point); }, this);
  }
  Verify->show();
  Verify->raise();
  Verify->activateWindow();
}

void FormPri::ActivateLayoutPoint(int16_t layout, int16_t point) {
  if (!IsLayoutInUse(Group(), layout)) return;
  ClickItem(*VScrollT, LabelN, LayoAct, layout,
            [this](int row) { layoutPanel_->LayoAct_Click(row); });
  if (Group().ActiveLayout != layout || !IsPointInUse(Group(), point)) return;
  ClickItem(*VScrollN, Labelnn, NodeAct, point,
            [this](int row) { nodePanel_->NodeAct_Click(row); });
}
