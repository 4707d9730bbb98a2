// Undo and redo through the real window's keys, and the steps the recorder
// makes.

#include <QClipboard>
#include <functional>

#include "common/number_text.h"
#include "editor/change_header.h"
#include "editor/change_layout.h"
#include "editor/change_point.h"
#include "editor/group_history.h"
#include "editor/group_recorder.h"
#include "layouts/group_file.h"
#include "parabolic/form_parab_cable.h"
#include "section_view/picture_box_ui.h"
#include "tests/editor/editor_window.h"

namespace {

using UndoWindow = EditorWindow;

// For each kind of change made through the controls: Ctrl+Z on the focused
// widget gives back the whole group (the file it would save, which holds
// every entry in use), the rows shown and the active layout and point;
// Ctrl+Y gives the change again.
TEST_F(UndoWindow, EveryKindOfStepUndoesAndRedoes) {
  FillGroup(2, 9);
  form.RecordGroupChange();
  // The group (its file holds every entry in use) by its hash, the rows
  // shown, the active layout and point and the rows whose options show them.
  const auto shown = [this] {
    QApplication::processEvents();
    return std::to_string(std::hash<std::string>{}(LayoutGroupFileBytes(Group()))) + " layouts " +
           LayoutGridShown() + " points " + NodeGridShown();
  };
  // Typing stored by Enter or by leaving the field.
  const auto typed = [this](QLineEdit* field, const char* text, bool enter) {
    return [this, field, text, enter] {
      Type(field, text);
      enter ? PressKey(field, Qt::Key_Return) : Focus(form.ButtonNewN);
    };
  };
  const std::function<void()> changes[] = {
      [this] { Click(form.ButtonNewT); },
      [this] { Click(form.ButtonNewN); },
      [this] { Click(form.Labelnn[3]); },
      [this] { DoubleClick(form.LabelN[1]); },
      typed(form.TCoordY[2], "12.345", true),
      typed(form.LayoName[1], "77", false),
      typed(form.Description, "Trave", false),
      typed(form.NCnd, "3", false),
      typed(form.NodeName[2], "13", false),
      [this] {
        Focus(form.CableName[1]);
        PressKey(form.CableName[1], Qt::Key_End);
      },
      [this] { Click(form.Command1); },
      [this] {  // a pick in the view stores the point under the pointer; its row follows
        EXPECT_GT(world->SectionView.PointRadius, 0.0);  // the 40 x 40 section was drawn
        const QPoint at(form.Picture1->width() / 2 + 10, form.Picture1->height() / 2 - 7);
        const QPointF user = form.Picture1->ToUser(at);
        QTest::mouseClick(form.Picture1, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_FLOAT_EQ(static_cast<float>(ActiveLayout().Z[2]), static_cast<float>(user.x()));
        EXPECT_FLOAT_EQ(static_cast<float>(ActiveLayout().Y[2]), -static_cast<float>(user.y()));
        EXPECT_EQ(Text(form.TCoordY[2]), OneDecimalText(ActiveLayout().Y[2]));
      },
      [this] {
        Click(form.LayoAct[1]);
        QTest::keyClick(form.LayoAct[1], Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(form.LayoAct[1], Qt::Key_V, Qt::ControlModifier);
      },
      [this] {  // "Crea parabolico", the modal dialog driven while open
        // The dialog is made by the click, so the timers look for it once it is open.
        QTimer::singleShot(0, &form, [this] {
          FormParabCable& d = *form.findChild<FormParabCable*>();
          for (int k = 0; k < 3; ++k) d.NodeName[k]->setText(QString::number(11 + 2 * k));
          d.TCoordZ[0]->setText("0");
          for (int k = 0; k < 3; ++k) d.TCoordY[k]->setText(k == 1 ? "-5" : "0");
          d.CreaButt->click();
        });
        QTimer::singleShot(10000, &form, [this] { form.findChild<FormParabCable*>()->reject(); });
        Click(form.TracParab);
        // The new cable is appended and made active.
        EXPECT_EQ(Group().ActiveLayout, Group().LayoutCount);
        EXPECT_EQ(Text(form.LNNode), "5");
      },
      [this] {
        prompter.ExpectMessage("Rimuovere tutti i tracciati ?", "ATTENZIONE", 52, kAnswerYes);
        Click(form.ButtonRemove);
      },
  };
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    // The node grid up at its start: a refresh shows it from its end.
    for (int up = 0; up < 5; ++up) PressKey(form.NodeName[1], Qt::Key_Up);
    Click(form.NodeAct[2]);
    const std::string before = shown();
    const std::string group = LayoutGroupFileBytes(Group());
    changes[i]();
    const std::string after = shown();
    ASSERT_NE(LayoutGroupFileBytes(Group()), group) << "change " << i;
    // A point or header step keeps only what it changed, never a layout.
    const QUndoStack& stack = form.History().Stack();
    const auto* made = static_cast<const GroupStep*>(stack.command(stack.count() - 1));
    if (dynamic_cast<const ChangePoint*>(made) || dynamic_cast<const ChangeHeader*>(made)) {
      EXPECT_LT(made->Bytes(), 256u) << "change " << i;
    }
    CtrlKey(Qt::Key_Z);
    EXPECT_EQ(shown(), before) << "undo of change " << i;
    CtrlKey(Qt::Key_Y);
    EXPECT_EQ(shown(), after) << "redo of change " << i;
  }
}

// Copy the active layout's points from the point grid, paste them into
// another layout: the points arrive equal, as one step. A spreadsheet's text
// (decimal comma, CR LF, trailing empty line) pastes; a bad one is refused
// with its message and changes nothing.
TEST_F(UndoWindow, PointsCopyAndPasteBetweenLayouts) {
  FillGroup(2, 3);
  form.RecordGroupChange();
  QClipboard& clipboard = *QGuiApplication::clipboard();
  Click(form.NodeAct[1]);
  // A box with its text selected copies that text; without, the grid's table.
  Click(form.TCoordY[1]);
  CtrlKey(Qt::Key_C);
  EXPECT_EQ(clipboard.text(), "1");
  form.TCoordY[1]->deselect();
  CtrlKey(Qt::Key_C);
  Click(form.LayoAct[1]);
  Click(form.NodeAct[3]);
  CtrlKey(Qt::Key_V, form.NodeAct[3]);
  ASSERT_EQ(Group().Layouts[1].NodeCount, 6);
  EXPECT_EQ(NodeAt(Group().Layouts[1], 6), NodeAt(Group().Layouts[2], 3));

  const std::string node = Text(form.NodeName[1]);
  const std::string before = LayoutGroupFileBytes(Group());
  ExpectProblem("Nodo non esistente (riga 2 del testo incollato)");
  clipboard.setText(QString::fromStdString(node + "\r\n9999\r\n"));
  CtrlKey(Qt::Key_V);
  EXPECT_EQ(LayoutGroupFileBytes(Group()), before);
  // Text that is no table goes to the box as typing, stored only on leaving.
  clipboard.setText("7");
  Click(form.TCoordZ[1]);
  CtrlKey(Qt::Key_V);
  EXPECT_EQ(Text(form.TCoordZ[1]), "7");
  EXPECT_EQ(LayoutGroupFileBytes(Group()), before);
}

// Ctrl+Z first undoes the box's own unstored typing and leaves the group
// alone; with no typing left it stores the box and undoes the group's last
// step, the focus staying in the box; Ctrl+Y and Ctrl+Shift+Z redo it. A
// filter that took every Ctrl+Z would lose the box's typing; one that never
// did would never reach the group from a box.
TEST_F(UndoWindow, BoxTypingFirstThenTheGroup) {
  FillGroup(1, 1);
  form.RecordGroupChange();
  const std::string was = Group().GroupDescription;
  Type(form.Description, "Trave");
  Focus(form.ButtonNewN);
  QApplication::processEvents();  // the step is recorded once the events are handled
  ASSERT_EQ(Group().GroupDescription, "Trave");
  Type(form.Description, "X");
  CtrlKey(Qt::Key_Z);
  EXPECT_EQ(Text(form.Description) + Group().GroupDescription, "TraveTrave");
  CtrlKey(Qt::Key_Z);
  EXPECT_EQ(Text(form.Description) + Group().GroupDescription, was + was);
  EXPECT_TRUE(form.Description->hasFocus());
  CtrlKey(Qt::Key_Y);
  EXPECT_EQ(Group().GroupDescription, "Trave");
  CtrlKey(Qt::Key_Z);
  CtrlKey(Qt::Key_Z, nullptr, Qt::ShiftModifier);
  EXPECT_EQ(Group().GroupDescription, "Trave");
}

// A store that leaves the group as it was records nothing.
TEST(GroupSteps, UnchangedStoresAreNoSteps) {
  auto group = std::make_unique<LayoutGroup>();
  group->LayoutCount = 1;
  group->Layouts[1].NodeCount = 1;
  const GroupSelection here = SelectionOf(*group);
  EXPECT_FALSE(ChangePoint(*group, here, {}, 1, 1, NodeAt(group->Layouts[1], 1)).Changes());
  EXPECT_FALSE(ChangeLayout(*group, here, {}, 1, TakeLayout(*group, 1)).Changes());
  EXPECT_FALSE(ChangeHeader(*group, here, {}, TakeHeader(*group)).Changes());
}

}  // namespace
