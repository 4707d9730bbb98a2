// The layout grid driven as the user drives it: clicks, typing and focus
// changes on the real window.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "tests/editor/editor_window.h"

namespace {

using LayoutGrid = EditorWindow;

// A real double click reaches a widget as press, release, double click,
// release.
void DoubleClick(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton);
  QTest::mouseDClick(control, Qt::LeftButton);
  QTest::mouseRelease(control, Qt::LeftButton);
}

// The first layout of an empty group brings both grids to life with one row
// each; its point is not active until the user picks it.
TEST_F(LayoutGrid, FirstLayoutShowsOneRowInEachGrid) {
  Click(form.ButtonNewT);
  EXPECT_EQ(Group().ActiveLayout, 1);
  EXPECT_EQ(LayoutRowsShown(), "1");
  EXPECT_EQ(Text(form.LayoName[1]), "1");
  EXPECT_EQ(form.CableName[1]->currentText().toStdString(), "CAVO 7T15");
  EXPECT_EQ(CheckedRow(form.LayoAct), 1);
  EXPECT_EQ(NodeRowsShown(), "1");
  EXPECT_EQ(Text(form.NodeName[1]) + " " + Text(form.SectionName[1]) + " " +
                Text(form.TCoordSys[1]) + " " + Text(form.TCoordY[1]) + " " +
                Text(form.TCoordZ[1]) + " " + Text(form.TAngDisto[1]),
            "11 QUADRATA 40 0 0 0 0");
  EXPECT_EQ(CheckedRow(form.NodeAct), 0);
  EXPECT_EQ(Text(form.LNLayout) + Text(form.LNNode), "11");
  EXPECT_TRUE(form.ButtonCopyT->isEnabled());
  EXPECT_TRUE(form.NCnd->isEnabled());
}

// The grid jumps to its last seven rows whenever a layout is made.
TEST_F(LayoutGrid, ScrollBarAppearsAtEightLayoutsAndFollowsTheCount) {
  for (int k = 1; k <= 7; ++k) Click(form.ButtonNewT);
  EXPECT_TRUE(form.VScrollT->isHidden());

  Click(form.ButtonNewT);
  ASSERT_FALSE(form.VScrollT->isHidden());
  EXPECT_EQ(form.VScrollT->minimum(), 1);
  EXPECT_EQ(form.VScrollT->maximum(), 2);
  EXPECT_EQ(form.VScrollT->pageStep(), 7);
  EXPECT_EQ(form.VScrollT->singleStep(), 1);
  EXPECT_EQ(form.VScrollT->value(), 2);
  EXPECT_EQ(LayoutRowsShown(), "2 3 4 5 6 7 8");
  EXPECT_EQ(CheckedRow(form.LayoAct), 7);

  Click(form.ButtonNewT);
  Click(form.ButtonNewT);
  EXPECT_EQ(form.VScrollT->maximum(), 4);
  EXPECT_EQ(form.VScrollT->value(), 4);
  EXPECT_EQ(LayoutRowsShown(), "4 5 6 7 8 9 10");
  EXPECT_EQ(Text(form.LayoName[7]), "10");

  // Scrolled by the user to the top, the active layout is out of sight.
  form.VScrollT->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(LayoutRowsShown(), "1 2 3 4 5 6 7");
  EXPECT_EQ(CheckedRow(form.LayoAct), 0);
  EXPECT_EQ(Group().ActiveLayout, 10);
}

// Copy takes the active layout whole, its name included, to the end.
TEST_F(LayoutGrid, CopyAppendsTheActiveLayoutAndMakesItActive) {
  FillGroup(4, 2);
  Layout& second = Group().Layouts[2];
  second.Name = 5;
  second.CableType = 2;
  Click(form.LayoAct[2]);
  Click(form.ButtonCopyT);
  ASSERT_EQ(Group().LayoutCount, 5);
  const Layout& copy = Group().Layouts[5];
  EXPECT_EQ(copy.Name, 5);
  EXPECT_EQ(copy.CableType, 2);
  EXPECT_EQ(NodeAt(copy, 2), NodeAt(second, 2));
  EXPECT_EQ(CheckedRow(form.LayoAct), 5);
  EXPECT_EQ(form.CableName[5]->currentText().toStdString(), "CAVO 12T15");
}

// At 199 layouts both commands are refused; "Nuovo" still makes the last
// layout active, "Copia Tracciato" changes nothing.
TEST_F(LayoutGrid, TheLayoutLimitIsRefused) {
  FillGroup(199, 1);
  Click(form.LayoAct[3]);
  ASSERT_EQ(Group().ActiveLayout, 195);
  prompter.ExpectMessage("Numero di tracciati eccessivo ", "PROBLEMA", 16);
  Click(form.ButtonCopyT);
  EXPECT_EQ(Group().LayoutCount, 199);
  EXPECT_EQ(Group().ActiveLayout, 195);

  prompter.ExpectMessage("Numero di tracciati eccessivo ", "PROBLEMA", 16);
  Click(form.ButtonNewT);
  EXPECT_EQ(Group().LayoutCount, 199);
  EXPECT_EQ(CheckedRow(form.LayoAct), 7);
}

