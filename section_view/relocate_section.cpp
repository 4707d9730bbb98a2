#include "section_view/relocate_section.h"

#include "structure/section_geometry.h"

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
