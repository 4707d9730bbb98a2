#pragma once

#include <cstdint>

#include "layouts/layout_group.h"
#include "section_view/node_rows.h"

// Axis 1 negates Z of every point of the active layout (mirror about the Y
// axis), axis 2 negates Y (about the Z axis); each point is mirrored about
// the axes through its own reference vertex. Any other axis, no active
// layout or an empty one: nothing changes. Twice restores the layout.
void MirrorLayout(LayoutGroup& group, int axis);

// The node rows to show after a mirror: the last (up to seven) points of the
// active layout; an empty range (1, 0) without points.
NodeRows RowsAfterMirror(const LayoutGroup& group);
