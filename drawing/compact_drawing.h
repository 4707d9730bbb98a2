#pragma once

#include "drawing/drawing_file.h"

// Prepares the drawing for writing, in four steps:
// 1. Lines: a line with a negative colour or line type is dropped; a line
//    with colour and line type above 0 is dropped when both its ends lie on
//    another line still in the table (PointOnSegment), whatever that line's
//    colour and type. Lines are examined in order, so of two identical lines
//    the later one survives.
// 2. Arcs: of arcs equal in every field, only the first is kept.
// 3. Points: every reference to a point moves to the first earlier point
//    within the tolerance of it, in X and in Y, if there is one.
// 4. Points that nothing refers to are removed; the rest keep their order.
// The result is exactly that of comparing every pair, entry by entry, as the
// steps are stated; spatial hashing only makes it take close to linear time.
void CompactDrawing(DrawingFile& drawing);
