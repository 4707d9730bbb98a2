#include "structure/section_geometry.h"

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
