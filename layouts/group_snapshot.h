#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "layouts/layout_group.h"

// Copies of parts of the group, holding only the entries in use, to put back
// later: what an undo step keeps. Entries beyond a count are neither kept nor
// restored, as nothing reads them.

// One layout: name, cable type and its points 1..NodeCount.
struct LayoutSnapshot {
  int16_t Name = 0;
  int16_t CableType = 0;
  std::vector<LayoutNode> nodes;

  friend bool operator==(const LayoutSnapshot&, const LayoutSnapshot&) = default;
};

LayoutSnapshot TakeLayout(const LayoutGroup& group, int layout);
// Overwrites layout `layout` (its count becomes the snapshot's); the layout
// count is not touched.
void RestoreLayout(LayoutGroup& group, int layout, const LayoutSnapshot& snapshot);

// Everything of the group but its layouts.
struct GroupHeader {
  std::string GroupDescription;
  int16_t LoadCondition = 0;
  int16_t GroupParamA = kGroupParamUnset;
  int16_t GroupParamB = kGroupParamUnset;
  int16_t LayoutCount = 0;
  int16_t ActiveLayout = 0;
  int16_t ActiveNode = 0;
  int16_t ShowAllLayouts = 1;

  friend bool operator==(const GroupHeader&, const GroupHeader&) = default;
};

GroupHeader TakeHeader(const LayoutGroup& group);
void RestoreHeader(LayoutGroup& group, const GroupHeader& header);

// The whole group: the header and layouts 1..LayoutCount.
struct GroupSnapshot {
  GroupHeader header;
  std::vector<LayoutSnapshot> layouts;
};

GroupSnapshot TakeGroup(const LayoutGroup& group);
void RestoreGroup(LayoutGroup& group, const GroupSnapshot& snapshot);

// What a snapshot occupies in memory, for the history's limit.
std::size_t SnapshotBytes(const LayoutSnapshot& snapshot);
std::size_t SnapshotBytes(const GroupSnapshot& snapshot);

// Makes `snapshot` layout `layout` (1..LayoutCount + 1), moving the later
// ones up one slot. The caller keeps LayoutCount below the table's size.
void InsertLayout(LayoutGroup& group, int layout, const LayoutSnapshot& snapshot);

// Puts `nodes` after point `after` (0..NodeCount) of `layout`, moving the
// later points up. The caller keeps the count within the table.
void InsertNodes(LayoutGroup& group, int layout, int after, const std::vector<LayoutNode>& nodes);

// Removes `count` points of `layout` from point `first` on, moving the later
// ones down.
void RemoveNodes(LayoutGroup& group, int layout, int first, int count);
