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

// F7 opens the window; "Verifica" fills the table (points 21 to 30 of each
// layout leave the 40 x 40 section); double-clicking a row makes its layout
// and point active through the grids; an edit empties the table.
TEST_F(VerifyWindowTest, F7VerifyAndDoubleClickActivateThePoint) {
  FillGroup(10, 30);
  QTest::keyClick(&form, Qt::Key_F7);
  ASSERT_NE(form.Verify, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Verify));
  QTest::mouseClick(form.Verify->VerifyButton, Qt::LeftButton);
  QTableWidget& table = *form.Verify->Table;
  EXPECT_EQ(form.Verify->Summary->text(), "Problemi: 100");

  const int row = RowOf(table, 3, 25);
  ASSERT_GE(row, 0);
  EXPECT_EQ(table.item(row, 3)->text(), "fuori dal calcestruzzo");
  table.scrollToItem(table.item(row, 0));
  // The view lays itself out and scrolls on its next turn of the loop.
  QTRY_VERIFY(table.viewport()->rect().contains(table.visualItemRect(table.item(row, 3)).center()));
  const QPoint at = table.visualItemRect(table.item(row, 3)).center();
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);

  EXPECT_EQ(Group().ActiveLayout, 3);
  EXPECT_EQ(Group().ActiveNode, 25);
  const int layoutRow = CheckedRow(form.LayoAct);
  ASSERT_GT(layoutRow, 0);
  EXPECT_EQ(Text(form.LabelN[layoutRow]), "3");
  const int pointRow = CheckedRow(form.NodeAct);
  ASSERT_GT(pointRow, 0);
  EXPECT_EQ(Text(form.Labelnn[pointRow]), "25");

  // Back to the main window to edit the point.
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  Type(form.TCoordY[pointRow], "0");
  Focus(form.TCoordZ[pointRow]);
  ASSERT_EQ(Group().Layouts[3].Y[25], 0.0);
  QTRY_COMPARE(table.rowCount(), 0);
}

}  // namespace
