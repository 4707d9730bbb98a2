#include "section_view/vertex_code.h"

#include <cmath>

#include "common/min_max.h"

int ContoursInUse(const Section& section) {
  return MaxOf(0, MinOf<int>(section.ContourCount, kMaxContours));
}

int VerticesInUse(const Section& section, int contour) {
  return MaxOf(0, MinOf<int>(section.VertexCount[contour], kMaxVertices));
}

SplitCode SplitVertexCode(int16_t code) {
  if (code == 0) return {};
  const auto contour = static_cast<int16_t>(std::floor(code / 100.0) + 1);
  const auto vertex = static_cast<int16_t>(code - (contour - 1) * 100);
  return {contour, vertex};
}

void VertexCoordinates(const Section& section, int16_t code, double& z, double& y) {
  const SplitCode split = SplitVertexCode(code);
  if (split.Contour == 0 && split.Vertex == 0) {
    z = section.RefPointZ;
    y = section.RefPointY;
    return;
  }
  // A negative code splits into contour 0 or less: it names nothing.
  if (split.Contour >= 1 && split.Contour <= ContoursInUse(section) && split.Vertex >= 1) {
    z = section.VertexZ[split.Contour][split.Vertex];
    y = section.VertexY[split.Contour][split.Vertex];
  }
}

const Section* SectionOfStructureNode(const StructureModel& structure, const SectionTable& sections,
                                      int nodeIndex) {
  if (nodeIndex < 1 || nodeIndex > MinOf<int>(structure.StructureNodeCount, kMaxStructureNodes)) {
    return nullptr;
  }
  const int index = structure.StructureNodes[nodeIndex].SectionIndex;
  if (index < 1 || index > MinOf<int>(sections.SectionCount, kMaxSections)) return nullptr;
  return &sections.Sections[index];
}

void RelocateSection(Section& copy, const Section& section, LayoutGroup& group, int layout,
                     int node, int16_t previousCode) {
  Layout& target = group.Layouts[layout];
  double zc = 0.0, yc = 0.0;
  VertexCoordinates(section, target.RefVertex[node], zc, yc);
  double zp = 0.0, yp = 0.0;
  VertexCoordinates(section, previousCode, zp, yp);

  copy.SizeZ = section.SizeZ;
  copy.SizeY = section.SizeY;
  copy.ContourCount = static_cast<int16_t>(ContoursInUse(section));
  for (int c = 1; c <= copy.ContourCount; ++c) {
    copy.VertexCount[c] = static_cast<int16_t>(VerticesInUse(section, c));
    for (int v = 1; v <= copy.VertexCount[c]; ++v) {
      copy.VertexZ[c][v] = section.VertexZ[c][v] - zc;
      copy.VertexY[c][v] = section.VertexY[c][v] - yc;
    }
  }
  copy.RefPointZ = section.RefPointZ - zc;
  copy.RefPointY = section.RefPointY - yc;

  // The shift first: on a plain redraw it is exactly 0, so the stored
  // values do not drift by a rounding at every redraw.
  target.Z[node] += zp - zc;
  target.Y[node] += yp - yc;
}
