#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include "viewer/view_transform.h"
#include "viewer/viewer_drawing.h"

// The drawing on its paper, filling the window: fitted when a drawing
// arrives and while the window is resized, until the user zooms (wheel,
// around the cursor) or pans (drag with the left or middle button).
class DrawingView : public QWidget {
  Q_OBJECT

 public:
  explicit DrawingView(QWidget* parent = nullptr);

  // Shows the drawing, fitted.
  void SetDrawing(ViewerDrawing drawing);
  // Shows no drawing but the message, in the middle of the paper.
  void SetError(const QString& message);

  // Fits the drawing to the window again.
  void Fit();
  // Zooms by factor around the middle of the window.
  void ZoomCentre(double factor);

  const ViewerDrawing& drawing() const { return drawing_; }
  const ViewTransform& view() const { return view_; }
  const QString& error() const { return error_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ViewerDrawing drawing_;
  QString error_;
  ViewTransform view_;
  bool fitted_ = true;  // follow the window's size until the user moves the view
  bool dragging_ = false;
  QPointF dragFrom_;
};
