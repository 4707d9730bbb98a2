// Undo, redo and the clipboard of the main window. No handler knows of them:
// once an input event has been handled the window compares the group with
// its last step and records what changed; an undo or redo puts the part back
// and the window shows the group as the same change by hand would.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <vector>

#include "app/group_commands.h"
#include "app/show_message.h"
#include "app/startup.h"
#include "app/world.h"
#include "editor/control_state.h"
#include "editor/form_pri.h"
#include "editor/grid_clipboard.h"
#include "editor/group_history.h"
#include "editor/group_recorder.h"
#include "editor/layout_panel.h"
#include "editor/node_panel.h"
#include "editor/undo_keys.h"
#include "layouts/group_table_text.h"
#include "layouts/point_table_text.h"
#include "layouts/table_paste.h"
#include "platform/decimal_separator.h"

namespace {

// Schedules the window's step check after every input event of the
// application: handlers of the window and of its dialogs alike change the
// group. Several events before the check make one check.
class InputWatcher : public QObject {
 public:
  InputWatcher(FormPri& form, bool& pending) : QObject(&form), form_(form), pending_(pending) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonRelease:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::FocusOut:
        if (!pending_) {
          pending_ = true;
          QTimer::singleShot(0, &form_, [this] { form_.RecordGroupChange(); });
        }
        break;
      default:
        break;
    }
    return false;
  }

 private:
  FormPri& form_;
  bool& pending_;
};

// The item in a grid's first row, read from its scroll bar.
int16_t FirstRowItem(const QScrollBar& bar) {
  return static_cast<int16_t>(bar.isHidden() ? 1 : bar.value());
}

char DecimalChar() {
  const std::string separator = DecimalSeparator();
  return separator.size() == 1 ? separator[0] : '.';
}

}  // namespace

void FormPri::WatchGroupSteps() {
  history_ = std::make_unique<GroupHistory>();
  recorder_ =
      std::make_unique<GroupRecorder>(Group(), *history_, world_.GroupFileName,
                                      [this](const GroupSelection& rows) { ShowGroupStep(rows); });
  recorder_->WatchRows([this](GroupSelection& rows) {
    rows.FirstLayoutShown = FirstRowItem(*VScrollT);
    rows.FirstNodeShown = FirstRowItem(*VScrollN);
  });
  undoKeys_ = new UndoKeys(*this, *history_);
  qApp->installEventFilter(new InputWatcher(*this, recordPending_));
  WatchClipboard();
}

void FormPri::RecordGroupChange() {
  recordPending_ = false;
  if (!stepsHeld_) recorder_->Check();
}

void FormPri::ShowGroupStep(const GroupSelection& rows) {
  LayoutGroup& group = Group();
  if (group.LayoutCount == 0) {
    layoutPanel_->ShowNoLayouts();
  } else {
    // The refresh shows the grids from their ends, as after a new layout;
    // then they go back to the rows the step's side showed, or, for none,
    // move as little as showing the active layout and point takes.
    const bool toActive = rows.FirstLayoutShown == 0;
    const int layoutsFirst = toActive ? FirstRowItem(*VScrollT) : rows.FirstLayoutShown;
    const int nodesFirst = toActive ? FirstRowItem(*VScrollN) : rows.FirstNodeShown;
    const int16_t node = group.ActiveNode;
    layoutPanel_->RefreshLayoutPanels();
    group.ActiveNode = node;
    layoutPanel_->ShowRowsFrom(layoutsFirst, nodesFirst, toActive);
  }
  NCnd->setText(QString::number(group.LoadCondition));
  Description->setText(ToQString(group.GroupDescription));
  setWindowTitle(ToQString(world_.GroupFileName.empty()
                               ? WindowCaption(world_.Job)
                               : GroupWindowCaption(world_.Job, world_.GroupFileName)));
  RedrawSectionView();
}

void FormPri::WatchClipboard() {
  auto* clipboard = new GridClipboard(this);
  std::vector<QWidget*> pointCells;
  std::vector<QWidget*> layoutCells;
  for (int row = 1; row <= kGridRows; ++row) {
    pointCells.insert(pointCells.end(),
                      {NodeAct[row], NodeName[row], TCoordY[row], TCoordZ[row], TAngDisto[row]});
    layoutCells.insert(layoutCells.end(), {LayoAct[row], LayoName[row], CableName[row]});
  }
  const auto pasted = [this](const std::optional<Message>& refusal) {
    if (refusal) {
      ShowMessage(prompter_, *refusal);
      return;
    }
    // Shown first, so that the step keeps the rows the paste left.
    ShowGroupStep();
    RecordGroupChange();
  };
  clipboard->Watch({pointCells,
                    [this] {
                      const LayoutGroup& group = Group();
                      if (!IsLayoutInUse(group, group.ActiveLayout)) return std::string();
                      return PointTableText(group.Layouts[group.ActiveLayout], world_.Structure,
                                            world_.Sections, DecimalChar());
                    },
                    [this, pasted](const std::string& text) {
                      LayoutGroup& group = Group();
                      if (!IsLayoutInUse(group, group.ActiveLayout)) return;
                      const int after =
                          IsPointInUse(group, group.ActiveNode) ? group.ActiveNode : 0;
                      pasted(PastePoints(group, world_.Structure, group.ActiveLayout, after, text));
                    }});
  clipboard->Watch(
      {layoutCells,
       [this] { return GroupTableText(Group(), world_.Structure, world_.Sections, DecimalChar()); },
       [this, pasted](const std::string& text) {
         pasted(PasteLayouts(Group(), world_.Structure, world_.Sections, text));
       }});
}
