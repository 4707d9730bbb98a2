#include "drawing/drawing_file.h"

#include <cassert>
#include <cmath>
#include <string>

#include "common/message.h"
#include "platform/prompter.h"

namespace {

// The last addition a table still takes comes with a warning; after it the
// drawing goes on without what does not fit.
void WarnTableFull(const DrawingFile& drawing, const char* text) {
  if (drawing.WarningPrompter == nullptr) return;
  drawing.WarningPrompter->ShowMessageBox(text, kStyleExclamation, kCaptionProblem);
}

bool Close(double a, double b) { return std::fabs(a - b) < kDrawingTolerance; }

double Distance(const DrawingPoint& a, const DrawingPoint& b) {
  return std::sqrt((a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y));
}

void MoveDown(int32_t& index, int32_t removed) {
  if (index > removed) --index;
}

}  // namespace

DrawingWarningsTo::DrawingWarningsTo(DrawingFile& drawing, Prompter& prompter)
    : drawing_(drawing), previous_(drawing.WarningPrompter) {
  drawing.WarningPrompter = &prompter;
}

DrawingWarningsTo::~DrawingWarningsTo() { drawing_.WarningPrompter = previous_; }

void ResetDrawing(DrawingFile& drawing) {
  drawing.PointCount = 0;
  drawing.LineCount = 0;
  drawing.ArcCount = 0;
  drawing.MarkerCount = 0;
  drawing.TextCount = 0;
}

void CarryKeptState(const DrawingFile& from, DrawingFile& to) {
  to.DrawOffsetX = from.DrawOffsetX;
  to.DrawOffsetY = from.DrawOffsetY;
  to.CurrentColour = from.CurrentColour;
  to.CurrentLineType = from.CurrentLineType;
  to.Xmin = from.Xmin;
  to.Xmax = from.Xmax;
  to.Ymin = from.Ymin;
  to.Ymax = from.Ymax;
  to.LabelFlipped = from.LabelFlipped;
  to.WarningPrompter = from.WarningPrompter;
}

int32_t FindOrAddPoint(DrawingFile& drawing, double x, double y) {
  const int32_t count = drawing.PointCount;
  const int32_t oldest = count - 31 > 0 ? count - 31 : 0;
  for (int32_t i = count - 1; i >= oldest; --i) {
    const DrawingPoint& p = drawing.Points[static_cast<std::size_t>(i)];
    if (Close(x, p.X) && Close(y, p.Y)) return i;
  }
  if (count == kMaxDrawingPoints - 1) {
    WarnTableFull(drawing,
                  "Troppi punti nel disegno: oltre 50000 punti il disegno resterà incompleto");
  }
  if (count >= kMaxDrawingPoints) return -1;
  drawing.Points[static_cast<std::size_t>(count)] = {x, y};
  drawing.PointCount = count + 1;
  return count;
}

void AddLine(DrawingFile& drawing, double x1, double y1, double x2, double y2, int16_t colour) {
  if (drawing.LineCount == kMaxDrawingLines - 1) {
    WarnTableFull(drawing,
                  "Troppe linee nel disegno: oltre 50000 linee il disegno resterà incompleto");
  }
  if (drawing.LineCount >= kMaxDrawingLines) return;
  const int32_t start = FindOrAddPoint(drawing, x1, y1);
  const int32_t end = FindOrAddPoint(drawing, x2, y2);
  if (start < 0 || end < 0) return;
  drawing.Lines[static_cast<std::size_t>(drawing.LineCount)] = {start, end, colour,
                                                                drawing.CurrentLineType};
  ++drawing.LineCount;
}

void DrawLine(DrawingFile& drawing, double x1, double y1, double x2, double y2,
              std::optional<int16_t> colour) {
  if (Close(x1, x2) && Close(y1, y2)) return;
  AddLine(drawing, x1 + drawing.DrawOffsetX, y1 + drawing.DrawOffsetY, x2 + drawing.DrawOffsetX,
          y2 + drawing.DrawOffsetY, colour.value_or(drawing.CurrentColour));
}

