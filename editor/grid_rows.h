#pragma once

#include <cstdint>
#include <string>

#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// What the two grids show and how their rows move, without the widgets.

// Both grids show seven rows, numbered 1 to 7.
inline constexpr int kGridRows = 7;

// Key codes the grid handlers receive: the arrows on key down, Enter on key
// press.
constexpr int kKeyEnter = 13;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;

// The item in row 1 when the grid ends at item `last`: the larger of
// last - 6 and 1.
int16_t FirstItemShown(int last);

// The item in row 1 of a grid of `count` items asked to start at `first`:
// moved, if need be, as little as showing item `active` (0: none) takes.
int16_t FirstItemShowing(int active, int count, int first);

// The texts of one node row for a point of a layout. A node position outside
// the structure's table (never true of a valid group) shows empty node and
// section cells rather than reading beyond the table.
struct NodeRowTexts {
  std::string NodeName;     // the structure node's number
  std::string SectionName;  // the name of the node's section
  std::string TCoordSys;    // the reference vertex within its contour
  std::string TCoordY;
  std::string TCoordZ;
  std::string TAngDisto;
};
NodeRowTexts NodeRowText(const Layout& layout, int point, const StructureModel& structure,
                         const SectionTable& sections);

// Position in the cable type lists (0-based) of a layout's cable type, or -1
// when the name is not listed.
int CableListIndex(const SectionTable& sections, int16_t cableType);

// Where the up and down arrows take the focus within a grid column: to the
// neighbouring row, or the rows scroll by one under a focus that stays in
// the first or last row.
enum class ArrowMove { kNone, kFocusUp, kFocusDown, kScrollUp, kScrollDown };

struct GridScroll {
  bool visible = false;  // the scroll bar shows: the grid holds more than seven items
  int value = 1;         // item in row 1
  int maximum = 1;
};

// row is 1..7; count is the number of items in the grid. The down arrow
// compares the row, not the item, with the count, as the grid always did.
ArrowMove GridArrowMove(int keyCode, int row, int count, const GridScroll& scroll);

// Whether an index names a layout in use, the points of the active layout (0
// when no layout in use is active), and whether an index names one of them.
bool IsLayoutInUse(const LayoutGroup& group, int layout);
int16_t ActiveNodeCount(const LayoutGroup& group);
bool IsPointInUse(const LayoutGroup& group, int point);
