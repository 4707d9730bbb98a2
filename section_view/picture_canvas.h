#pragma once

#include <cstdint>

// A colour as 0xRRGGBB.
using Colour = uint32_t;

// Not an RGB value: "the picture's own foreground colour", whatever the
// picture chose it to be.
inline constexpr Colour kForeColor = 0xFF000000u;

// The 16 colours of the classic palette (0 black ... 7 light grey, 8 dark
// grey ... 15 white): 12 is light red, 14 yellow. Numbers outside 0..15
// give black.
Colour QBColor(int n);

// Scale modes of a picture: 0 is a user scale, 3 is pixels.
inline constexpr int16_t kScaleUser = 0;
inline constexpr int16_t kScalePixels = 3;

// The picture box the section view draws on, in its user scale: x grows to
// the right from ScaleLeft across ScaleWidth units, y grows downwards from
// ScaleTop across ScaleHeight units. Setting any of the four scale values
// switches to the user scale. In pixel mode ScaleWidth and ScaleHeight are
// the picture's size in pixels. The drawing code never sees a widget; tests
// give it a recording picture.
class PictureCanvas {
 public:
  virtual ~PictureCanvas() = default;

  virtual int16_t ScaleMode() const = 0;
  virtual void SetScaleMode(int16_t mode) = 0;
  virtual double ScaleLeft() const = 0;
  virtual double ScaleTop() const = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual void SetScaleLeft(double value) = 0;
  virtual void SetScaleTop(double value) = 0;
  virtual void SetScaleWidth(double value) = 0;
  virtual void SetScaleHeight(double value) = 0;

  // The picture's outer size in the window's units (pixels).
  virtual double Width() const = 0;
  virtual double Height() const = 0;

  // Erases everything drawn.
  virtual void Cls() = 0;
  // A line between two points, a circle of radius r (horizontal units)
  // around a centre; all in user coordinates.
  virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
  virtual void Circle(double x, double y, double r, Colour colour) = 0;

  virtual void SetEnabled(bool enabled) = 0;
};