void DrawArc(DrawingFile& drawing, double cx, double cy, double diameter,
             std::optional<int16_t> colour, std::optional<double> startAngle,
             std::optional<double> endAngle) {
  if (!(diameter > kDrawingTolerance)) return;
  if (drawing.ArcCount == kMaxDrawingArcs - 1) {
    WarnTableFull(drawing,
                  "Troppi archi nel disegno: oltre 15000 archi il disegno resterà incompleto");
  }
  if (drawing.ArcCount >= kMaxDrawingArcs) return;
  const double start = startAngle.value_or(0.0);
  const double end = endAngle.value_or(start);
  const double x = cx + drawing.DrawOffsetX;
  const double y = cy + drawing.DrawOffsetY;
  const double radius = diameter / 2.0;
  const int32_t centre = FindOrAddPoint(drawing, x, y);
  if (centre < 0) return;
  const int32_t first =
      FindOrAddPoint(drawing, x + radius * std::cos(start), y + radius * std::sin(start));
  if (first < 0) return;
  const int32_t last =
      FindOrAddPoint(drawing, x + radius * std::cos(end), y + radius * std::sin(end));
  if (last < 0) return;
  int16_t stored = colour.value_or(drawing.CurrentColour);
  if (stored == 0) stored = 1;
  drawing.Arcs[static_cast<std::size_t>(drawing.ArcCount)] = {centre, first,  centre,
                                                              last,   stored, 0};
  ++drawing.ArcCount;
}

bool PointOnSegment(const DrawingPoint& p, const DrawingPoint& a, const DrawingPoint& b) {
  return Distance(p, a) + Distance(p, b) - Distance(a, b) < kDrawingTolerance;
}

void RemovePoint(DrawingFile& drawing, int32_t k) {
  assert(k >= 0 && k < drawing.PointCount && "point index outside the table");
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    DrawingLine& line = drawing.Lines[static_cast<std::size_t>(i)];
    MoveDown(line.StartPoint, k);
    MoveDown(line.EndPoint, k);
  }
  for (int32_t i = 0; i < drawing.MarkerCount; ++i) {
    MoveDown(drawing.Markers[static_cast<std::size_t>(i)].Point, k);
  }
  for (int32_t i = 0; i < drawing.TextCount; ++i) {
    MoveDown(drawing.Texts[static_cast<std::size_t>(i)].Point, k);
  }
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    DrawingArc& arc = drawing.Arcs[static_cast<std::size_t>(i)];
    MoveDown(arc.CentrePoint, k);
    MoveDown(arc.StartPoint, k);
    MoveDown(arc.ThirdPoint, k);
    MoveDown(arc.EndPoint, k);
  }
  for (int32_t i = k; i + 1 < drawing.PointCount; ++i) {
    drawing.Points[static_cast<std::size_t>(i)] = drawing.Points[static_cast<std::size_t>(i + 1)];
  }
  --drawing.PointCount;
}

void RemoveLine(DrawingFile& drawing, int32_t k) {
  assert(k >= 0 && k < drawing.LineCount && "line index outside the table");
  for (int32_t i = k; i + 1 < drawing.LineCount; ++i) {
    drawing.Lines[static_cast<std::size_t>(i)] = drawing.Lines[static_cast<std::size_t>(i + 1)];
  }
  --drawing.LineCount;
}

void RemoveArc(DrawingFile& drawing, int32_t k) {
  assert(k >= 0 && k < drawing.ArcCount && "arc index outside the table");
  for (int32_t i = k; i + 1 < drawing.ArcCount; ++i) {
    drawing.Arcs[static_cast<std::size_t>(i)] = drawing.Arcs[static_cast<std::size_t>(i + 1)];
  }
  --drawing.ArcCount;
}

void ComputeExtents(DrawingFile& drawing) {
  if (drawing.PointCount == 0) {
    drawing.Xmin = drawing.Xmax = drawing.Ymin = drawing.Ymax = 0.0;
    return;
  }
  const DrawingPoint& first = drawing.Points[0];
  double xmin = first.X, xmax = first.X, ymin = first.Y, ymax = first.Y;
  for (int32_t i = 1; i < drawing.PointCount; ++i) {
    const DrawingPoint& p = drawing.Points[static_cast<std::size_t>(i)];
    if (p.X < xmin) xmin = p.X;
    if (p.X > xmax) xmax = p.X;
    if (p.Y < ymin) ymin = p.Y;
    if (p.Y > ymax) ymax = p.Y;
  }
  drawing.Xmin = xmin;
  drawing.Xmax = xmax;
  drawing.Ymin = ymin;
  drawing.Ymax = ymax;
}
