#pragma once

#include <string>
#include <vector>

#include "viewer/viewer_drawing.h"

// Drawing files written the way the editor writes them (print zones, a
// blank or a minus before each number, CR LF, code page 1252), for the
// viewer's tests: the text of what the viewer read compares it, with a
// readable difference, with what was written. decimalSeparator is the
// regional setting's.
std::string DisText(const ViewerDrawing& drawing, char decimalSeparator = '.');

// A small drawing: a red horizontal line from (0, 0) to (100, 0), a blue
// dash-dotted vertical one from (100, 0) to (100, 50), and a full circle of
// radius 10 (colour 2) around (50, 25).
ViewerDrawing SmallDrawing();
