#pragma once

#include <cstdint>

// The node grid shows seven points at a time.
constexpr int kNodeRowsShown = 7;

// Points First..Last of the active layout whose node rows must be written
// again.
struct NodeRows {
  int16_t First = 0;
  int16_t Last = 0;
  friend bool operator==(const NodeRows&, const NodeRows&) = default;
};
