#include "editor/toolkit_rules.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <array>

namespace {

// Three option buttons in an exclusive group, each click counted.
struct Options {
  QWidget parent;
  QButtonGroup group;
  std::array<QRadioButton*, 3> buttons{};
  std::array<int, 3> clicks{};

  Options() {
    for (int k = 0; k < 3; ++k) {
      buttons[k] = new QRadioButton(&parent);
      group.addButton(buttons[k]);
      QObject::connect(buttons[k], &QRadioButton::clicked, [this, k] { ++clicks[k]; });
    }
  }
};

// Selecting from code must run the click handler as the user's click does,
// once, and only when the selection moves: the grids raise it on every
// refresh, and a second run would redo the node grid and the drawing.
TEST(ToolkitRules, SelectingAnOptionFromCodeRaisesItsClickOnce) {
  Options options;
  EXPECT_TRUE(SelectOption(*options.buttons[1]));
  EXPECT_EQ(options.clicks, (std::array<int, 3>{0, 1, 0}));
  EXPECT_FALSE(SelectOption(*options.buttons[1]));
  EXPECT_EQ(options.clicks[1], 1);

  EXPECT_TRUE(SelectOption(*options.buttons[2]));
  EXPECT_FALSE(options.buttons[1]->isChecked());
  EXPECT_EQ(options.clicks, (std::array<int, 3>{0, 1, 1}));

  // A hidden row is selected all the same, as its grid asks.
  options.buttons[0]->hide();
  EXPECT_TRUE(SelectOption(*options.buttons[0]));
  EXPECT_EQ(options.clicks[0], 1);
}

TEST(ToolkitRules, ClearingOptionsRaisesNothing) {
  Options options;
  SelectOption(*options.buttons[0]);
  ClearOptions(options.group);
  for (QRadioButton* button : options.buttons) EXPECT_FALSE(button->isChecked());
  EXPECT_EQ(options.clicks, (std::array<int, 3>{1, 0, 0}));
  EXPECT_TRUE(options.group.exclusive());
  // Selecting the same button again is a move of the selection.
  EXPECT_TRUE(SelectOption(*options.buttons[0]));
}

// The user's own click reaches the handler once too.
TEST(ToolkitRules, UserClickOnAnOptionRaisesItsClickOnce) {
  Options options;
  options.parent.show();
  QTest::mouseClick(options.buttons[2], Qt::LeftButton);
  EXPECT_TRUE(options.buttons[2]->isChecked());
  EXPECT_EQ(options.clicks, (std::array<int, 3>{0, 0, 1}));
}

// A new range clamps the value on its way (0 -> 1 -> 2 here); the grid must
// see only where the bar ends, or it would fill its rows twice, once from a
// position the bar never really takes.
TEST(ToolkitRules, ConfiguringAScrollBarRaisesOneChangeForTheFinalValue) {
  QScrollBar bar(Qt::Vertical);
  QSignalSpy changes(&bar, &QScrollBar::valueChanged);
  ConfigureScrollRange(bar, {1, 2, 7, 1, 2});
  ASSERT_EQ(changes.count(), 1);
  EXPECT_EQ(changes.at(0).at(0).toInt(), 2);
  EXPECT_EQ(bar.pageStep(), 7);

  // Shrinking clamps the value to the new end, which is where it goes anyway.
  bar.setValue(4);
  changes.clear();
  ConfigureScrollRange(bar, {1, 5, 7, 1, 5});
  ConfigureScrollRange(bar, {1, 3, 7, 1, 3});
  ASSERT_EQ(changes.count(), 2);
  EXPECT_EQ(changes.at(1).at(0).toInt(), 3);

  changes.clear();
  ConfigureScrollRange(bar, {1, 3, 7, 1, 3});
  EXPECT_EQ(changes.count(), 0);
}

TEST(ToolkitRules, ScrollValueChangesFromCodeAndUserRaiseOneChangeEach) {
  QScrollBar bar(Qt::Vertical);
  ConfigureScrollRange(bar, {1, 4, 7, 1, 4});
  QSignalSpy changes(&bar, &QScrollBar::valueChanged);
  SetScrollValue(bar, 4);
  EXPECT_EQ(changes.count(), 0);
  SetScrollValue(bar, 3);
  EXPECT_EQ(changes.count(), 1);
  bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(changes.count(), 2);
  EXPECT_EQ(bar.value(), 2);
}

}  // namespace
