#pragma once

#include <cstdint>
#include <optional>

#include "common/message.h"
#include "layouts/layout_group.h"
#include "parabolic/parabolic_panel.h"
#include "structure/structure_model.h"

// The member's chain of m elements gives m + 1 positions: position p
// (1..m) is the first end of the p-th element of the member, position m + 1
// the second end of the last one.
int MemberPositionCount(const StructureModel& structure);

// The node (1-based into StructureNodes) at position p, or -1 when the
// element is not in the table or its end is no node of the table.
int16_t MemberPositionNode(const StructureModel& structure, int position);

// The first position along the chain whose node has the number `name`
// (an element's first end before its second), or -1.
int MemberPositionOfName(const StructureModel& structure, int name);

// Y(s) = a·s² + b·s + c.
struct Parabola {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
};

// The parabola through (s0, y0), (s1, y1), (s2, y2); the three abscissas
// must be distinct.
Parabola ParabolaThrough(double s0, double y0, double s1, double y1, double s2, double y2);

// Appends to the group a layout through the member nodes from the initial
// to the final node of state, with the parabolic Y through the three given
// values, the given Z, reference vertex 0 and no angular distortion; stores
// the coefficients in state. Every refusal is returned as the message to
// show ("PROBLEMA": exclamation for the nodes, critical stop for a full
// group) and leaves the group as it was. ActiveLayout is not touched.
std::optional<Message> CreaFunzione(LayoutGroup& group, const StructureModel& structure,
                                    ParabolicCableState& state);
