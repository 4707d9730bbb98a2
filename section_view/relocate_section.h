#pragma once

#include <cstdint>

#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// Fills copy with the section translated so that the reference vertex of
// point `node` of `layout` is the origin (sizes, contours and reference
// point; not the name), and re-expresses the point's Z and Y, measured so
// far from the point named by previousCode, from that vertex instead: the
// cable stays where it is in the section. With previousCode equal to the
// point's own code the point is left exactly as it was. Layout and node
// must be valid positions.
void RelocateSection(Section& copy, const Section& section, LayoutGroup& group, int layout,
                     int node, int16_t previousCode);
