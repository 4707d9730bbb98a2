// The node grid and its numeric fields driven as the user drives them.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "tests/editor/editor_window.h"

namespace {

using NodeGrid = EditorWindow;

TEST_F(NodeGrid, NewAndCopiedPointsGoToTheEndAndBecomeActive) {
  FillGroup(1, 9);
  EXPECT_EQ(form.VScrollN->maximum(), 3);
  EXPECT_EQ(form.VScrollN->value(), 3);
  EXPECT_EQ(NodeRowsShown(), "3 4 5 6 7 8 9");
  Click(form.ButtonNewN);
  EXPECT_EQ(form.VScrollN->maximum(), 4);
  EXPECT_EQ(NodeRowsShown(), "4 5 6 7 8 9 10");
  EXPECT_EQ(Group().ActiveNode, 10);
  EXPECT_EQ(CheckedRow(form.NodeAct), 7);
  EXPECT_EQ(NodeAt(ActiveLayout(), 10), NodeAt(ActiveLayout(), 9));

  Click(form.NodeAct[2]);  // point 5
  Click(form.ButtonCopyN);
  EXPECT_EQ(NodeAt(ActiveLayout(), 11), NodeAt(ActiveLayout(), 5));
  EXPECT_EQ(Group().ActiveNode, 11);
  EXPECT_EQ(Text(form.LNNode), "11");
}

TEST_F(NodeGrid, ThePointLimitIsRefused) {
  FillGroup(1, 1999);
  Click(form.NodeAct[2]);
  prompter.ExpectMessage("Numero di nodi eccessivo ", "PROBLEMA", 16);
  Click(form.ButtonCopyN);
  EXPECT_EQ(ActiveLayout().NodeCount, 1999);
  EXPECT_EQ(Group().ActiveNode, 1994);

  prompter.ExpectMessage("Numero di nodi eccessivo ", "PROBLEMA", 16);
  Click(form.ButtonNewN);
  EXPECT_EQ(ActiveLayout().NodeCount, 1999);
  EXPECT_EQ(Group().ActiveNode, 1999);
}

// One click removes the point at once; a double click is one click, not two
// removals.
TEST_F(NodeGrid, ClickOnAnOrdinalRemovesThatPoint) {
  FillGroup(1, 5);
  Click(form.Labelnn[3]);
  ASSERT_EQ(ActiveLayout().NodeCount, 4);
  EXPECT_EQ(ActiveLayout().Y[3], 4.0);
  EXPECT_EQ(Group().ActiveNode, 4);
  EXPECT_EQ(CheckedRow(form.NodeAct), 4);

  QTest::mouseClick(form.Labelnn[1], Qt::LeftButton);
  QTest::mouseDClick(form.Labelnn[1], Qt::LeftButton);
  QTest::mouseRelease(form.Labelnn[1], Qt::LeftButton);
  EXPECT_EQ(ActiveLayout().NodeCount, 3);
}

TEST_F(NodeGrid, RemoveAllPointsAsksAndOnlyYesEmptiesTheLayout) {
  FillGroup(2, 4);
  prompter.ExpectMessage("Rimuovere tutti i nodi ?", "ATTENZIONE", 52, kAnswerNo);
  Click(form.ButtonRemoveN);
  EXPECT_EQ(ActiveLayout().NodeCount, 4);

  prompter.ExpectMessage("Rimuovere tutti i nodi ?", "ATTENZIONE", 52, kAnswerYes);
  Click(form.ButtonRemoveN);
  EXPECT_EQ(ActiveLayout().NodeCount, 0);
  EXPECT_EQ(Group().Layouts[1].NodeCount, 4);
  EXPECT_EQ(NodeRowsShown() + Text(form.LNNode), "0");
  for (QPushButton* button :
       {form.ButtonCopyN, form.ButtonRemoveN, form.DrawLayo, form.Command1, form.Command2}) {
    EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
  }
}

// A missing node puts the stored one back; a node without section stays
// typed and is reported again when the box is left.
TEST_F(NodeGrid, NodeNumbersAreCheckedAgainstTheStructure) {
  FillGroup(1, 3);
  Type(form.NodeName[2], "99");
  PressKey(form.NodeName[2], Qt::Key_Return);  // no active point: no check
  Click(form.NodeAct[1]);
  for (const char* missing : {"99", "70000"}) {
    Type(form.NodeName[2], missing);
    prompter.ExpectMessage("Nodo non esistente ", "PROBLEMA", 48);
    PressKey(form.NodeName[2], Qt::Key_Return);
    EXPECT_EQ(Text(form.NodeName[2]), "12") << missing;
  }

  const std::string noSection =
      "Nodo non associato a nessuna sezione o non appartenente alla membratura attiva ";
  Type(form.NodeName[2], "15");
  prompter.ExpectMessage(noSection, "PROBLEMA", 48);
  PressKey(form.NodeName[2], Qt::Key_Return);
  EXPECT_EQ(Text(form.NodeName[2]), "15");
  prompter.ExpectMessage(noSection, "PROBLEMA", 48);
  Focus(form.NodeName[3]);
  EXPECT_EQ(ActiveLayout().NodeIndex[2], 2);

  Type(form.NodeName[2], "14");
  PressKey(form.NodeName[2], Qt::Key_Return);
  EXPECT_EQ(ActiveLayout().NodeIndex[2], 4);
}

TEST_F(NodeGrid, NumericFieldsStoreTheLeadingNumber) {
  FillGroup(1, 2);
  struct Case {
    const char* text;
    double stored;
  };
  for (const Case& c :
       {Case{"1,5", 1}, Case{"2 5", 25}, Case{"3E2", 300}, Case{"12abc", 12}, Case{"abc", 0}}) {
    Type(form.TCoordZ[1], c.text);
    Focus(form.TCoordZ[2]);
    EXPECT_EQ(ActiveLayout().Z[1], c.stored) << c.text;
  }
  // Too big for a double: nothing stored, the old value shown again.
  Type(form.TCoordZ[1], "3E2");
  Focus(form.TCoordZ[2]);
  Type(form.TCoordZ[1], "1e400");
  Focus(form.TCoordZ[2]);
  EXPECT_EQ(ActiveLayout().Z[1], 300);
  EXPECT_EQ(Text(form.TCoordZ[1]), "300");

  Type(form.TCoordY[1], "7.25");
  PressKey(form.TCoordY[1], Qt::Key_Return);
  EXPECT_EQ(ActiveLayout().Y[1], 7.25);
  Type(form.TAngDisto[1], "0.02");
  PressKey(form.TAngDisto[1], Qt::Key_Return);
  EXPECT_EQ(ActiveLayout().AngDistortion[1], 0.0);
  Focus(form.TAngDisto[2]);
  EXPECT_EQ(ActiveLayout().AngDistortion[1], 0.02);
}

// The rows show one decimal; leaving a field stores what it shows, so a
// visit rounds the point's value.
TEST_F(NodeGrid, VisitingAFieldRoundsItsValueToOneDecimal) {
  FillGroup(1, 2);
  ActiveLayout().Y[1] = 12.34;
  ActiveLayout().Z[1] = -12.36;
  form.RefreshTextN(1, 2);
  EXPECT_EQ(Text(form.TCoordY[1]) + " " + Text(form.TCoordZ[1]), "12.3 -12.4");
  Focus(form.TCoordY[1]);
  EXPECT_EQ(form.TCoordY[1]->selectedText().toStdString(), "12.3");
  Focus(form.TCoordZ[1]);
  Focus(form.TCoordY[2]);
  EXPECT_EQ(ActiveLayout().Y[1], 12.3);
  EXPECT_EQ(ActiveLayout().Z[1], -12.4);
}

TEST_F(NodeGrid, ArrowKeysStopAtTheEdgesOfTheLayout) {
  FillGroup(1, 3);
  Focus(form.TCoordY[3]);
  PressKey(form.TCoordY[3], Qt::Key_Down);
  EXPECT_TRUE(form.TCoordY[3]->hasFocus());
  PressKey(form.TCoordY[3], Qt::Key_Up);
  EXPECT_TRUE(form.TCoordY[2]->hasFocus());

  FillGroup(1, 20);
  Focus(form.TAngDisto[7]);
  PressKey(form.TAngDisto[7], Qt::Key_Down);
  EXPECT_EQ(form.VScrollN->value(), 14);  // already at the end
  form.VScrollN->setValue(12);
  PressKey(form.TAngDisto[7], Qt::Key_Down);
  EXPECT_EQ(form.VScrollN->value(), 13);
  EXPECT_TRUE(form.TAngDisto[7]->hasFocus());
  EXPECT_EQ(Text(form.Labelnn[7]), "19");

  Focus(form.NodeName[1]);
  PressKey(form.NodeName[1], Qt::Key_Up);
  EXPECT_EQ(Text(form.Labelnn[1]), "12");
  form.VScrollN->setValue(1);
  PressKey(form.NodeName[1], Qt::Key_Up);
  EXPECT_EQ(form.VScrollN->value(), 1);
  EXPECT_TRUE(form.NodeName[1]->hasFocus());
}

}  // namespace
