#pragma once

// Where the vertices of a section are: the vertex codes that name a passing
// point's origin, and the section of a structure node. The section view,
// the drawings and the checks all measure from them.

#include <cstdint>

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
