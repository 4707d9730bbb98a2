#include "editor/verify_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "tests/editor/editor_window.h"

namespace {

using VerifyWindowTest = EditorWindow;

// The row of the table that names layout and point; -1 for none.
int RowOf(const QTableWidget& table, int layout, int point) {
  for (int row = 0; row < table.rowCount(); ++row) {
    if (table.item(row, 0)->text() == QString::number(layout) &&
        table.item(row, 1)->text() == QString::number(point)) {
      return row;
    }
  }
  return -1;
}

// F7 opens the window; "Verifica" fills the table (point 21 of each layout
// leaves the 40 x 40 section); double-clicking a row makes its layout
// and point active through the grids; a change of the group empties the
// table.
TEST_F(VerifyWindowTest, F7VerifyAndDoubleClickActivateThePoint) {
  FillGroup(10, 21);
  form.RecordGroupChange();
  QTest::keyClick(&form, Qt::Key_F7);
  ASSERT_NE(form.Verify, nullptr);
  form.Verify->resize(700, 900);  // every row in sight
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Verify));
  QTest::mouseClick(form.Verify->VerifyButton, Qt::LeftButton);
  QTableWidget& table = *form.Verify->Table;
  EXPECT_EQ(form.Verify->Summary->text(), "Problemi: 10");

  const int row = RowOf(table, 3, 21);
  ASSERT_GE(row, 0);
  EXPECT_EQ(table.item(row, 3)->text(), "fuori dal calcestruzzo");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        return table.viewport()->rect().contains(table.visualItemRect(table.item(row, 3)).center());
      },
      2000));
  const QPoint at = table.visualItemRect(table.item(row, 3)).center();
  // What the window system sends for a double-click: a click, then the
  // second press as a double-click, then its release (QTest's own
  // mouseDClick on a widget sends only the middle one).
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, at);

  EXPECT_EQ(Group().ActiveLayout, 3);
  EXPECT_EQ(Group().ActiveNode, 21);
  const int layoutRow = CheckedRow(form.LayoAct);
  ASSERT_GT(layoutRow, 0);
  EXPECT_EQ(Text(form.LabelN[layoutRow]), "3");
  const int pointRow = CheckedRow(form.NodeAct);
  ASSERT_GT(pointRow, 0);
  EXPECT_EQ(Text(form.Labelnn[pointRow]), "21");

  // A new layout changes the group.
  Click(form.ButtonNewT);
  ASSERT_EQ(Group().LayoutCount, 11);
  EXPECT_TRUE(QTest::qWaitFor([&] { return table.rowCount() == 0; }, 2000));
}

// A limit that does not read, or is negative, is said and nothing is checked.
TEST_F(VerifyWindowTest, ALimitThatDoesNotReadIsRefused) {
  FillGroup(1, 30);
  QTest::keyClick(&form, Qt::Key_F7);
  ASSERT_NE(form.Verify, nullptr);
  for (const char* text : {"due", "-1"}) {
    form.Verify->RadiusBox->setText(text);
    prompter.ExpectMessage(std::string("Valore non valido ") + text, "PROBLEMA", 48);
    QTest::mouseClick(form.Verify->VerifyButton, Qt::LeftButton);
    EXPECT_EQ(form.Verify->Table->rowCount(), 0) << text;
  }
}

}  // namespace
