#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "section_view/picture_canvas.h"

// A picture box with a user scale: what is drawn is kept as a list of lines
// and circles in user coordinates and painted through the scale and size
// the box has at paint time, so it survives being covered and follows a
// resize. Light strokes on a near-black surface, antialiased. It starts in
// pixel mode (the first drawing reads its size in pixels as the previous
// scale) and disabled until something is drawn on it. Mouse positions are
// reported in user coordinates, in single precision, with the buttons (1
// left, 2 right, 4 middle) and shift keys (1 shift, 2 ctrl, 4 alt) as bits.
class PictureBox : public QWidget, public PictureCanvas {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  int16_t ScaleMode() const override { return scaleMode_; }
  void SetScaleMode(int16_t mode) override;
  double ScaleLeft() const override;
  double ScaleTop() const override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  // Zero or a value that is not finite is refused, and the scale stays.
  void SetScaleLeft(double value) override;
  void SetScaleTop(double value) override;
  void SetScaleWidth(double value) override;
  void SetScaleHeight(double value) override;

  double Width() const override { return width(); }
  double Height() const override { return height(); }

  void Cls() override;
  void Line(double x1, double y1, double x2, double y2, Colour colour) override;
  void Circle(double x, double y, double r, Colour colour) override;
  void SetEnabled(bool enabled) override { setEnabled(enabled); }

  // The position in the user scale of a point in the widget's pixels, and
  // back.
  QPointF ToUser(QPointF pixel) const;
  QPointF ToPixels(double x, double y) const;

  // What the picture paints for kForeColor and behind everything.
  static QColor ForeColor();
  static QColor BackColor();

  // The primitives kept since the last Cls.
  std::size_t DrawnCount() const { return drawn_.size(); }

 signals:
  void MouseDown(int button, int shift, float x, float y);
  void MouseMove(int button, int shift, float x, float y);
  // The size changed: the owner draws again to keep equal units on both
  // axes.
  void Resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Primitive {
    bool circle = false;
    double a = 0.0, b = 0.0, c = 0.0, d = 0.0;  // x1 y1 x2 y2, or x y r
    Colour colour = kForeColor;
  };

  // Fixes the pixel scale as the user scale before one value of it changes.
  void EnterUserScale();
  void Report(QMouseEvent* event, bool press);

  std::vector<Primitive> drawn_;
  int16_t scaleMode_ = kScalePixels;
  double scaleLeft_ = 0.0;
  double scaleTop_ = 0.0;
  double scaleWidth_ = 1.0;
  double scaleHeight_ = 1.0;
};
