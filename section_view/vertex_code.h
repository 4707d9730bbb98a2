#pragma once

#include <cstdint>

#include "layouts/layout_group.h"
#include "structure/structure_model.h"

// A vertex code names the origin of a passing point's reference system: 0 is
// the section's reference point, (contour - 1) * 100 + vertex a vertex of
// the outline.
struct SplitCode {
  int16_t Contour = 0;
  int16_t Vertex = 0;
};

// The contours of a section, and the vertices of one of its contours, that
// are in use, kept inside the tables whatever a broken record says.
int ContoursInUse(const Section& section);
int VerticesInUse(const Section& section, int contour);

// Code 0 gives contour 0, vertex 0; any other code contour floor(code / 100)
// + 1 and the rest as vertex, so 100 gives contour 2, vertex 0, which names
// nothing.
SplitCode SplitVertexCode(int16_t code);

// Writes the Z and Y of the point the code names into z and y, and leaves
// them as they were when it names nothing (a contour the section does not
// have, vertex 0 of a contour). The vertex number is not checked against the
// contour's vertex count: a slot never filled reads as 0.
void VertexCoordinates(const Section& section, int16_t code, double& z, double& y);

// The section of the structure node at position nodeIndex of the node
// table, or nullptr when the position or the node's section index is not
// valid.
const Section* SectionOfStructureNode(const StructureModel& structure, const SectionTable& sections,
                                      int nodeIndex);

// Fills copy with the section translated so that the reference vertex of
// point `node` of `layout` is the origin (sizes, contours and reference
// point; not the name), and re-expresses the point's Z and Y, measured so
// far from the point named by previousCode, from that vertex instead: the
// cable stays where it is in the section. With previousCode equal to the
// point's own code the point is left exactly as it was. Layout and node
// must be valid positions.
void RelocateSection(Section& copy, const Section& section, LayoutGroup& group, int layout,
                     int node, int16_t previousCode);
