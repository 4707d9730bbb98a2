#pragma once

#include <initializer_list>
#include <memory>

#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// A straight member of `nodes` nodes (numbers 101, 102, ... at positions 1,
// 2, ...) joined by elements 1..nodes-1 in order, every node with section 1
// except the positions listed.
std::unique_ptr<StructureModel> MakeStructure(int nodes,
                                              std::initializer_list<int> withoutSection = {});

// A group as start-up makes it; on the heap, it is far too big for a stack.
inline std::unique_ptr<LayoutGroup> MakeGroup() { return std::make_unique<LayoutGroup>(); }

// Gives layout `layout` (counted in the group) the name, cable type 2 and
// `points` points at positions 1 to 3 that differ in all five values, with
// values a one- or two-decimal printer would not bring back exactly.
void FillLayout(LayoutGroup& group, int layout, int name, int points);
