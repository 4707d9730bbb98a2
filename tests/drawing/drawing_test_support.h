#pragma once

#include <memory>
#include <vector>

#include "drawing/drawing_file.h"
#include "drawing/stroke_font.h"

// The tables are too large for the stack.
std::unique_ptr<DrawingFile> NewDrawing();
std::unique_ptr<StrokeFont> NewFont();

// Table entries as a file holds them, past the look-back and the checks.
int32_t AddPoint(DrawingFile& drawing, double x, double y);
void AddLineEntry(DrawingFile& drawing, int32_t a, int32_t b, int16_t colour, int16_t lineType);
const DrawingPoint& PointAt(const DrawingFile& drawing, int32_t index);

// A line of the drawing by its ends' coordinates, so that tests need not
// know which point index each end got; only those of the colour, if given.
struct LineSeen {
  double x1, y1, x2, y2;
  int16_t colour, lineType;
};
std::vector<LineSeen> LinesOf(const DrawingFile& drawing, int colour = -2);
void ExpectLine(const LineSeen& line, double x1, double y1, double x2, double y2);
