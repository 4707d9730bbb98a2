#include "checks/section_contours.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "structure/section_geometry.h"

namespace {

// Below this distance a point is on the outline (coordinates are lengths of
// a section, far above it).
constexpr double kOnOutline = 1e-9;

double SegmentDistance(double z, double y, double z1, double y1, double z2, double y2) {
  const double dz = z2 - z1, dy = y2 - y1;
  const double length2 = dz * dz + dy * dy;
  double t = 0.0;
  if (length2 > 0.0) t = std::clamp(((z - z1) * dz + (y - y1) * dy) / length2, 0.0, 1.0);
  return std::hypot(z - (z1 + t * dz), y - (y1 + t * dy));
}

}  // namespace

ContourPlace PlaceInSection(const Section& section, double z, double y) {
  int enclosing = 0;
  double nearest = std::numeric_limits<double>::infinity();
  for (int c = 1; c <= ContoursInUse(section); ++c) {
    const int count = VerticesInUse(section, c);
    if (count < 3) continue;
    const auto& vz = section.VertexZ[c];
    const auto& vy = section.VertexY[c];
    bool inside = false;
    for (int i = 1, k = count; i <= count; k = i++) {
      nearest = std::min(nearest, SegmentDistance(z, y, vz[k], vy[k], vz[i], vy[i]));
      // Even-odd: a ray towards +Z crosses the edge from k to i.
      if ((vy[i] > y) != (vy[k] > y) &&
          z < vz[i] + (y - vy[i]) * (vz[k] - vz[i]) / (vy[k] - vy[i])) {
        inside = !inside;
      }
    }
    if (inside) ++enclosing;
  }
  ContourPlace place;
  place.Distance = std::isfinite(nearest) ? nearest : 0.0;
  const bool onOutline = std::isfinite(nearest) && nearest <= kOnOutline;
  place.InsideOutline = enclosing > 0 || onOutline;
  place.InConcrete = enclosing % 2 == 1 || onOutline;
  return place;
}
