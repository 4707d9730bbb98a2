#include "tests/drawing/drawing_test_support.h"

#include <gtest/gtest.h>

std::unique_ptr<DrawingFile> NewDrawing() { return std::make_unique<DrawingFile>(); }

std::unique_ptr<StrokeFont> NewFont() { return std::make_unique<StrokeFont>(); }

int32_t AddPoint(DrawingFile& d, double x, double y) {
  d.Points[static_cast<std::size_t>(d.PointCount)] = {x, y};
  return d.PointCount++;
}

void AddLineEntry(DrawingFile& d, int32_t a, int32_t b, int16_t colour, int16_t lineType) {
  d.Lines[static_cast<std::size_t>(d.LineCount++)] = {a, b, colour, lineType};
}

const DrawingPoint& PointAt(const DrawingFile& d, int32_t index) {
  return d.Points[static_cast<std::size_t>(index)];
}

std::vector<LineSeen> LinesOf(const DrawingFile& drawing, int colour) {
  std::vector<LineSeen> lines;
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    const DrawingLine& l = drawing.Lines[static_cast<std::size_t>(i)];
    if (colour != -2 && l.Colour != colour) continue;
    const DrawingPoint &a = PointAt(drawing, l.StartPoint), &b = PointAt(drawing, l.EndPoint);
    lines.push_back({a.X, a.Y, b.X, b.Y, l.Colour, l.LineType});
  }
  return lines;
}

void ExpectLine(const LineSeen& l, double x1, double y1, double x2, double y2) {
  EXPECT_NEAR(l.x1, x1, 1e-9);
  EXPECT_NEAR(l.y1, y1, 1e-9);
  EXPECT_NEAR(l.x2, x2, 1e-9);
  EXPECT_NEAR(l.y2, y2, 1e-9);
}
