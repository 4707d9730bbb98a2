#pragma once

#include <cstdint>

#include "editor/grid_controls.h"

class QWidget;

// The grid's scroll bar for `count` items of which `visible` show: hidden
// when all fit, else ranging so that the grid can reach its last rows.
void ConfigureScrollBar(QScrollBar& bar, int16_t count, int16_t visible);

// The item a row shows, read back from its ordinal label; 0 for none.
int16_t RowItem(const QLabel& ordinal);

// Arrow keys in a grid column: focus to the neighbouring row, or the grid
// scrolls under the first or last row.
void MoveInGrid(int row, int keyCode, int count, QScrollBar& bar, QWidget* above, QWidget* below);
template <typename Control>
void MoveInGrid(const RowArray<Control>& column, int row, int keyCode, int count, QScrollBar& bar) {
  MoveInGrid(row, keyCode, count, bar, row > 1 ? column[row - 1] : nullptr,
             row < kGridRows ? column[row + 1] : nullptr);
}
