// The mouse and wheel rules, on a field, a combo box and a scroll bar in a
// window of their own, driven by the pointer and the keys as the platform
// delivers them.

#include "editor/pointer_rules.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <string>
#include <vector>

#include "tests/support/real_input.h"

namespace {

// Notes each step of leaving the field and of moving the bar, in order.
// A refusing field takes the focus back, as a field does after its message.
class Panel : public QWidget {
 public:
  Panel() {
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(&field), static_cast<QWidget*>(&other),
                       static_cast<QWidget*>(&box), static_cast<QWidget*>(&bar)}) {
      layout->addWidget(w);
    }
    bar.setOrientation(Qt::Vertical);
    bar.setRange(1, 20);
    bar.setPageStep(7);
    bar.setMinimumHeight(200);
    box.addItems({"19T15", "27T15", "31T15"});
    field.installEventFilter(this);
    connect(&bar, &QScrollBar::valueChanged, this, [this] { steps.push_back("scroll"); });
    SelectAllOnClickFocus(field);
    SelectAllOnClickFocus(other);
    WheelOnlyWhenFocused(box);
    FocusBeforeScrolling(bar, [this] { return refusesByMessage; });
    resize(200, 320);
    show();
    activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(this));
  }
  ~Panel() override { field.removeEventFilter(this); }

  QPoint On(QStyle::SubControl part) {
    const QPoint at = ScrollBarPart(bar, part);
    return part == QStyle::SC_ScrollBarAddPage ? at + QPoint(0, bar.height() / 8) : at;
  }

  QLineEdit field;
  QLineEdit other;
  QComboBox box;
  QScrollBar bar;
  bool refuses = false;           // takes the focus back
  bool refusesByMessage = false;  // lets it go, after a message
  std::vector<std::string> steps;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::FocusOut) return false;
    steps.push_back("store " + field.text().toStdString());
    if (refuses) field.setFocus();
    return false;
  }
};

// Every way the mouse moves the bar stores the field first; a field that
// refuses its value keeps the rows where they are.
TEST(PointerRules, AScrollBarClickStoresTheFieldBeforeTheRowsMove) {
  enum class Way { kArrow, kTrough, kThumbDrag };
  for (const Way way : {Way::kArrow, Way::kTrough, Way::kThumbDrag}) {
    for (const int refusal : {0, 1, 2}) {
      SCOPED_TRACE(static_cast<int>(way) * 3 + refusal);
      const bool refuses = refusal != 0;
      Panel panel;
      panel.refuses = refusal == 1;
      panel.refusesByMessage = refusal == 2;
      panel.field.setFocus(Qt::TabFocusReason);
      QTest::keyClicks(&panel.field, "777");
      const QPoint at = panel.On(way == Way::kArrow    ? QStyle::SC_ScrollBarAddLine
                                 : way == Way::kTrough ? QStyle::SC_ScrollBarAddPage
                                                       : QStyle::SC_ScrollBarSlider);
      QTest::mousePress(&panel.bar, Qt::LeftButton, {}, at);
      if (way == Way::kThumbDrag) QTest::mouseMove(&panel.bar, at + QPoint(0, 40));
      QTest::mouseRelease(&panel.bar, Qt::LeftButton, {}, at + QPoint(0, way == Way::kThumbDrag ? 40 : 0));
      ASSERT_FALSE(panel.steps.empty());
      EXPECT_EQ(panel.steps.front(), "store 777");
      if (refuses) {
        EXPECT_EQ(panel.bar.value(), 1);
      } else {
        EXPECT_GT(panel.bar.value(), 1);
        EXPECT_EQ(panel.steps.back(), "scroll");
      }
    }
  }
}

// Clicked anywhere in it, a field takes the whole text, so that typing
// replaces it; by the keyboard it does already.
TEST(PointerRules, AFieldClickedIntoSelectsAllItsText) {
  Panel panel;
  panel.other.setFocus(Qt::TabFocusReason);
  for (QLineEdit* field : {&panel.field, &panel.other}) {
    field->setText("15");
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 4, field->height() / 2));
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "25");
    EXPECT_EQ(field->text().toStdString(), "25");
    QTest::keyClicks(field, "0");  // the next keys add, as usual
    EXPECT_EQ(field->text().toStdString(), "250");
  }
}

// The wheel changes a cable type only in the box that has the focus.
TEST(PointerRules, TheWheelChangesOnlyAFocusedComboBox) {
  Panel panel;
  panel.field.setFocus(Qt::TabFocusReason);
  TurnWheel(&panel.box, -1);
  EXPECT_EQ(panel.box.currentIndex(), 0);
  EXPECT_TRUE(panel.field.hasFocus());
  panel.box.setFocus(Qt::TabFocusReason);
  TurnWheel(&panel.box, -1);
  EXPECT_EQ(panel.box.currentIndex(), 1);
}

}  // namespace
