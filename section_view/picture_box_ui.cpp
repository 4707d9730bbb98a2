#include "section_view/picture_box_ui.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

bool Usable(double value) { return std::isfinite(value); }
bool UsableExtent(double value) { return std::isfinite(value) && value != 0.0; }

QColor ToQColor(Colour colour) {
  if (colour == kForeColor) return PictureBox::ForeColor();
  return QColor::fromRgb(static_cast<QRgb>(colour & 0xFFFFFFu));
}

int ButtonBits(Qt::MouseButtons buttons) {
  int bits = 0;
  if (buttons & Qt::LeftButton) bits |= 1;
  if (buttons & Qt::RightButton) bits |= 2;
  if (buttons & Qt::MiddleButton) bits |= 4;
  return bits;
}

int ShiftBits(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= 1;
  if (modifiers & Qt::ControlModifier) bits |= 2;
  if (modifiers & Qt::AltModifier) bits |= 4;
  return bits;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // moves are reported with no button held too
  setAttribute(Qt::WA_OpaquePaintEvent);
  setEnabled(false);
}

QColor PictureBox::ForeColor() { return QColor(0xD4, 0xD8, 0xDE); }
QColor PictureBox::BackColor() { return QColor(0x14, 0x16, 0x1A); }

void PictureBox::EnterUserScale() {
  if (scaleMode_ == kScaleUser) return;
  scaleLeft_ = 0.0;
  scaleTop_ = 0.0;
  scaleWidth_ = width() > 0 ? width() : 1.0;
  scaleHeight_ = height() > 0 ? height() : 1.0;
  scaleMode_ = kScaleUser;
}

void PictureBox::SetScaleMode(int16_t mode) {
  if (mode == kScaleUser) {
    EnterUserScale();
  } else if (mode == kScalePixels) {
    scaleMode_ = kScalePixels;
  } else {
    return;  // no other unit has a meaning on screen here
  }
  update();
}

double PictureBox::ScaleLeft() const { return scaleMode_ == kScaleUser ? scaleLeft_ : 0.0; }
double PictureBox::ScaleTop() const { return scaleMode_ == kScaleUser ? scaleTop_ : 0.0; }
double PictureBox::ScaleWidth() const {
  return scaleMode_ == kScaleUser ? scaleWidth_ : static_cast<double>(width());
}
double PictureBox::ScaleHeight() const {
  return scaleMode_ == kScaleUser ? scaleHeight_ : static_cast<double>(height());
}

void PictureBox::SetScaleLeft(double value) {
  if (!Usable(value)) return;
  EnterUserScale();
  scaleLeft_ = value;
  update();
}

void PictureBox::SetScaleTop(double value) {
  if (!Usable(value)) return;
  EnterUserScale();
  scaleTop_ = value;
  update();
}

void PictureBox::SetScaleWidth(double value) {
  if (!UsableExtent(value)) return;
  EnterUserScale();
  scaleWidth_ = value;
  update();
}

void PictureBox::SetScaleHeight(double value) {
  if (!UsableExtent(value)) return;
  EnterUserScale();
  scaleHeight_ = value;
  update();
}

void PictureBox::Cls() {
  drawn_.clear();
  update();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, Colour colour) {
  drawn_.push_back({false, x1, y1, x2, y2, colour});
  update();
}

void PictureBox::Circle(double x, double y, double r, Colour colour) {
  drawn_.push_back({true, x, y, r, 0.0, colour});
  update();
}

QPointF PictureBox::ToUser(QPointF pixel) const {
  const double w = width() > 0 ? width() : 1.0;
  const double h = height() > 0 ? height() : 1.0;
  return {ScaleLeft() + pixel.x() * ScaleWidth() / w, ScaleTop() + pixel.y() * ScaleHeight() / h};
}

QPointF PictureBox::ToPixels(double x, double y) const {
  // Only an empty box in pixel mode has no extent.
  const double sw = ScaleWidth() != 0.0 ? ScaleWidth() : 1.0;
  const double sh = ScaleHeight() != 0.0 ? ScaleHeight() : 1.0;
  return {(x - ScaleLeft()) * width() / sw, (y - ScaleTop()) * height() / sh};
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), BackColor());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  // A radius counts in horizontal units, as the scale's x does.
  const double unit = std::fabs(ToPixels(1.0, 0.0).x() - ToPixels(0.0, 0.0).x());
  for (const Primitive& p : drawn_) {
    QPen pen(ToQColor(p.colour));
    pen.setWidthF(1.0);
    painter.setPen(pen);
    if (p.circle) {
      const double r = std::fabs(p.c) * unit;
      painter.drawEllipse(ToPixels(p.a, p.b), r, r);
    } else {
      painter.drawLine(ToPixels(p.a, p.b), ToPixels(p.c, p.d));
    }
  }
}

void PictureBox::Report(QMouseEvent* event, bool press) {
  const QPointF user = ToUser(event->position());
  const int shift = ShiftBits(event->modifiers());
  const auto x = static_cast<float>(user.x());
  const auto y = static_cast<float>(user.y());
  if (press) {
    emit MouseDown(ButtonBits(event->button()), shift, x, y);
  } else {
    emit MouseMove(ButtonBits(event->buttons()), shift, x, y);
  }
}

void PictureBox::mousePressEvent(QMouseEvent* event) { Report(event, true); }

void PictureBox::mouseMoveEvent(QMouseEvent* event) { Report(event, false); }

void PictureBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit Resized();
}
