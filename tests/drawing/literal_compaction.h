#pragma once

#include "drawing/drawing_file.h"

// The compaction as its steps read, pair by pair, removing entries one at a
// time: quadratic, and the reference CompactDrawing must agree with entry
// for entry.
void CompactDrawingLiterally(DrawingFile& drawing);
