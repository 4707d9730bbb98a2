#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// A member whose consecutive nodes lie at the given plan abscissas, numbered
// first, first + 1, ..., every node with section 1 except the positions
// listed. The nodes run along a 3-4-5 diagonal of the plan (so both plan
// coordinates count) while rising in the third coordinate (which must not).
// Element e joins positions e and e + 1 and is numbered 20 + e; the element
// table is filled in reverse, so that numbers and places differ.
std::unique_ptr<StructureModel> MemberAt(const std::vector<double>& abscissas, int first = 11,
                                         std::initializer_list<int> withoutSection = {});

// `nodes` nodes one apart, numbered 101, 102, ...
std::unique_ptr<StructureModel> MakeStructure(int nodes,
                                              std::initializer_list<int> withoutSection = {});

// A group as start-up makes it; on the heap, it is far too big for a stack.
inline std::unique_ptr<LayoutGroup> MakeGroup() { return std::make_unique<LayoutGroup>(); }

// Gives layout `layout` (counted in the group) the name, cable type 2 and
// `points` points at positions 1 to 3 that differ in all five values, with
// values a one- or two-decimal printer would not bring back exactly.
void FillLayout(LayoutGroup& group, int layout, int name, int points);
