#pragma once

#include <optional>

#include "viewer/viewer_drawing.h"

// Where drawing coordinates land in a window (or a picture): equal units on
// both axes, Y of the drawing upwards, Y of the window downwards.
//   window x = originX + x * scale,  window y = originY - y * scale
struct ViewTransform {
  double scale = 1.0;  // window pixels per drawing unit
  double originX = 0.0;
  double originY = 0.0;

  struct Point {
    double x = 0.0;
    double y = 0.0;
  };

  Point ToWindow(double x, double y) const { return {originX + x * scale, originY - y * scale}; }
  Point ToDrawing(double wx, double wy) const {
    return {(wx - originX) / scale, (originY - wy) / scale};
  }

  // The bounds centred in a width x height window, as large as they go with
  // a margin of marginFraction of the window on every side. Bounds without
  // width or height are fitted by their other extent; a single point is
  // centred at one pixel per unit.
  static ViewTransform Fit(const DrawingBounds& bounds, double width, double height,
                           double marginFraction = 0.04);

  // Zooms by factor keeping the drawing point under the window point
  // (wx, wy) where it is. The scale stays within a range that keeps window
  // coordinates far from overflow.
  void ZoomAt(double wx, double wy, double factor);

  // Moves the drawing by (dx, dy) window pixels, as a drag does.
  void Pan(double dx, double dy);

  // The same view on a device with k times as many pixels.
  ViewTransform Scaled(double k) const { return {scale * k, originX * k, originY * k}; }
};

// The part of the segment from a to b inside the rectangle [x0, x1] x
// [y0, y1], or nothing when none is: lines far outside a zoomed view are not
// handed to the painter with coordinates it cannot hold.
std::optional<std::pair<ViewTransform::Point, ViewTransform::Point>> ClipSegment(
    ViewTransform::Point a, ViewTransform::Point b, double x0, double y0, double x1, double y1);
