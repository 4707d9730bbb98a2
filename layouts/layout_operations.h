#pragma once

#include <cstdint>
#include <optional>

#include "common/message.h"
#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// The operations on the group that several panels share. Indices are
// 1-based and trusted (layouts 1..200, points 1..2000). An operation that
// may refuse returns the message to show ("PROBLEMA", critical stop) and
// then has changed nothing; the caller shows it and must not go on as if the
// item had been made. None of them touches ActiveLayout or ActiveNode, and
// none allocates.

// Makes layout `layout` (always LayoutCount + 1): the first one gets name 1,
// cable type 1 and the default first point; any later one is a copy of the
// layout before it, named after its own position. Refuses the 200th layout
// (and the 201st, after a file that filled the table), and the first one
// when the member's first node cannot be found.
std::optional<Message> SetNewTrac(LayoutGroup& group, const StructureModel& structure, int layout);

// Makes point `point` (always NodeCount + 1) of `layout`: a copy of the point
// before it, or for the first point the first node of the member's first
// element with every other value 0. Refuses the 2000th point (and the
// 2001st), and the first one when the member's first node cannot be found.
std::optional<Message> SetNewNodeL(LayoutGroup& group, const StructureModel& structure, int layout,
                                   int point);

// Copies name, point count, cable type and the points in use of `source`
// over `destination`; points beyond the count are left as they were.
void CopyLayout(LayoutGroup& group, int source, int destination);

// Removes a layout, moving the later ones down one slot.
void RemoveLayout(LayoutGroup& group, int layout);

// Copies the whole point `source` over `destination` in the active layout.
void CopyNode(LayoutGroup& group, int source, int destination);

// Removes a point of the active layout, moving the later ones down one slot.
void RemoveNode(LayoutGroup& group, int point);

// The first point of `layout` at structure node position `nodeIndex`, or -1.
int16_t FindNodeInLayout(const LayoutGroup& group, int layout, int nodeIndex);

// Empties the group (every layout's point count, then the layout count).
void RemoveAllLayouts(LayoutGroup& group);

// Empties the active layout.
void RemoveAllNodes(LayoutGroup& group);

// Position in the node table of the first node of the member's first
// element, or -1 when the member has no elements, its first element is not
// in the table, or that element's first end is no node of the table.
int16_t MemberFirstNode(const StructureModel& structure);
