#include "viewer/view_transform.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinScale = 1e-9;
constexpr double kMaxScale = 1e9;

}  // namespace

ViewTransform ViewTransform::Fit(const DrawingBounds& bounds, double width, double height,
                                 double marginFraction) {
  const double usableW = std::max(1.0, width * (1.0 - 2.0 * marginFraction));
  const double usableH = std::max(1.0, height * (1.0 - 2.0 * marginFraction));
  const double dx = bounds.xmax - bounds.xmin;
  const double dy = bounds.ymax - bounds.ymin;
  double scale = 1.0;
  if (dx > 0.0 && dy > 0.0) {
    scale = std::min(usableW / dx, usableH / dy);
  } else if (dx > 0.0) {
    scale = usableW / dx;
  } else if (dy > 0.0) {
    scale = usableH / dy;
  }
  scale = std::clamp(scale, kMinScale, kMaxScale);
  const double cx = (bounds.xmin + bounds.xmax) / 2.0;
  const double cy = (bounds.ymin + bounds.ymax) / 2.0;
  return {scale, width / 2.0 - cx * scale, height / 2.0 + cy * scale};
}

void ViewTransform::ZoomAt(double wx, double wy, double factor) {
  if (!(factor > 0.0) || !std::isfinite(factor)) return;
  const Point fixed = ToDrawing(wx, wy);
  scale = std::clamp(scale * factor, kMinScale, kMaxScale);
  originX = wx - fixed.x * scale;
  originY = wy + fixed.y * scale;
}

void ViewTransform::Pan(double dx, double dy) {
  originX += dx;
  originY += dy;
}

std::optional<std::pair<ViewTransform::Point, ViewTransform::Point>> ClipSegment(
    ViewTransform::Point a, ViewTransform::Point b, double x0, double y0, double x1, double y1) {
  // Liang-Barsky.
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double t0 = 0.0;
  double t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0.0) {
      if (q[k] < 0.0) return std::nullopt;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0.0) {
      if (t > t1) return std::nullopt;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return std::nullopt;
      t1 = std::min(t1, t);
    }
  }
  return std::make_pair(ViewTransform::Point{a.x + t0 * dx, a.y + t0 * dy},
                        ViewTransform::Point{a.x + t1 * dx, a.y + t1 * dy});
}
