#include "editor/undo_keys.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "editor/change_header.h"
#include "editor/group_history.h"

namespace {

// A window whose one box stores the group description when it loses the
// focus, recording a step as the main window's boxes do.
struct BoxWindow : QObject {
  LayoutGroup& group;
  GroupHistory history;
  QWidget window;
  QLineEdit* box = new QLineEdit(&window);
  QPushButton* button = new QPushButton("Altro", &window);
  UndoKeys* keys = nullptr;

  explicit BoxWindow(LayoutGroup& g) : group(g) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(box);
    layout->addWidget(button);
    box->installEventFilter(this);
    keys = new UndoKeys(window, history);
    window.show();
    window.activateWindow();
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      GroupHeader was = TakeHeader(group);
      group.GroupDescription = box->text().toStdString();
      history.Record(new ChangeHeader(
          group, SelectionOf(group),
          [this](const GroupSelection&) {
            box->setText(QString::fromStdString(group.GroupDescription));
          },
          std::move(was)));
    }
    return false;
  }
};

// Ctrl+Z first undoes the box's own unstored typing and leaves the group
// alone; with no typing left it stores the box and undoes the group's last
// step; Ctrl+Y and Ctrl+Shift+Z redo it. A filter that took every Ctrl+Z
// would lose the box's typing; one that never did would never reach the
// group from a box.
TEST(UndoKeys, BoxTypingFirstThenTheGroup) {
  auto group = std::make_unique<LayoutGroup>();
  BoxWindow w(*group);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  w.box->setFocus();
  QTest::keyClicks(w.box, "Trave");
  w.button->setFocus();
  ASSERT_EQ(group->GroupDescription, "Trave");
  w.box->setFocus();
  QTest::keyClicks(w.box, "X");
  QTest::keyClick(w.box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w.box->text(), "Trave");
  EXPECT_EQ(group->GroupDescription, "Trave");
  EXPECT_FALSE(w.history.CanRedo());

  QTest::keyClick(w.box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(group->GroupDescription, "");
  EXPECT_EQ(w.box->text(), "");
  EXPECT_TRUE(w.box->hasFocus());

  QTest::keyClick(w.box, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(group->GroupDescription, "Trave");
  w.button->setFocus();
  QTest::keyClick(w.button, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(group->GroupDescription, "");
  QTest::keyClick(w.button, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(group->GroupDescription, "Trave");
}

}  // namespace
