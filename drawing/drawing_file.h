#pragma once

#include <cstdint>
#include <optional>

#include "common/zeroed_array.h"

class Prompter;

// The tables hold one slot more than they ever fill: the last addition
// before a table is full shows the table-full warning and is still made.
constexpr int32_t kMaxDrawingPoints = 50000;
constexpr int32_t kMaxDrawingLines = 50000;
constexpr int32_t kMaxDrawingArcs = 15000;
constexpr int32_t kDrawingMarkerSlots = 5001;
constexpr int32_t kDrawingTextSlots = 15001;

// Two coordinates closer than this, in X and in Y, are the same point.
constexpr double kDrawingTolerance = 0.0001;

struct DrawingPoint {
  double X = 0.0;
  double Y = 0.0;
};

struct DrawingLine {
  int32_t StartPoint = 0;  // index into the point table
  int32_t EndPoint = 0;
  int16_t Colour = 0;  // colour number of the viewer's palette
  int16_t LineType = 0;
};

struct DrawingArc {
  int32_t CentrePoint = 0;
  int32_t StartPoint = 0;  // on the circle at the start angle
  int32_t ThirdPoint = 0;  // always the centre again
  int32_t EndPoint = 0;    // on the circle at the end angle
  int16_t Colour = 1;
  int16_t Flag = 0;
};

// The format has markers and text entities, but every text of this system is
// drawn as strokes and nothing places markers: both tables stay empty.
struct DrawingMarker {
  int32_t Point = 0;
  int16_t AttributeA = 0;
  int16_t AttributeB = 0;
};

struct DrawingText {
  int32_t Point = 0;
};

// The one vector drawing: shared points and the entities that refer to them
// by zero-based index. Its tables take about 2 MB, touched only as far as
// they are filled; it is emptied before each view is drawn.
struct DrawingFile {
  int32_t PointCount = 0;
  ZeroedArray<DrawingPoint, kMaxDrawingPoints + 1> Points;
  int32_t LineCount = 0;
  ZeroedArray<DrawingLine, kMaxDrawingLines + 1> Lines;
  int32_t ArcCount = 0;
  ZeroedArray<DrawingArc, kMaxDrawingArcs + 1> Arcs;
  int32_t MarkerCount = 0;
  ZeroedArray<DrawingMarker, kDrawingMarkerSlots> Markers;
  int32_t TextCount = 0;
  ZeroedArray<DrawingText, kDrawingTextSlots> Texts;

  // Added to every coordinate that DrawLine and DrawArc store.
  double DrawOffsetX = 0.0;
  double DrawOffsetY = 0.0;
  int16_t CurrentColour = 0;    // for primitives called without a colour
  int16_t CurrentLineType = 0;  // copied into every line added

  // Written by ComputeExtents, read by the writer.
  double Xmin = 0.0, Xmax = 0.0, Ymin = 0.0, Ymax = 0.0;

  // 1 when the last dimension label went to the far side of its line
  // because it did not fit; ResetDrawing keeps it, so labels alternate
  // across the drawings of one run.
  int16_t LabelFlipped = 0;

  // Where the table-full warning is shown; nobody is told when null. Set
  // for the time of one drawing with DrawingWarningsTo.
  Prompter* WarningPrompter = nullptr;
};

// Points the drawing's warnings at a prompter for the life of this object.
class DrawingWarningsTo {
 public:
  DrawingWarningsTo(DrawingFile& drawing, Prompter& prompter);
  ~DrawingWarningsTo();
  DrawingWarningsTo(const DrawingWarningsTo&) = delete;
  DrawingWarningsTo& operator=(const DrawingWarningsTo&) = delete;

 private:
  DrawingFile& drawing_;
  Prompter* previous_;
};

// Empties every table; offsets, current colour and line type, extents and
// LabelFlipped keep their values.
void ResetDrawing(DrawingFile& drawing);

// Gives `to` what ResetDrawing keeps of `from`, and its warning prompter: a
// drawing made in another DrawingFile then starts as it would in `from`.
void CarryKeptState(const DrawingFile& from, DrawingFile& to);

// The index of a point within kDrawingTolerance of (x, y) among the last 31
// points stored, newest first; otherwise (x, y) is appended as given (no
// offset). -1 when the table is full. Farther duplicates are left to
// CompactDrawing, so that adding costs constant time.
int32_t FindOrAddPoint(DrawingFile& drawing, double x, double y);

// Appends a line between the points found or added for its two ends, with
// CurrentLineType. A line whose end could not be stored is not kept.
void AddLine(DrawingFile& drawing, double x1, double y1, double x2, double y2, int16_t colour);

// AddLine with both ends moved by the drawing offset, and CurrentColour when
// no colour is given. Lines shorter than the tolerance in X and in Y are not
// drawn.
void DrawLine(DrawingFile& drawing, double x1, double y1, double x2, double y2,
              std::optional<int16_t> colour = std::nullopt);

// Appends an arc (angles in radians; no end angle means the start angle, a
// full circle) centred on (cx, cy) moved by the offset. Nothing for a
// diameter up to the tolerance. The centre, then the start point, then the
// end point are found or added; when any of them cannot be stored the arc is
// not added. Colour 0 is stored as 1.
void DrawArc(DrawingFile& drawing, double cx, double cy, double diameter,
             std::optional<int16_t> colour = std::nullopt,
             std::optional<double> startAngle = std::nullopt,
             std::optional<double> endAngle = std::nullopt);

// True when p lies on the segment from a to b: |pa| + |pb| - |ab| below the
// tolerance.
bool PointOnSegment(const DrawingPoint& p, const DrawingPoint& a, const DrawingPoint& b);

// Remove entry k, moving the later ones down. RemovePoint first moves down
// every point index above k held by lines, arcs, markers and texts.
void RemovePoint(DrawingFile& drawing, int32_t k);
void RemoveLine(DrawingFile& drawing, int32_t k);
void RemoveArc(DrawingFile& drawing, int32_t k);

// Smallest and largest X and Y over the points stored; all 0 when there are
// none.
void ComputeExtents(DrawingFile& drawing);