TEST_F(LayoutGrid, RemoveAllAsksAndOnlyYesEmptiesTheGroup) {
  FillGroup(9, 3);
  prompter.ExpectMessage("Rimuovere tutti i tracciati ?", "ATTENZIONE", 52, kAnswerNo);
  Click(form.ButtonRemove);
  EXPECT_EQ(LayoutRowsShown(), "3 4 5 6 7 8 9");

  prompter.ExpectMessage("Rimuovere tutti i tracciati ?", "ATTENZIONE", 52, kAnswerYes);
  Click(form.ButtonRemove);
  EXPECT_EQ(Group().LayoutCount, 0);
  EXPECT_EQ(LayoutRowsShown() + NodeRowsShown(), "");
  EXPECT_TRUE(form.VScrollT->isHidden());
  EXPECT_EQ(Text(form.LNLayout) + Text(form.LNNode), "00");
  EXPECT_FALSE(form.ButtonNewN->isEnabled());
  EXPECT_TRUE(form.ButtonNewT->isEnabled());
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
  EXPECT_EQ(Group().ActiveLayout, 3);
  EXPECT_EQ(Text(form.LayoName[1]), "2");
  EXPECT_EQ(NodeRowsShown(), "1 2 3");
  EXPECT_EQ(Text(form.LNNode), "3");

  DoubleClick(form.LabelN[3]);
  EXPECT_EQ(CheckedRow(form.LayoAct), 2);
  EXPECT_EQ(NodeRowsShown(), "1");
  DoubleClick(form.LabelN[1]);
  DoubleClick(form.LabelN[1]);
  EXPECT_EQ(LayoutRowsShown() + NodeRowsShown(), "");
  EXPECT_TRUE(form.VScrollN->isHidden());
}

// Names are stored on leaving the box; one beyond 16 bits would wrap into
// another number, so it is refused and the stored name shown again.
TEST_F(LayoutGrid, NamesAndCableTypesAreStoredFromTheRow) {
  FillGroup(2, 1);
  Focus(form.LayoName[1]);
  EXPECT_EQ(form.LayoName[1]->selectedText().toStdString(), "1");
  Type(form.LayoName[1], "2.5");
  Focus(form.LayoName[2]);
  EXPECT_EQ(Group().Layouts[1].Name, 2);

  Type(form.LayoName[2], "40000");
  prompter.ExpectMessage("Nome del tracciato non valido: deve essere un intero tra -32768 e 32767",
                         "PROBLEMA", 48);
  Focus(form.CableName[1]);
  EXPECT_EQ(Text(form.LayoName[2]), "2");

  // The arrows move between rows; a choice made with the keyboard is stored.
  PressKey(form.CableName[1], Qt::Key_Down);
  EXPECT_TRUE(form.CableName[2]->hasFocus());
  PressKey(form.CableName[2], Qt::Key_End);
  EXPECT_EQ(Group().Layouts[2].CableType, 2);
  EXPECT_EQ(Group().Layouts[1].CableType, 1);
}

TEST_F(LayoutGrid, HeaderBoxesStoreOnLeaving) {
  FillGroup(1, 1);
  Type(form.NCnd, "101");
  prompter.ExpectMessage("Condizione non valida ", "PROBLEMA", 48);
  Focus(form.LayoName[1]);
  EXPECT_EQ(Group().LoadCondition, 0);
  EXPECT_EQ(Text(form.NCnd), "101");  // left for correcting
  Type(form.NCnd, "2.5");
  Focus(form.Description);
  EXPECT_EQ(Group().LoadCondition, 2);

  Type(form.Description, "Campata centrale, cavi 1");
  Focus(form.LayoName[1]);
  EXPECT_EQ(Group().GroupDescription, "Campata centrale, ca");
  EXPECT_EQ(Text(form.Description), "Campata centrale, cavi 1");
}

// Another window in front (a message box, another program) takes the focus
// from the window, not from the field: nothing is stored or checked then,
// or a message box would report the field it covers.
TEST_F(LayoutGrid, FocusLeavingWithTheWindowIsNotLeavingTheField) {
  FillGroup(1, 1);
  Type(form.NCnd, "0");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(form.NCnd->hasFocus());
  prompter.ExpectMessage("Condizione non valida ", "PROBLEMA", 48);
  Focus(form.Description);
}

}  // namespace
