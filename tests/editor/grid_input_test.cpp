// The grids under the real pointer and keys: a click on a scroll bar, a
// click into a field, the wheel over a cable type box.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "tests/editor/editor_window.h"
#include "tests/support/real_input.h"

namespace {

using GridInput = EditorWindow;

// One field kind of either grid: its column, the grid's scroll bar, and
// what the records hold for the item shown in a row.
struct FieldKind {
  const char* name;
  RowArray<QLineEdit> FormPri::*column;
  bool nodeGrid;
  const char* typed;
  std::function<double(const LayoutGroup&, int item)> stored;
  double expected;
};

std::vector<FieldKind> FieldKinds() {
  return {
      {"LayoName", &FormPri::LayoName, false, "77",
       [](const LayoutGroup& g, int item) { return g.Layouts[item].Name * 1.0; }, 77},
      {"NodeName", &FormPri::NodeName, true, "13",
       [](const LayoutGroup& g, int item) { return g.Layouts[g.ActiveLayout].NodeIndex[item] * 1.0; }, 3},
      {"TCoordY", &FormPri::TCoordY, true, "777",
       [](const LayoutGroup& g, int item) { return g.Layouts[g.ActiveLayout].Y[item]; }, 777},
      {"TCoordZ", &FormPri::TCoordZ, true, "777",
       [](const LayoutGroup& g, int item) { return g.Layouts[g.ActiveLayout].Z[item]; }, 777},
      {"TAngDisto", &FormPri::TAngDisto, true, "777",
       [](const LayoutGroup& g, int item) { return g.Layouts[g.ActiveLayout].AngDistortion[item]; }, 777},
  };
}

int Item(const QLabel* ordinal) { return ordinal->text().toInt(); }

// A click at the end of a field, then the new value typed.
void ClickAndType(QLineEdit* field, const char* text) {
  QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 3, field->height() / 2));
  QTest::keyClicks(field, text);
}

// The value typed belongs to the item it was typed for: every way of
// moving the rows (the bar's arrow, its trough, a drag of its thumb, the
// arrow key at the last row) stores it first, in both grids.
TEST_F(GridInput, MovingTheRowsStoresTheFieldFirst) {
  enum class Way { kArrow, kTrough, kThumbDrag, kArrowKey };
  for (const FieldKind& kind : FieldKinds()) {
    for (const Way way : {Way::kArrow, Way::kTrough, Way::kThumbDrag, Way::kArrowKey}) {
      SCOPED_TRACE(std::string(kind.name) + " way " + std::to_string(static_cast<int>(way)));
      FillGroup(12, 12);
      Click(form.NodeAct[1]);
      QScrollBar* bar = kind.nodeGrid ? form.VScrollN : form.VScrollT;
      bar->setValue(1);
      const RowArray<QLabel>& ordinals = kind.nodeGrid ? form.Labelnn : form.LabelN;
      const int row = way == Way::kArrowKey ? kGridRows : 1;
      const int item = Item(ordinals[row]);
      ClickAndType((form.*kind.column)[row], kind.typed);
      if (way == Way::kArrowKey) {
        PressKey((form.*kind.column)[row], Qt::Key_Down);
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
      EXPECT_DOUBLE_EQ(kind.stored(Group(), item), kind.expected);
    }
  }
}

// A value refused with a message keeps the rows where they are.
TEST_F(GridInput, ARefusedValueCancelsTheScroll) {
  FillGroup(12, 12);
  Click(form.NodeAct[1]);
  form.VScrollN->setValue(1);
  ClickAndType(form.NodeName[1], "99");
  prompter.ExpectMessage("Nodo non esistente ", "PROBLEMA", 48);
  QTest::mouseClick(form.VScrollN, Qt::LeftButton, {},
                    ScrollBarPart(*form.VScrollN, QStyle::SC_ScrollBarAddLine));
  EXPECT_EQ(form.VScrollN->value(), 1);
  EXPECT_EQ(Text(form.NodeName[1]), "11");
}

// Clicked anywhere in it, a field takes its whole text, as by the keyboard.
TEST_F(GridInput, AFieldClickedIntoTakesItsWholeText) {
  for (const FieldKind& kind : FieldKinds()) {
    SCOPED_TRACE(kind.name);
    FillGroup(2, 2);
    Click(form.NodeAct[1]);
    QLineEdit* field = (form.*kind.column)[1];
    const int item = Item(kind.nodeGrid ? form.Labelnn[1] : form.LabelN[1]);
    ClickAndType(field, kind.typed);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_DOUBLE_EQ(kind.stored(Group(), item), kind.expected);
  }
}

// The wheel over a cable type box that does not have the focus changes
// nothing; over the focused one it chooses, as a key would.
TEST_F(GridInput, TheWheelChangesOnlyTheFocusedCableType) {
  FillGroup(3, 1);
  Focus(form.LayoName[1]);
  for (int row = 1; row <= 3; ++row) TurnWheel(form.CableName[row], -1);
  for (int layout = 1; layout <= 3; ++layout) EXPECT_EQ(Group().Layouts[layout].CableType, 1);
  EXPECT_TRUE(form.LayoName[1]->hasFocus());
  PressKey(form.LayoName[1], Qt::Key_Tab);
  ASSERT_TRUE(form.CableName[1]->hasFocus());
  TurnWheel(form.CableName[1], -1);
  EXPECT_EQ(Group().Layouts[1].CableType, 2);
}

}  // namespace
