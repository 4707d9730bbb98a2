#include "section_view/picking.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/min_max.h"
#include "section_view/section_drawing.h"
#include "section_view/relocate_section.h"
#include "structure/section_geometry.h"

namespace {

bool InBox(double z, double y, float x, float py, double t) {
  return z - t <= x && x <= z + t && -y - t <= py && py <= -y + t;
}

}  // namespace

std::string ViewModeCaption(int16_t viewMode) {
  return viewMode == kViewModeCableCoordinates ? "COORD. CAVI" : "SIST. RIFER.";
}

int16_t NextViewMode(int16_t viewMode) {
  return viewMode == kViewModeCableCoordinates ? kViewModeReferenceSystem
                                               : kViewModeCableCoordinates;
}

int16_t RoundHalfEvenToInt16(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int16_t>::min();
  constexpr double kHigh = std::numeric_limits<int16_t>::max();
  // The default rounding mode rounds halves to even.
  return static_cast<int16_t>(std::nearbyint(MinOf(MaxOf(value, kLow), kHigh)));
}

int16_t PickToleranceFor(double pointRadius) { return RoundHalfEvenToInt16(5.0 * pointRadius); }

int16_t PickVertex(SectionViewState& state, const Section& copy, float x, float y) {
  state.PickTolerance = PickToleranceFor(state.PointRadius);
  const double t = state.PickTolerance;
  for (int c = 1; c <= ContoursInUse(copy); ++c) {
    for (int v = 1; v <= VerticesInUse(copy, c); ++v) {
      if (InBox(copy.VertexZ[c][v], copy.VertexY[c][v], x, y, t)) {
        return static_cast<int16_t>((c - 1) * 100 + v);
      }
    }
  }
  if (InBox(copy.RefPointZ, copy.RefPointY, x, y, t)) return 0;
  return -1;
}

bool PlaceCablePoint(LayoutGroup& group, float x, float y) {
  if (!HasActivePoint(group)) return false;
  Layout& layout = group.Layouts[group.ActiveLayout];
  layout.Z[group.ActiveNode] = x;
  layout.Y[group.ActiveNode] = -static_cast<double>(y);
  return true;
}

bool PickReferenceVertex(LayoutGroup& group, const StructureModel& structure,
                         const SectionTable& sections, SectionViewState& state, float x, float y) {
  if (!HasActivePoint(group)) return false;
  const int l = group.ActiveLayout;
  const int n = group.ActiveNode;
  Layout& layout = group.Layouts[l];
  const Section* section = SectionOfStructureNode(structure, sections, layout.NodeIndex[n]);
  if (section == nullptr) return false;

  Section copy;
  RelocateSection(copy, *section, group, l, n, layout.RefVertex[n]);
  const int16_t code = PickVertex(state, copy, x, y);
  if (code == -1) return false;
  const int16_t old = layout.RefVertex[n];
  layout.RefVertex[n] = code;
  RelocateSection(copy, *section, group, l, n, old);
  return true;
}

std::optional<NodeRows> SectionMouseDown(int16_t viewMode, float x, float y, int firstShownPoint,
                                         LayoutGroup& group, const StructureModel& structure,
                                         const SectionTable& sections, SectionViewState& state,
                                         PictureCanvas& picture) {
  bool changed = false;
  if (viewMode == kViewModeCableCoordinates) {
    changed = PlaceCablePoint(group, x, y);
  } else if (viewMode == kViewModeReferenceSystem) {
    changed = PickReferenceVertex(group, structure, sections, state, x, y);
  }
  if (!changed) return std::nullopt;
  RedrawActiveSection(picture, state, group, structure, sections);
  // The rows go on showing the points they showed; a grid that shows no
  // point number yet starts from the first point.
  const int first = MaxOf(firstShownPoint, 1);
  const int last =
      MinOf<int>(group.Layouts[group.ActiveLayout].NodeCount, first + kNodeRowsShown - 1);
  return NodeRows{static_cast<int16_t>(first), static_cast<int16_t>(last)};
}

std::string SingleText(float value) {
  if (value == 0.0f) return " 0";  // negative zero too
  std::array<char, 32> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 7);
  std::string text = value < 0.0f ? "" : " ";
  const char* p = buffer.data();
  if (*p == '-') text += *p++;
  if (p[0] == '0' && p + 1 < result.ptr && p[1] == '.') ++p;
  for (; p < result.ptr; ++p) text += *p == 'e' ? 'E' : *p;
  return text;
}

std::string CursorZText(float x) { return SingleText(std::floor(10.0f * x) / 10.0f); }

std::string CursorYText(float y) { return SingleText(-std::floor(10.0f * y) / 10.0f); }
