#pragma once

#include <string>

#include "viewer/viewer_drawing.h"

// The drawing as the text of a DXF R12 file, in the drawing's own
// coordinates: each line a LINE, each arc an ARC (a CIRCLE when whole),
// each marker a POINT and each text entity a TEXT, all on layer 0 with the
// palette colour turned into the nearest DXF colour number. Dash-dotted
// lines use the line type "DASHDOT", defined in the file. Texts that the
// stroke font drew are lines already and come out as lines.
std::string DxfText(const ViewerDrawing& drawing);

// The DXF colour number (1..255) a palette number (wrapped into 0..15) is
// written with: the nearest in colour, except black, which is number 7 (the
// colour CAD programs draw black on white paper and white on black).
int DxfColourOf(int paletteNumber);
