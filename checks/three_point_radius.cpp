#include "checks/three_point_radius.h"

#include <cmath>

std::optional<double> ThreePointRadius(double x1, double y1, double x2, double y2, double x3,
                                       double y3) {
  const double a = std::hypot(x2 - x1, y2 - y1);
  const double b = std::hypot(x3 - x2, y3 - y2);
  const double c = std::hypot(x3 - x1, y3 - y1);
  const double cross = (x2 - x1) * (y3 - y1) - (y2 - y1) * (x3 - x1);
  // Relative to the sides, so that the test holds at any scale: a bend of a
  // millionth of a millionth of a radian is a straight line.
  if (a == 0.0 || b == 0.0 || c == 0.0 || std::abs(cross) <= 1e-12 * a * c) return std::nullopt;
  return a * b * c / (2.0 * std::abs(cross));
}
