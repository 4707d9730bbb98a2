#pragma once

#include <cstdint>

// What a click in the section view does (the window's ViewMode): place the
// cable point, or choose the point's reference vertex.
constexpr int16_t kViewModeCableCoordinates = 1;
constexpr int16_t kViewModeReferenceSystem = 2;

// What the section view keeps between events, for the whole run.
struct SectionViewState {
  // Radius of the point markers, set by every section drawn; until the first
  // drawing the markers have no size.
  double PointRadius = 0.0;
  // Half side, in section units, of the pick box; recomputed at every pick.
  int16_t PickTolerance = 0;
};
