// The layout and node grids driven as the user drives them: clicks, typing,
// the wheel, scroll bars and focus changes on the real window.

#include "tests/editor/editor_window.h"
#include "tests/support/real_input.h"

namespace {

using LayoutGrid = EditorWindow;
using NodeGrid = EditorWindow;
using GridInput = EditorWindow;

// The first layout of an empty group brings both grids and the commands to
// life with one row each; its point is not active until the user picks it.
// The grid jumps to its last seven rows whenever a layout is made.
TEST_F(LayoutGrid, NewLayoutsFillTheGridAndTheScrollBarFollows) {
  Click(form.ButtonNewT);
  EXPECT_EQ(LayoutGridShown() + " " + NodeGridShown(), "1 (1 @1) 1 (0 @0)");
  EXPECT_EQ(form.CableName[1]->currentText().toStdString(), "CAVO 7T15");
  EXPECT_EQ(Text(form.LayoName[1]) + " " + Text(form.NodeName[1]) + " " +
                Text(form.SectionName[1]) + " " + Text(form.TCoordY[1]),
            "1 11 QUADRATA 40 0");
  EXPECT_EQ(Text(form.LNLayout) + Text(form.LNNode), "11");
  for (QPushButton* control : {form.ButtonCopyN, form.ButtonRemove, form.Command2}) {
    EXPECT_TRUE(control->isEnabled()) << control->metaObject()->className();
  }
  EXPECT_EQ(form.NCnd->palette().color(QPalette::Disabled, QPalette::Base),
            QPalette().color(QPalette::Base));

  for (int k = 2; k <= 7; ++k) Click(form.ButtonNewT);
  EXPECT_TRUE(form.VScrollT->isHidden());
  Click(form.ButtonNewT);
  ASSERT_FALSE(form.VScrollT->isHidden());
  EXPECT_EQ(form.VScrollT->maximum() * 10 + form.VScrollT->pageStep(), 27);
  EXPECT_EQ(LayoutGridShown(), "2 3 4 5 6 7 8 (8 @7)");
  Click(form.ButtonNewT);

  // Scrolled by the user to the top, the active layout is out of sight.
  form.VScrollT->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(LayoutGridShown(), "1 2 3 4 5 6 7 (9 @0)");
  // Copy takes the active layout, not the last, whole to the end.
  Group().Layouts[2].CableType = 2;
  Click(form.LayoAct[2]);
  Click(form.ButtonCopyT);
  EXPECT_EQ(LayoutGridShown() + " " + Text(form.LayoName[7]), "4 5 6 7 8 9 10 (10 @7) 2");
  EXPECT_EQ(form.CableName[7]->currentText().toStdString(), "CAVO 12T15");
}

// At 199 layouts and 1999 points the commands that add one are refused;
// "Nuovo" still makes the last one active, a copy changes nothing.
TEST_F(LayoutGrid, TheLayoutAndPointLimitsAreRefused) {
  FillGroup(199, 1999);
  Click(form.LayoAct[3]);
  Click(form.NodeAct[2]);
  ASSERT_EQ(Group().ActiveLayout, 195);
  const char* const layouts = "Numero di tracciati eccessivo ";
  const char* const points = "Numero di nodi eccessivo ";
  for (const auto& [button, text] : {std::pair{form.ButtonCopyT, layouts},
                                     {form.ButtonCopyN, points},
                                     {form.ButtonNewT, layouts},
                                     {form.ButtonNewN, points}}) {
    prompter.ExpectMessage(text, "PROBLEMA", 16);
    Click(button);
  }
  EXPECT_EQ(LayoutGridShown() + " " + std::to_string(Group().ActiveNode),
            "193 194 195 196 197 198 199 (199 @7) 1999");
  EXPECT_EQ(Group().Layouts[195].NodeCount, 1999);
}

TEST_F(LayoutGrid, RemovingAllAsksAndOnlyYesEmpties) {
  FillGroup(9, 4);
  prompter.ExpectMessage("Rimuovere tutti i nodi ?", "ATTENZIONE", 52, kAnswerNo);
  Click(form.ButtonRemoveN);
  EXPECT_EQ(ActiveLayout().NodeCount, 4);
  prompter.ExpectMessage("Rimuovere tutti i nodi ?", "ATTENZIONE", 52, kAnswerYes);
  Click(form.ButtonRemoveN);
  EXPECT_EQ(NodeRowsShown() + Text(form.LNNode), "0");
  for (QPushButton* button : {form.ButtonCopyN, form.DrawLayo, form.Command2}) {
    EXPECT_FALSE(button->isEnabled()) << Text(button);
  }

  prompter.ExpectMessage("Rimuovere tutti i tracciati ?", "ATTENZIONE", 52, kAnswerYes);
  Click(form.ButtonRemove);
  EXPECT_EQ(LayoutRowsShown() + NodeRowsShown() + Text(form.LNLayout) + Text(form.LNNode), "00");
  EXPECT_TRUE(form.VScrollT->isHidden());
}

// Removing a layout before the active one leaves the mark on the same row,
// so no selection is raised; the node grid must still change to the layout
// that row now shows.
TEST_F(LayoutGrid, DoubleClickOnAnOrdinalRemovesThatLayout) {
  FillGroup(4, 3);
  Group().Layouts[3].NodeCount = 1;
  Click(form.LayoAct[3]);
  EXPECT_EQ(NodeRowsShown(), "1");

  DoubleClick(form.LabelN[1]);
  EXPECT_EQ(Text(form.LayoName[1]) + " " + NodeRowsShown() + " " + Text(form.LNNode), "2 1 2 3 3");

  DoubleClick(form.LabelN[3]);
  EXPECT_EQ(LayoutGridShown() + " " + NodeRowsShown(), "1 2 (2 @2) 1");
  DoubleClick(form.LabelN[1]);
  DoubleClick(form.LabelN[1]);
  EXPECT_EQ(LayoutRowsShown() + NodeRowsShown(), "");
}

// Names are stored on leaving the box; one beyond 16 bits would wrap into
// another number, so it is refused and the stored name shown again.
TEST_F(LayoutGrid, NamesAndCableTypesAreStoredFromTheRow) {
  FillGroup(3, 1);
  Click(form.LayoName[1]);
  // The wheel over a cable type box that does not have the focus changes
  // nothing; over the focused one it chooses, as a key would.
  TurnWheel(form.CableName[1], -1);
  EXPECT_EQ(Group().Layouts[1].CableType, 1);
  PressKey(form.LayoName[1], Qt::Key_Tab);
  ASSERT_TRUE(form.CableName[1]->hasFocus());
  TurnWheel(form.CableName[1], -1);
  EXPECT_EQ(Group().Layouts[1].CableType, 2);

  Type(form.LayoName[2], "40000");
  ExpectProblem("Nome del tracciato non valido: deve essere un intero tra -32768 e 32767");
  Focus(form.CableName[1]);
  EXPECT_EQ(Text(form.LayoName[2]), "2");

  // The arrows move between rows; a choice made with the keyboard is stored.
  PressKey(form.CableName[1], Qt::Key_Down);
  EXPECT_TRUE(form.CableName[2]->hasFocus());
  PressKey(form.CableName[2], Qt::Key_End);
  EXPECT_EQ(Group().Layouts[2].CableType, 2);
}

// The header boxes store on leaving. Another window in front (a message box,
// another program) takes the focus from the window, not from the box:
// nothing is stored or checked then, or a message box would report the box
// it covers.
TEST_F(LayoutGrid, HeaderBoxesStoreOnLeavingTheBoxNotTheWindow) {
  FillGroup(1, 1);
  Type(form.NCnd, "101");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(form.NCnd->hasFocus());
  ExpectProblem("Condizione non valida ");
  Focus(form.LayoName[1]);
  EXPECT_EQ(std::to_string(Group().LoadCondition) + Text(form.NCnd),
            "0101");  // left for correcting
}

// A copied point goes to the end and becomes active. One click on an
// ordinal removes its point at once; a double click is one click, not two
// removals.
TEST_F(NodeGrid, CopiedPointsGoToTheEndAndAClickOnAnOrdinalRemoves) {
  FillGroup(1, 9);
  Click(form.NodeAct[2]);  // point 4
  Click(form.ButtonCopyN);
  EXPECT_EQ(NodeAt(ActiveLayout(), 10), NodeAt(ActiveLayout(), 4));
  EXPECT_EQ(NodeGridShown() + " " + Text(form.LNNode), "4 5 6 7 8 9 10 (10 @7) 10");
  Click(form.Labelnn[3]);  // point 6
  EXPECT_EQ(ActiveLayout().Y[6], 7.0);
  DoubleClick(form.Labelnn[1]);
  EXPECT_EQ(ActiveLayout().NodeCount, 8);
}

// A missing node puts the stored one back, whether Enter or a click on the
// bar stores it, and a value refused with a message keeps the rows where
// they are; a node without section stays typed and is reported again when
// the box is left.
TEST_F(NodeGrid, NodeNumbersAreCheckedAgainstTheStructure) {
  FillGroup(1, 12);
  form.VScrollN->setValue(1);
  Click(form.NodeAct[1]);
  Type(form.NodeName[2], "99");
  ExpectProblem("Nodo non esistente ");
  PressKey(form.NodeName[2], Qt::Key_Return);
  EXPECT_EQ(Text(form.NodeName[2]), "12");
  Type(form.NodeName[2], "70000");
  ExpectProblem("Nodo non esistente ");
  QTest::mouseClick(form.VScrollN, Qt::LeftButton, {},
                    ScrollBarPart(*form.VScrollN, QStyle::SC_ScrollBarAddLine));
  EXPECT_EQ(Text(form.NodeName[2]) + " " + std::to_string(form.VScrollN->value()), "12 1");

  const std::string noSection =
      "Nodo non associato a nessuna sezione o non appartenente alla membratura attiva ";
  Type(form.NodeName[2], "15");
  ExpectProblem(noSection);
  PressKey(form.NodeName[2], Qt::Key_Return);
  EXPECT_EQ(Text(form.NodeName[2]), "15");
  ExpectProblem(noSection);
  Focus(form.NodeName[3]);
  Type(form.NodeName[2], "14");
  PressKey(form.NodeName[2], Qt::Key_Return);
  EXPECT_EQ(ActiveLayout().NodeIndex[2], 4);
}

TEST_F(NodeGrid, NumericFieldsStoreTheLeadingNumber) {
  FillGroup(1, 2);
  // Too big for a double: nothing stored, the old value shown again.
  Type(form.TCoordZ[1], "3E2");
  Focus(form.TCoordZ[2]);
  Type(form.TCoordZ[1], "1e400");
  Focus(form.TCoordZ[2]);
  EXPECT_EQ(ActiveLayout().Z[1], 300);
  EXPECT_EQ(Text(form.TCoordZ[1]), "300");

  Type(form.TAngDisto[1], "0.02");
  PressKey(form.TAngDisto[1], Qt::Key_Return);
  EXPECT_EQ(ActiveLayout().AngDistortion[1], 0.0);
  Focus(form.TAngDisto[2]);
  EXPECT_EQ(ActiveLayout().AngDistortion[1], 0.02);

  // The rows show one decimal; leaving a field stores what it shows, so a
  // visit rounds the point's value.
  ActiveLayout().Z[1] = -12.36;
  form.RefreshTextN(1, 2);
  EXPECT_EQ(Text(form.TCoordZ[1]), "-12.4");
  Focus(form.TCoordZ[1]);
  Focus(form.TCoordY[2]);
  EXPECT_EQ(ActiveLayout().Z[1], -12.4);
}

// The arrow keys move the focus between rows and scroll at the edges, but
// not past the last point.
TEST_F(NodeGrid, ArrowKeysStopAtTheEdgesOfTheLayout) {
  FillGroup(1, 20);
  Click(form.TAngDisto[7]);
  PressKey(form.TAngDisto[7], Qt::Key_Down);
  EXPECT_EQ(form.VScrollN->value(), 14);  // already at the end
  PressKey(form.TAngDisto[7], Qt::Key_Up);
  EXPECT_TRUE(form.TAngDisto[6]->hasFocus());
  Click(form.NodeName[1]);
  PressKey(form.NodeName[1], Qt::Key_Up);
  EXPECT_EQ(Text(form.Labelnn[1]), "13");
}

// The value typed belongs to the item it was typed for: every way of
// moving the rows (the bar's arrow, its trough, a drag of its thumb, the
// arrow key at the last row) stores it first, in both grids, so that the
// rows moved back show it for that item. The click at the end of a field
// takes its whole text, as by the keyboard.
TEST_F(GridInput, MovingTheRowsStoresTheFieldFirst) {
  // The field's column, its grid's bar and a value unlike what the first and
  // seventh items hold.
  const std::tuple<RowArray<QLineEdit> FormPri::*, QScrollBar * FormPri::*, const char*> kinds[] = {
      {&FormPri::LayoName, &FormPri::VScrollT, "77"},
      {&FormPri::NodeName, &FormPri::VScrollN, "14"},
      {&FormPri::TAngDisto, &FormPri::VScrollN, "777"}};
  enum class Way { kArrow, kTrough, kThumbDrag, kArrowKey };
  for (const auto& [column, barOf, typed] : kinds) {
    for (const Way way : {Way::kArrow, Way::kTrough, Way::kThumbDrag, Way::kArrowKey}) {
      SCOPED_TRACE(std::string(typed) + " way " + std::to_string(static_cast<int>(way)));
      FillGroup(12, 12);
      Click(form.NodeAct[1]);
      QScrollBar* bar = form.*barOf;
      bar->setValue(1);
      const int row = way == Way::kArrowKey ? kGridRows : 1;
      QLineEdit* field = (form.*column)[row];
      QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 3, field->height() / 2));
      QTest::keyClicks(field, typed);
      if (way == Way::kArrowKey) {
        PressKey(field, Qt::Key_Down);
      } else {
        const QPoint at = ScrollBarPart(*bar, way == Way::kArrow    ? QStyle::SC_ScrollBarAddLine
                                              : way == Way::kTrough ? QStyle::SC_ScrollBarAddPage
                                                                    : QStyle::SC_ScrollBarSlider);
        const QPoint to = at + QPoint(0, way == Way::kThumbDrag ? bar->height() / 4 : 0);
        QTest::mousePress(bar, Qt::LeftButton, {}, at + QPoint(0, way == Way::kTrough ? 6 : 0));
        QTest::mouseMove(bar, to);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
      }
      EXPECT_GT(bar->value(), 1);
      bar->setValue(1);
      EXPECT_EQ(Text((form.*column)[row]), typed);
    }
  }
}

}  // namespace
