#include "section_view/section_drawing.h"

#include <cmath>

#include "common/min_max.h"
#include "layouts/layout_operations.h"
#include "section_view/relocate_section.h"
#include "structure/section_geometry.h"
#include "structure/structure_reader.h"

namespace {

constexpr int kAxisColour = 14;   // yellow
constexpr int kCableColour = 12;  // light red

// Share of each edge the axes stop short of.
constexpr double kAxisMargin = 0.02;

void SetScale(PictureCanvas& picture, const Section& copy, double zLow, double yHigh) {
  picture.SetScaleMode(kScaleUser);
  const double sw0 = picture.ScaleWidth();
  const double sh0 = picture.ScaleHeight();
  // The picture's outer size keeps one section unit equally long on both
  // axes; the governing extent takes two thirds of the view.
  if (copy.SizeY / sh0 < copy.SizeZ / sw0) {
    picture.SetScaleWidth(1.5 * copy.SizeZ);
    picture.SetScaleHeight(picture.Height() * 1.5 / picture.Width() * copy.SizeZ);
  } else {
    picture.SetScaleWidth(picture.Width() * 1.5 / picture.Height() * copy.SizeY);
    picture.SetScaleHeight(1.5 * copy.SizeY);
  }
  picture.SetScaleLeft(std::floor(1.25 * zLow) -
                       (std::floor(1.25 * copy.SizeZ) - copy.SizeZ) * 0.5);
  picture.SetScaleTop(std::floor(1.25 * -yHigh) -
                      (std::floor(1.25 * copy.SizeY) - copy.SizeY) * 0.5);
}

void DrawAxes(PictureCanvas& picture) {
  const double sl = picture.ScaleLeft();
  const double sw = picture.ScaleWidth();
  const double st = picture.ScaleTop();
  const double sh = picture.ScaleHeight();
  const double mz = std::fabs(kAxisMargin * sw);
  const double my = std::fabs(kAxisMargin * sh);
  picture.Line(sl + mz, 0.0, sl + sw - mz, 0.0, QBColor(kAxisColour));
  picture.Line(0.0, st + my, 0.0, st + sh - my, QBColor(kAxisColour));
}

}  // namespace

bool HasActivePoint(const LayoutGroup& group) {
  const int layout = group.ActiveLayout;
  if (layout < 1 || layout > MinOf<int>(group.LayoutCount, kMaxLayouts)) return false;
  const int node = group.ActiveNode;
  return node >= 1 && node <= MinOf<int>(group.Layouts[layout].NodeCount, kMaxLayoutNodes);
}

void DrawSection(PictureCanvas& picture, const Section& copy, double& radius) {
  if (copy.ContourCount < 1) return;
  picture.SetEnabled(true);

  double zLow = copy.RefPointZ;
  double yHigh = copy.RefPointY;
  const int contours = ContoursInUse(copy);
  for (int c = 1; c <= contours; ++c) {
    for (int v = 1; v <= VerticesInUse(copy, c); ++v) {
      zLow = MinOf(zLow, copy.VertexZ[c][v]);
      yHigh = MaxOf(yHigh, copy.VertexY[c][v]);
    }
  }

  picture.Cls();
  if (copy.SizeZ <= 0.0 || copy.SizeY <= 0.0) return;

  SetScale(picture, copy, zLow, yHigh);
  DrawAxes(picture);

  for (int c = 1; c <= contours; ++c) {
    const int n = VerticesInUse(copy, c);
    if (n < 1) continue;
    const auto& z = copy.VertexZ[c];
    const auto& y = copy.VertexY[c];
    for (int v = 1; v < n; ++v) picture.Line(z[v], -y[v], z[v + 1], -y[v + 1], kForeColor);
    picture.Line(z[n], -y[n], z[1], -y[1], kForeColor);
  }

  radius = MinOf(copy.SizeZ, copy.SizeY) / 50.0;
  picture.Circle(copy.RefPointZ, -copy.RefPointY, radius, kForeColor);
}

void DrawCablePoints(PictureCanvas& picture, const LayoutGroup& group,
                     const StructureModel& structure, const SectionTable& sections,
                     int structureNode, double radius) {
  if (!HasActivePoint(group)) return;
  if (structureNode < 1 ||
      structureNode > MinOf<int>(structure.StructureNodeCount, kMaxStructureNodes)) {
    return;
  }
  // Several table entries may carry the same number: the first one counts.
  const int node = FindStructureNode(structure, structure.StructureNodes[structureNode].Number);
  const Layout& active = group.Layouts[group.ActiveLayout];

  if (group.ShowAllLayouts != 1) {
    const int j = FindNodeInLayout(group, group.ActiveLayout, node);
    if (j < 1) return;
    picture.Circle(active.Z[j], -active.Y[j], radius, QBColor(kCableColour));
    return;
  }

  // Every point is moved from its own reference vertex to the one the
  // drawing is relative to.
  const int16_t drawnFrom = active.RefVertex[group.ActiveNode];
  for (int m = 1; m <= MinOf<int>(group.LayoutCount, kMaxLayouts); ++m) {
    const Layout& layout = group.Layouts[m];
    if (layout.CableType == 0) continue;
    const int j = FindNodeInLayout(group, m, node);
    if (j < 1) continue;
    double zo = 0.0, yo = 0.0, za = 0.0, ya = 0.0;
    if (const Section* s = SectionOfStructureNode(structure, sections, layout.NodeIndex[j])) {
      VertexCoordinates(*s, layout.RefVertex[j], zo, yo);
      VertexCoordinates(*s, drawnFrom, za, ya);
    }
    picture.Circle(layout.Z[j] - za + zo, -layout.Y[j] + ya - yo, radius, QBColor(kCableColour));
  }
}

void RedrawActiveSection(PictureCanvas& picture, SectionViewState& state, LayoutGroup& group,
                         const StructureModel& structure, const SectionTable& sections) {
  if (!HasActivePoint(group)) return;
  const int layout = group.ActiveLayout;
  const int node = group.ActiveNode;
  const int structureNode = group.Layouts[layout].NodeIndex[node];
  const Section* section = SectionOfStructureNode(structure, sections, structureNode);
  if (section == nullptr) {
    picture.Cls();
    return;
  }
  Section copy;
  RelocateSection(copy, *section, group, layout, node, group.Layouts[layout].RefVertex[node]);
  DrawSection(picture, copy, state.PointRadius);
  DrawCablePoints(picture, group, structure, sections, structureNode, state.PointRadius);
}
