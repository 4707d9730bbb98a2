#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/message.h"
#include "drawing/drawing_file.h"

constexpr int kGlyphCodes = 256;      // one glyph per 8-bit code (CP1252)
constexpr int kMaxGlyphPoints = 100;  // 50 strokes
constexpr int kGlyphBaseline = 30;    // cell coordinates run from 0 to 99

// The stroke font every text of a drawing is drawn with. A glyph is a list
// of stroke end points, two per stroke, in a 99 x 99 cell.
struct StrokeFont {
  int16_t FontSpacing = 0;  // percentage of the pitch left empty between characters
  // Number of stroke end points of each code; -1 (or 0) draws nothing.
  std::array<int16_t, kGlyphCodes> GlyphPointCount{};
  std::array<std::array<int16_t, kMaxGlyphPoints + 1>, kGlyphCodes> GlyphX{};
  std::array<std::array<int16_t, kMaxGlyphPoints + 1>, kGlyphCodes> GlyphY{};
};

// Reads programDir + "\font.001" into font: line 1 the spacing; then one line
// per character, the character in column 1 and from column 2 strokes of 8
// columns (x1, y1, x2, y2, two columns each). Every code but 255 is first
// made undefined. Returns the message to show, with the critical-stop icon
// and caption "ERRORE": "File <dir>\font.001 inesistente!" when there is no
// such file (no glyphs), or "Errore in lettura del file <dir>\font.001 !"
// on a read error such as an empty line (the characters read before it stay
// defined). Nothing when all went well.
std::optional<Message> LoadFont(StrokeFont& font, const std::string& programDir);

// Draws text (UTF-8) with the first character's cell origin (left edge,
// baseline) at (x, y), each further character one pitch along the angle (in
// whole degrees), the cell scaled to the height; each stroke is a DrawLine
// in the given colour, so the drawing offset applies. Characters without a
// glyph draw nothing but still take their place.
void DrawText(DrawingFile& drawing, const StrokeFont& font, std::string_view text, double x,
              double y, int16_t angle, double pitch, double height, int16_t colour);

// How a dimension is drawn: colours, circle diameter at both ends, the
// label's character pitch and height, its distance from the line, the factor
// of the measured length for the label, how far the lines run past the
// points, and on which side the extension lines reach farther (1 or else).
struct DimensionStyle {
  int16_t Colour = 0;  // -1: the label only
  int16_t LabelColour = 0;
  double CircleDiameter = 0.0;
  double Pitch = 0.0;
  double Height = 0.0;
  double LabelOffset = 0.0;
  double LengthScale = 1.0;
  double Overshoot = 0.0;
  int16_t ExtensionSide = 0;
};

// A dimension from (x1, y1) to (x2, y2): end circles, the dimension line,
// extension lines across both points, then the label, centred on the line
// and offset to its left; an empty label shows the measured length. A label
// that is wider than the line goes to the other side, unless the previous
// one did (LabelFlipped), so that consecutive narrow dimensions alternate.
void DrawDimension(DrawingFile& drawing, const StrokeFont& font, std::string_view label, double x1,
                   double x2, double y1, double y2, const DimensionStyle& style);

// The value's general decimal text, cut after the first digit that follows
// the decimal point, without rounding: 12.96 gives "12.9", 0.25 ".2", 100
// "100". An exponent form is kept whole.
std::string FormatDimensionValue(double value);
