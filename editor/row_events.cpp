// The events of the grid cells and header boxes that Qt does not turn into
// signals: focus gained and lost, the arrow keys and Enter, the clicks on the
// ordinal labels. Each is handed to its row's handler.

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include "editor/form_pri.h"
#include "editor/layout_panel.h"
#include "editor/node_panel.h"
#include "editor/toolkit_rules.h"

namespace {

// Focus that comes and goes with the whole window (another window or a
// message box in front, a popup) is not the user moving between fields.
bool MovesBetweenFields(const QFocusEvent& event) {
  switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
      return false;
    default:
      return true;
  }
}

// The grid's key codes for the keys it handles; 0 for any other key.
int ArrowKeyCode(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return 0;
  switch (event.key()) {
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Down:
      return kKeyDown;
    default:
      return 0;
  }
}

bool IsEnter(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

void FormPri::WatchRowEvents() {
  const auto watch = [this](QObject* control, Cell cell, int row) {
    watched_[control] = {cell, row};
    control->installEventFilter(this);
  };
  for (int row = 1; row <= kGridRows; ++row) {
    watch(LabelN[row], Cell::kLabelN, row);
    watch(LayoName[row], Cell::kLayoName, row);
    watch(CableName[row], Cell::kCableName, row);
    watch(Labelnn[row], Cell::kLabelnn, row);
    watch(NodeName[row], Cell::kNodeName, row);
    watch(TCoordY[row], Cell::kTCoordY, row);
    watch(TCoordZ[row], Cell::kTCoordZ, row);
    watch(TAngDisto[row], Cell::kTAngDisto, row);
  }
  watch(Description, Cell::kDescription, 0);
  watch(NCnd, Cell::kNCnd, 0);
}

bool FormPri::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::KeyPress &&
      type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick) {
    return QWidget::eventFilter(watched, event);
  }
  const auto found = watched_.find(watched);
  if (found == watched_.end()) return QWidget::eventFilter(watched, event);
  const auto [cell, row] = found->second;

  switch (type) {
    case QEvent::FocusIn:
      if (MovesBetweenFields(static_cast<QFocusEvent&>(*event))) CellGotFocus(cell, row);
      break;
    case QEvent::FocusOut:
      if (MovesBetweenFields(static_cast<QFocusEvent&>(*event))) {
        const int shown = messages_.count();
        CellLostFocus(cell, row);
        leaveShowedMessage_ = messages_.count() != shown;
      }
      break;
    case QEvent::KeyPress: {
      const auto& key = static_cast<QKeyEvent&>(*event);
      if (const int code = ArrowKeyCode(key)) {
        if (CellKeyDown(cell, row, code)) return true;
      } else if (IsEnter(key)) {
        if (CellKeyPress(cell, row, kKeyEnter)) return true;
      }
      break;
    }
    case QEvent::MouseButtonPress:
      // A click on a point's ordinal needs both halves on the label; the
      // second press of a double click arrives as a double click and makes
      // no second click.
      if (static_cast<QMouseEvent&>(*event).button() == Qt::LeftButton && cell == Cell::kLabelnn) {
        pressedOrdinal_ = watched;
      }
      break;
    case QEvent::MouseButtonRelease: {
      const auto& mouse = static_cast<QMouseEvent&>(*event);
      if (mouse.button() != Qt::LeftButton) break;
      const bool clicked =
          pressedOrdinal_ == watched && Labelnn[row]->rect().contains(mouse.position().toPoint());
      pressedOrdinal_ = nullptr;
      if (clicked) nodePanel_->Labelnn_Click(row);
      break;
    }
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent&>(*event).button() == Qt::LeftButton && cell == Cell::kLabelN) {
        layoutPanel_->LabelN_DblClick(row);
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void FormPri::CellGotFocus(Cell cell, int row) {
  switch (cell) {
    case Cell::kLayoName:
      return layoutPanel_->LayoName_GotFocus(row);
    case Cell::kNodeName:
      return nodePanel_->NodeName_GotFocus(row);
    case Cell::kTCoordY:
      return nodePanel_->TCoordY_GotFocus(row);
    case Cell::kTCoordZ:
      return nodePanel_->TCoordZ_GotFocus(row);
    case Cell::kTAngDisto:
      return nodePanel_->TAngDisto_GotFocus(row);
    default:
      return;
  }
}

void FormPri::CellLostFocus(Cell cell, int row) {
  switch (cell) {
    case Cell::kLayoName:
      return layoutPanel_->LayoName_LostFocus(row);
    case Cell::kNodeName:
      return nodePanel_->NodeName_LostFocus(row);
    case Cell::kTCoordY:
      return nodePanel_->TCoordY_LostFocus(row);
    case Cell::kTCoordZ:
      return nodePanel_->TCoordZ_LostFocus(row);
    case Cell::kTAngDisto:
      return nodePanel_->TAngDisto_LostFocus(row);
    case Cell::kDescription:
      return Description_LostFocus();
    case Cell::kNCnd:
      return NCnd_LostFocus();
    default:
      return;
  }
}

bool FormPri::CellKeyDown(Cell cell, int row, int keyCode) {
  // The arrows end here: in a cable type list they would otherwise change
  // the choice as well.
  switch (cell) {
    case Cell::kLayoName:
      layoutPanel_->LayoName_KeyDown(row, keyCode);
      return true;
    case Cell::kCableName:
      layoutPanel_->CableName_KeyDown(row, keyCode);
      return true;
    case Cell::kNodeName:
      nodePanel_->NodeName_KeyDown(row, keyCode);
      return true;
    case Cell::kTCoordY:
      nodePanel_->TCoordY_KeyDown(row, keyCode);
      return true;
    case Cell::kTCoordZ:
      nodePanel_->TCoordZ_KeyDown(row, keyCode);
      return true;
    case Cell::kTAngDisto:
      nodePanel_->TAngDisto_KeyDown(row, keyCode);
      return true;
    default:
      return false;
  }
}

bool FormPri::CellKeyPress(Cell cell, int row, int keyAscii) {
  // Enter ends here in the numeric columns, the distortion's included,
  // where it does nothing: it has no other use in the window.
  switch (cell) {
    case Cell::kNodeName:
      nodePanel_->NodeName_KeyPress(row, keyAscii);
      return true;
    case Cell::kTCoordY:
      nodePanel_->TCoordY_KeyPress(row, keyAscii);
      return true;
    case Cell::kTCoordZ:
      nodePanel_->TCoordZ_KeyPress(row, keyAscii);
      return true;
    case Cell::kTAngDisto:
      return true;
    default:
      return false;
  }
}
