// The window's parts that stand alone: the toolkit rules the grids rely on,
// the arrow keys' moves, the window font, the cable-type box and the style's
// images.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <tuple>

#include "editor/cable_type_box.h"
#include "editor/grid_rows.h"
#include "editor/style_images.h"
#include "editor/toolkit_rules.h"
#include "editor/window_font.h"

namespace {

// Selecting an option from code must run its click handler as the user's
// click does, once, and only when the selection moves: the grids raise it on
// every refresh, and a second run would redo the node grid and the drawing.
// Clearing raises nothing.
TEST(ToolkitRules, AnOptionRaisesItsClickOnceAndOnlyWhenSelectionMoves) {
  QWidget parent;
  QButtonGroup group;  // exclusive: it never lets its selected button go by itself
  auto* button = new QRadioButton(&parent);
  group.addButton(button);
  int clicks = 0;
  QObject::connect(button, &QRadioButton::clicked, [&clicks] { ++clicks; });
  EXPECT_TRUE(SelectOption(*button));
  EXPECT_FALSE(SelectOption(*button));

  ClearOptions(group);
  EXPECT_EQ(group.checkedButton(), nullptr);
  // Selecting the same button again is a move; a hidden row is selected all
  // the same, as its grid asks.
  button->hide();
  EXPECT_TRUE(SelectOption(*button));
  EXPECT_EQ(clicks, 2);
}

// A new range clamps the value on its way (0 -> 1 -> 2 here); the grid must
// see only where the bar ends, or it would fill its rows twice, once from a
// position the bar never really takes. A value set from code or by the user
// raises one change, none when it stays.
TEST(ToolkitRules, ScrollBarsRaiseOneChangeForTheFinalValue) {
  QScrollBar bar(Qt::Vertical);
  QSignalSpy changes(&bar, &QScrollBar::valueChanged);
  ConfigureScrollRange(bar, {1, 2, 7, 1, 2});
  ASSERT_EQ(changes.count(), 1);
  EXPECT_EQ(changes.at(0).at(0).toInt() * 10 + bar.pageStep(), 27);

  // Shrinking clamps the value to the new end, which is where it goes anyway.
  bar.setValue(4);
  changes.clear();
  ConfigureScrollRange(bar, {1, 5, 7, 1, 5});
  ConfigureScrollRange(bar, {1, 3, 7, 1, 3});
  ConfigureScrollRange(bar, {1, 3, 7, 1, 3});
  ASSERT_EQ(changes.count(), 2);
  EXPECT_EQ(changes.at(1).at(0).toInt(), 3);

  SetScrollValue(bar, 3);
  SetScrollValue(bar, 2);
  bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(changes.count(), 4);
}

// The moves at the edges that the grid test does not reach (it scrolls both
// ways and stops at the end of a long layout).
TEST(GridRows, ArrowKeysMoveWithinTheItemsAndScrollAtTheEdges) {
  const GridScroll hidden{false, 1, 1};
  // The key, the row it is pressed in, the items, the bar, the move.
  const std::tuple<int, int, int, GridScroll, ArrowMove> cases[] = {
      {kKeyDown, 2, 3, hidden, ArrowMove::kFocusDown},
      {kKeyDown, 3, 3, hidden, ArrowMove::kNone},  // the last item
      // The row, not the item, is compared with the count.
      {kKeyDown, 2, 10, {true, 4, 4}, ArrowMove::kFocusDown},
      {kKeyUp, 1, 10, {true, 1, 4}, ArrowMove::kNone},
      {kKeyUp, 2, 10, {true, 2, 4}, ArrowMove::kFocusUp},  // the second row still moves
      // A hidden bar keeps its old position, yet row 1 shows item 1.
      {kKeyUp, 1, 5, {false, 3, 4}, ArrowMove::kNone},
      {kKeyEnter, 2, 10, {true, 2, 4}, ArrowMove::kNone},
  };
  for (const auto& [key, row, count, scroll, move] : cases) {
    EXPECT_EQ(GridArrowMove(key, row, count, scroll), move)
        << "key " << key << " row " << row << " count " << count;
  }
}

// Small Fonts where installed; elsewhere the application font shrinks, in
// points or pixels, but never below legibility.
TEST(WindowFont, PrefersSmallFontsElseShrinksTheApplicationFont) {
  QFont font(QStringLiteral("DejaVu Sans"));
  const QFont small = WindowFont(font, {QStringLiteral("Arial"), QStringLiteral("Small Fonts")});
  EXPECT_EQ(small.family().toStdString(), "Small Fonts");
  for (const auto& [points, expected] : {std::pair{10.0, 8.5}, {8.0, 7.0}, {6.0, 7.0}}) {
    font.setPointSizeF(points);
    const QFont shrunk = WindowFont(font, {QStringLiteral("DejaVu Sans")});
    EXPECT_DOUBLE_EQ(shrunk.pointSizeF(), expected) << points << " pt";
  }
  font.setPixelSize(20);
  EXPECT_EQ(WindowFont(font, {}).pixelSize(), 17);
}

// The cable-type box takes the size a box with the toolkit's "minimum
// contents length with icon" policy takes, in any font, with or without
// entries; unlike that box it has built no popup list.
TEST(CableTypeBox, SizedAsThePolicyBoxWithoutBuildingItsList) {
  QFont bold(QStringLiteral("DejaVu Sans"));
  bold.setPixelSize(20);
  bold.setBold(true);
  QFont small(QStringLiteral("DejaVu Sans"), 7);
  const std::tuple<QFont, int, QStringList> cases[] = {
      {QFont(), 14, {}},
      {small, 14, {QStringLiteral("CAVO 7T15"), QStringLiteral("CAVO 12T15 MOLTO PIU LUNGO")}},
      {bold, 3, {QStringLiteral("CAVO 7T15")}},
  };
  for (const auto& [font, characters, entries] : cases) {
    QWidget parent;
    parent.setFont(font);
    QComboBox policy(&parent);
    policy.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    policy.setMinimumContentsLength(characters);
    policy.addItems(entries);
    CableTypeBox box(characters, &parent);
    box.addItems(entries);
    EXPECT_EQ(box.sizeHint(), policy.sizeHint()) << font.toString().toStdString();
    EXPECT_EQ(box.minimumSizeHint(), policy.minimumSizeHint()) << font.toString().toStdString();
    EXPECT_EQ(box.findChild<QAbstractItemView*>(), nullptr);
    EXPECT_NE(policy.findChild<QAbstractItemView*>(), nullptr);
  }
}

// The style loads its group-box frame by file name: after the start-up's
// preload it gets the pixmap already made, not a fresh decoding (every
// pixmap is numbered as it is made, so the one found is older than one made
// just before loading), with the pixels the file holds.
TEST(StyleImages, TheStyleFindsItsGroupBoxFrameAlreadyLoaded) {
  if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
    GTEST_SKIP() << "a style without the frame image";
  }
  const QString frame =
      QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
  QPixmapCache::clear();
  PreloadStyleImages();
  const qint64 madeBeforeLoading = QPixmap(1, 1).cacheKey();
  const QPixmap loaded(frame);
  EXPECT_LT(loaded.cacheKey(), madeBeforeLoading);
  EXPECT_EQ(loaded.toImage(), QImage(frame).convertToFormat(loaded.toImage().format()));
}

}  // namespace
