#include "editor/grid_rows.h"

#include <gtest/gtest.h>

namespace {

TEST(GridRows, ArrowKeysMoveWithinTheItemsAndScrollAtTheEdges) {
  struct Case {
    int key;
    int row;
    int count;
    GridScroll scroll;
    ArrowMove move;
  };
  const GridScroll hidden{false, 1, 1};
  const Case cases[] = {
      {kKeyDown, 2, 3, hidden, ArrowMove::kFocusDown},
      {kKeyDown, 3, 3, hidden, ArrowMove::kNone},  // the last item
      {kKeyDown, 7, 10, {true, 2, 4}, ArrowMove::kScrollDown},
      {kKeyDown, 7, 10, {true, 4, 4}, ArrowMove::kNone},  // scrolled to the end
      // The row, not the item, is compared with the count.
      {kKeyDown, 2, 10, {true, 4, 4}, ArrowMove::kFocusDown},
      {kKeyUp, 4, 10, {true, 4, 4}, ArrowMove::kFocusUp},
      {kKeyUp, 1, 10, {true, 2, 4}, ArrowMove::kScrollUp},
      {kKeyUp, 1, 10, {true, 1, 4}, ArrowMove::kNone},
      // A hidden bar keeps its old position, yet row 1 shows item 1.
      {kKeyUp, 1, 5, {false, 3, 4}, ArrowMove::kNone},
      {kKeyEnter, 2, 10, {true, 2, 4}, ArrowMove::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GridArrowMove(c.key, c.row, c.count, c.scroll), c.move)
        << "key " << c.key << " row " << c.row << " count " << c.count;
  }
}

}  // namespace
