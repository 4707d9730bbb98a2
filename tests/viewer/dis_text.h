#pragma once

#include <string>
#include <vector>

#include "viewer/viewer_drawing.h"

// Drawing files written the way the editor writes them (print zones, a
// blank or a minus before each number, CR LF), for the viewer's tests.
struct DisContent {
  struct Point {
    double x, y;
  };
  struct Line {
    int start, end, colour, lineType;
  };
  struct Arc {
    int centre, start, end, colour;
  };
  double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  std::vector<Point> points;
  std::vector<Line> lines;
  std::vector<Arc> arcs;
};

// The file's bytes; decimalSeparator is the regional setting's.
std::string DisText(const DisContent& content, char decimalSeparator = '.');

// One number line as the writer prints it.
std::string DisNumberLine(const std::vector<double>& values, char decimalSeparator = '.');

// What the viewer read, as the writer's content (markers and texts aside):
// DisText of both compares two drawings with a readable difference.
DisContent ContentOf(const ViewerDrawing& drawing);

// A small drawing: a red horizontal line from (0, 0) to (100, 0), a blue
// dash-dotted vertical one from (100, 0) to (100, 50), and a full circle of
// radius 10 (colour 2) around (50, 25).
DisContent SmallDrawing();
