#pragma once

#include "structure/structure_model.h"

// Where a point of a section's plane (Z across, Y up) lies against the
// section's closed contours.
struct ContourPlace {
  // Inside an odd number of contours: in the concrete (the outer outline
  // minus its voids). A point on an outline counts as in the concrete.
  bool InConcrete = false;
  // Inside at least one contour: when not in the concrete, it is in a void.
  bool InsideOutline = false;
  // Distance to the nearest edge of any contour.
  double Distance = 0.0;
};

// A contour of fewer than three vertices bounds nothing and is left out.
ContourPlace PlaceInSection(const Section& section, double z, double y);
