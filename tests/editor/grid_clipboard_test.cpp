#include "editor/grid_clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <string>

namespace {

// Ctrl+C copies the grid's table unless the box has text selected; Ctrl+V
// hands a table to the grid and leaves other text to the box. Relies on the
// in-process clipboard of the offscreen platform.
TEST(GridClipboard, TablesGoToTheGridAndTextToTheBox) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* box = new QLineEdit("12,5", &window);
  auto* option = new QRadioButton(&window);
  layout->addWidget(box);
  layout->addWidget(option);
  std::string pasted;
  auto* clipboardKeys = new GridClipboard(&window);
  clipboardKeys->Watch({{box, option}, [] { return std::string("Nodo\t\n101\t\n"); },
                        [&pasted](const std::string& text) { pasted = text; }});
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QClipboard& clipboard = *QGuiApplication::clipboard();

  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.text(), "12,5");
  box->deselect();
  QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.text(), "Nodo\t\n101\t\n");

  clipboard.setText("7");
  box->selectAll();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "7");
  EXPECT_EQ(pasted, "");
  clipboard.setText("101\t0\r\n");
  option->setFocus();
  QTest::keyClick(option, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(pasted, "101\t0\r\n");
  EXPECT_EQ(box->text(), "7");
}

}  // namespace
