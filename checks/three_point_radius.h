#pragma once

#include <optional>

// The radius of the circle through three points of a plane; nothing when
// they are in a line or two of them coincide.
std::optional<double> ThreePointRadius(double x1, double y1, double x2, double y2, double x3,
                                       double y3);
