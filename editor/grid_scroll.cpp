#include "editor/grid_scroll.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>

#include "common/number_text.h"
#include "common/val.h"
#include "editor/control_state.h"
#include "editor/toolkit_rules.h"

void ConfigureScrollBar(QScrollBar& bar, int16_t count, int16_t visible) {
  if (count <= visible) {
    bar.hide();
    return;
  }
  bar.show();
  // The grid jumps to its last rows.
  const int last = count - visible + 1;
  ConfigureScrollRange(bar, {1, last, visible, 1, last});
}

int16_t RowItem(const QLabel& ordinal) {
  return NearestInt16(Val(ToStdString(ordinal.text()))).value_or(0);
}

namespace {

// The rows are about to show other items under a focus that stays: the
// field leaves and comes back, so that its value is stored, with its
// checks, for the item it was typed for.
void StoreByLeaving(QScrollBar& bar) {
  QWidget* field = QApplication::focusWidget();
  if (field == nullptr) return;
  bar.setFocus(Qt::OtherFocusReason);
  field->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void MoveInGrid(int row, int keyCode, int count, QScrollBar& bar, QWidget* above, QWidget* below) {
  const GridScroll scroll{!bar.isHidden(), bar.value(), bar.maximum()};
  switch (GridArrowMove(keyCode, row, count, scroll)) {
    case ArrowMove::kFocusUp:
      above->setFocus();
      break;
    case ArrowMove::kFocusDown:
      below->setFocus();
      break;
    case ArrowMove::kScrollUp:
      StoreByLeaving(bar);
      SetScrollValue(bar, bar.value() - 1);
      break;
    case ArrowMove::kScrollDown:
      StoreByLeaving(bar);
      SetScrollValue(bar, bar.value() + 1);
      break;
    case ArrowMove::kNone:
      break;
  }
}
