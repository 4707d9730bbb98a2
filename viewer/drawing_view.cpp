#include "viewer/drawing_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "viewer/drawing_renderer.h"

namespace {

// One notch of the wheel (120 eighths of a degree) zooms by this factor.
constexpr double kZoomPerNotch = 1.25;

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(50, 50);
}

void DrawingView::SetDrawing(ViewerDrawing drawing) {
  drawing_ = std::move(drawing);
  error_.clear();
  Fit();
}

void DrawingView::SetError(const QString& message) {
  drawing_ = ViewerDrawing{};
  error_ = message;
  Fit();
}

void DrawingView::Fit() {
  fitted_ = true;
  view_ = ViewTransform::Fit(BoundsOf(drawing_), width(), height());
  update();
}

void DrawingView::ZoomCentre(double factor) {
  fitted_ = false;
  view_.ZoomAt(width() / 2.0, height() / 2.0, factor);
  update();
}

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  RenderDrawing(painter, drawing_, view_, QRectF(rect()));
  if (!error_.isEmpty()) {
    painter.setPen(QColor(128, 0, 0));
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, error_);
  }
}

void DrawingView::resizeEvent(QResizeEvent*) {
  if (fitted_) Fit();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0.0) return;
  fitted_ = false;
  const QPointF at = event->position();
  view_.ZoomAt(at.x(), at.y(), std::pow(kZoomPerNotch, notches));
  update();
  event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton) return;
  dragging_ = true;
  dragFrom_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPointF to = event->position();
  fitted_ = false;
  view_.Pan(to.x() - dragFrom_.x(), to.y() - dragFrom_.y());
  dragFrom_ = to;
  update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent*) {
  if (!dragging_) return;
  dragging_ = false;
  unsetCursor();
}
