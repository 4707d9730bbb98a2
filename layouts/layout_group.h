#pragma once

#include <cstdint>
#include <string>

#include "common/lazy_table.h"
#include "common/one_based_array.h"

// The table holds 200 layouts of 2000 points, as a group file may bring;
// the editor itself stops one short of each.
constexpr int kMaxLayouts = 200;
constexpr int kMaxLayoutNodes = 2000;
constexpr int kEditorMaxLayouts = kMaxLayouts - 1;
constexpr int kEditorMaxLayoutNodes = kMaxLayoutNodes - 1;

// Highest cable type a layout may name (the cable types table holds 50).
constexpr int kMaxLayoutCableType = 50;

// Both group parameters are still unset until a file gives them.
constexpr int16_t kGroupParamUnset = -1;

// One cable layout ("tracciato"): an ordered list of passing points, each
// stored across the five per-point tables at the same position.
struct Layout {
  int16_t Name = 0;       // typed by the user; need not be unique
  int16_t NodeCount = 0;  // points 1..NodeCount are in use
  int16_t CableType = 0;  // 1-based into the cable type names
  // Position of the structure node in StructureModel::StructureNodes, not
  // the node's number.
  OneBasedArray<int16_t, kMaxLayoutNodes> NodeIndex;
  // 0: the section's reference point; (contour - 1) * 100 + vertex: that
  // vertex of the section outline. Y and Z are measured from it.
  OneBasedArray<int16_t, kMaxLayoutNodes> RefVertex;
  OneBasedArray<double, kMaxLayoutNodes> Y;              // vertical, in the section plane
  OneBasedArray<double, kMaxLayoutNodes> Z;              // horizontal
  OneBasedArray<double, kMaxLayoutNodes> AngDistortion;  // radians
};

// One passing point: the five values of a Layout at one position, which
// always travel together.
struct LayoutNode {
  int16_t NodeIndex = 0;
  int16_t RefVertex = 0;
  double Y = 0.0;
  double Z = 0.0;
  double AngDistortion = 0.0;

  friend bool operator==(const LayoutNode&, const LayoutNode&) = default;
};

LayoutNode NodeAt(const Layout& layout, int point);
void SetNodeAt(Layout& layout, int point, const LayoutNode& node);

// The one group of layouts being edited. About 11 MB at capacity, of which
// only the layouts in use are ever touched.
struct LayoutGroup {
  std::string GroupDescription;
  int16_t LoadCondition = 0;
  // Carried from the file and written back unchanged; 1 and 1 are written
  // when both are still unset.
  int16_t GroupParamA = kGroupParamUnset;
  int16_t GroupParamB = kGroupParamUnset;
  int16_t LayoutCount = 0;     // layouts 1..LayoutCount are in use
  int16_t ActiveLayout = 0;    // 0: none
  int16_t ActiveNode = 0;      // within the active layout; 0: none
  int16_t ShowAllLayouts = 1;  // 1: the section view shows every layout's point
  LazyTable<Layout, kMaxLayouts> Layouts;
};
