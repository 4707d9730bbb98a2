#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A drawing file (".dis") as the viewer holds it: shared points and the
// entities that refer to them by zero-based index, every index checked.

struct ViewerPoint {
  double x = 0.0;
  double y = 0.0;
};

struct ViewerLine {
  int32_t start = 0;
  int32_t end = 0;
  int16_t colour = 0;    // palette number
  int16_t lineType = 0;  // 1 dash-dotted, anything else solid
};

// A circle, or the part of it from the start point counter-clockwise to the
// end point; when the two coincide it is the whole circle.
struct ViewerArc {
  int32_t centre = 0;
  int32_t start = 0;
  int32_t third = 0;
  int32_t end = 0;
  int16_t colour = 1;
  int16_t flag = 0;
};

struct ViewerMarker {
  int32_t point = 0;
  int16_t attributeA = 0;
  int16_t attributeB = 0;
};

struct ViewerText {
  int32_t point = 0;
  std::string text;  // UTF-8
};

struct ViewerDrawing {
  // The header: the extents the writer computed, and its fixed range line.
  double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
  std::vector<ViewerPoint> points;
  std::vector<ViewerMarker> markers;
  std::vector<ViewerLine> lines;
  std::vector<ViewerText> texts;
  std::vector<ViewerArc> arcs;
};

// A drawing, or the reason it could not be read: a message naming the file
// and the line, "Problemi con la lettura del file X (riga 7: ...)".
struct DrawingReadResult {
  std::optional<ViewerDrawing> drawing;
  std::string error;
};

// Reads the text of a drawing file (code page 1252). Decimal separators may
// be points or commas. fileName is only used in the message.
DrawingReadResult ParseDrawing(std::string_view bytes, const std::string& fileName);

// Reads the drawing file at path; fileName names it in messages (the path
// as the user knows it).
DrawingReadResult ReadDrawing(const std::filesystem::path& path, const std::string& fileName);

// The radius of an arc and the counter-clockwise sweep, in radians, from its
// start angle; 2 pi for a whole circle.
struct ArcGeometry {
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;
};
ArcGeometry ArcGeometryOf(const ViewerDrawing& drawing, const ViewerArc& arc);

struct DrawingBounds {
  double xmin = 0.0, ymin = 0.0, xmax = 0.0, ymax = 0.0;
};

// The box around what the viewer draws: every end of a line, every arc's
// circle, every marker and text point. A drawing with nothing to draw gives
// the header's extents.
DrawingBounds BoundsOf(const ViewerDrawing& drawing);
