#pragma once

#include <QColor>
#include <QRectF>

#include "viewer/view_transform.h"
#include "viewer/viewer_drawing.h"

class QPainter;

// The 16 colours of the drawing palette by number (0 black, 1 blue, 2 green,
// 3 cyan, 4 red, 5 magenta, 6 brown, 7 white, 8 grey, 9..15 their bright
// forms). Numbers outside 0..15 wrap around.
QColor QBColor(int number);

// The colour a palette number is drawn in on the viewer's white paper: the
// palette colour, except that the two whites (7 and 15), which would vanish
// on it, are drawn black.
QColor InkColour(int number);

// The paper.
inline QColor PaperColour() { return QColor(255, 255, 255); }

struct RenderOptions {
  // Pen width in device pixels: 1 on the screen; more on a device with more
  // pixels per window pixel, so that lines and dashes keep their look.
  double lineWidth = 1.0;
};

// Paints the paper over area and the drawing on it through the view: lines
// in their colours (line type 1 dash-dotted), arcs as circles or parts of
// them, markers as small crosses, texts at their points.
void RenderDrawing(QPainter& painter, const ViewerDrawing& drawing, const ViewTransform& view,
                   const QRectF& area, const RenderOptions& options = {});
