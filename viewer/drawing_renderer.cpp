#include "viewer/drawing_renderer.h"

#include <QPainter>
#include <QPen>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace {

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

// Largest chord error of an arc drawn as segments, in device pixels.
constexpr double kArcTolerance = 0.25;
constexpr int kMaxArcSegments = 4096;

int PaletteIndex(int number) { return ((number % 16) + 16) % 16; }

QPen PenFor(int colour, int lineType, double width) {
  QPen pen(InkColour(colour));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::FlatCap);
  if (lineType == 1) {
    // Long dash, gap, dot, gap, in pen widths: the axis line of drawings.
    pen.setDashPattern({12.0, 4.0, 2.0, 4.0});
  }
  return pen;
}

class Painter {
 public:
  Painter(QPainter& painter, const ViewTransform& view, const QRectF& area, double lineWidth)
      : painter_(painter), view_(view), lineWidth_(lineWidth) {
    // A little beyond the area, so that clipped ends do not show.
    const double slack = 4.0 * lineWidth;
    x0_ = area.left() - slack;
    y0_ = area.top() - slack;
    x1_ = area.right() + slack;
    y1_ = area.bottom() + slack;
  }

  void UsePen(int colour, int lineType) {
    const int key = PaletteIndex(colour) * 2 + (lineType == 1 ? 1 : 0);
    auto it = pens_.find(key);
    if (it == pens_.end()) it = pens_.emplace(key, PenFor(colour, lineType, lineWidth_)).first;
    painter_.setPen(it->second);
  }

  void Segment(ViewTransform::Point a, ViewTransform::Point b) {
    const auto clipped = ClipSegment(a, b, x0_, y0_, x1_, y1_);
    if (!clipped) return;
    painter_.drawLine(QPointF(clipped->first.x, clipped->first.y),
                      QPointF(clipped->second.x, clipped->second.y));
  }

  void Line(const ViewerPoint& a, const ViewerPoint& b) {
    Segment(view_.ToWindow(a.x, a.y), view_.ToWindow(b.x, b.y));
  }

  void Arc(const ViewerPoint& centre, const ArcGeometry& g) {
    const ViewTransform::Point c = view_.ToWindow(centre.x, centre.y);
    const double r = g.radius * view_.scale;
    if (c.x + r < x0_ || c.x - r > x1_ || c.y + r < y0_ || c.y - r > y1_) return;
    if (r < 0.5) {
      Segment(c, {c.x + 0.01, c.y});
      return;
    }
    const double step = 2.0 * std::acos(std::max(-1.0, 1.0 - kArcTolerance / r));
    // An arc far larger than the window has a step of 0: its count is
    // capped before it becomes an integer, never converted from infinity.
    const double wanted = std::ceil(g.sweep / step);
    const int segments = !(wanted > 8.0)                ? 8
                         : wanted < kMaxArcSegments ? static_cast<int>(wanted)
                                                    : kMaxArcSegments;
    ViewTransform::Point previous = {c.x + r * std::cos(g.startAngle),
                                     c.y - r * std::sin(g.startAngle)};
    for (int k = 1; k <= segments; ++k) {
      const double angle = g.startAngle + g.sweep * k / segments;
      const ViewTransform::Point next = {c.x + r * std::cos(angle), c.y - r * std::sin(angle)};
      Segment(previous, next);
      previous = next;
    }
  }

  bool Inside(const ViewTransform::Point& p) const {
    return p.x >= x0_ && p.x <= x1_ && p.y >= y0_ && p.y <= y1_;
  }

 private:
  QPainter& painter_;
  const ViewTransform& view_;
  double lineWidth_;
  double x0_, y0_, x1_, y1_;
  std::map<int, QPen> pens_;
};

}  // namespace

QColor QBColor(int number) { return QColor::fromRgb(kPalette[PaletteIndex(number)]); }

QColor InkColour(int number) {
  const int index = PaletteIndex(number);
  if (index == 7 || index == 15) return QColor(0, 0, 0);
  return QBColor(index);
}

void RenderDrawing(QPainter& painter, const ViewerDrawing& drawing, const ViewTransform& view,
                   const QRectF& area, const RenderOptions& options) {
  painter.save();
  painter.fillRect(area, PaperColour());
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  Painter out(painter, view, area, options.lineWidth);
  const auto& points = drawing.points;
  for (const ViewerLine& line : drawing.lines) {
    out.UsePen(line.colour, line.lineType);
    out.Line(points[static_cast<std::size_t>(line.start)],
             points[static_cast<std::size_t>(line.end)]);
  }
  for (const ViewerArc& arc : drawing.arcs) {
    out.UsePen(arc.colour, 0);
    out.Arc(points[static_cast<std::size_t>(arc.centre)], ArcGeometryOf(drawing, arc));
  }
  const double arm = 3.0 * options.lineWidth;
  for (const ViewerMarker& marker : drawing.markers) {
    out.UsePen(0, 0);
    const ViewerPoint& p = points[static_cast<std::size_t>(marker.point)];
    const ViewTransform::Point w = view.ToWindow(p.x, p.y);
    out.Segment({w.x - arm, w.y - arm}, {w.x + arm, w.y + arm});
    out.Segment({w.x - arm, w.y + arm}, {w.x + arm, w.y - arm});
  }
  if (!drawing.texts.empty()) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(12.0 * options.lineWidth))));
    painter.setFont(font);
    out.UsePen(0, 0);
    for (const ViewerText& text : drawing.texts) {
      const ViewerPoint& p = points[static_cast<std::size_t>(text.point)];
      const ViewTransform::Point w = view.ToWindow(p.x, p.y);
      if (!out.Inside(w)) continue;
      painter.drawText(QPointF(w.x, w.y), QString::fromStdString(text.text));
    }
  }
  painter.restore();
}
