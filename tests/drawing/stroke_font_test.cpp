#include "drawing/stroke_font.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/drawing/drawing_test_support.h"

namespace {

// The fonts of data/: font_spacingN is a tiny font of spacing N, 'I' and the
// digits one upright stroke from the baseline (0, 30) to (0, 99), '-' one
// along the baseline, the blank and 'x' none.
std::unique_ptr<StrokeFont> DataFont(const std::string& name) {
  auto font = NewFont();
  EXPECT_EQ(LoadFont(*font, DRAWING_DATA_DIR "/" + name), std::nullopt);
  return font;
}

// The stroke count is (length without trailing blanks - 1) / 8, halves to
// even; fields past the end of the line read 0; 50 strokes at most; a later
// line replaces an earlier one; glyphs go by their code page 1252 code.
// font_counts holds, after spacing 15: A of 17 characters (two strokes); B
// of 21, replaced by a later B of 9; G of 21 (2.5 strokes, so 2); C of 29
// (3.5, so 4); D of 17 and trailing blanks; E of 51 strokes; F with signs
// and blanks; à.
TEST(LoadFont, CountsStrokesFromTheLineLength) {
  auto font = DataFont("font_counts");
  EXPECT_EQ(font->FontSpacing, 15);
  const std::pair<unsigned char, int> counts[] = {
      {'A', 4}, {'B', 2}, {'C', 8}, {'D', 4}, {'E', 100}, {'F', 2}, {'G', 4}, {0xE0, 2}, {'Z', -1}};
  for (const auto& [code, count] : counts) EXPECT_EQ(font->GlyphPointCount[code], count) << code;
  EXPECT_EQ(font->GlyphY['C'][6], 34);
  EXPECT_EQ(font->GlyphX['C'][7], 0);  // past the end of the line
  EXPECT_EQ(font->GlyphX['F'][1], -3);
  EXPECT_EQ(font->GlyphX['B'][1], 33);  // the later line
}

// A missing file leaves no glyph at all, nor does a spacing that is no
// number (the other read errors go through start-up's tests).
TEST(LoadFont, MissingFileAndReadErrors) {
  auto font = NewFont();
  const std::string folder = DRAWING_DATA_DIR "/assente";
  std::optional<Message> message = LoadFont(*font, folder);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, "File " + folder + "\\font.001 inesistente!");
  EXPECT_EQ(message->caption, "ERRORE");
  EXPECT_EQ(message->style, 16);
  const std::string bad = DRAWING_DATA_DIR "/font_bad_spacing";  // "venti", then a glyph
  message = LoadFont(*font, bad);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, "Errore in lettura del file " + bad + "\\font.001 !");
  EXPECT_EQ(font->GlyphPointCount['A'], -1);
  EXPECT_EQ(font->GlyphPointCount[255], 0);
}

// With spacing 20 a glyph spans four fifths of the pitch; 69 cell units
// above the baseline make the height; characters without strokes (here the
// blank and the euro sign) still take their place. At 90 degrees the text
// runs upwards, its upright strokes lying to the left.
TEST(DrawText, SpacingHeightAndAngleScaleTheCell) {
  auto font = DataFont("font_spacing20");
  auto d = NewDrawing();
  DrawText(*d, *font, "- €I", 10, 20, 0, 8, 6.9, 7);
  auto lines = LinesOf(*d);
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], 10.0, 20.0, 16.4, 20.0);
  ExpectLine(lines[1], 34.0, 20.0, 34.0, 26.9);  // three pitches on
  EXPECT_EQ(lines[1].colour, 7);
  ResetDrawing(*d);
  DrawText(*d, *font, "I I", 0, 0, 90, 10, 69, 1);
  lines = LinesOf(*d);
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[1], 0.0, 20.0, -69.0, 20.0);
}

const DimensionStyle kStyle{3, 1, 3.0, 8.0, 8.0, 4.0, 1.0, 30.0, 1};

// The end circles, the dimension line running the overshoot past both
// points, the extension lines longer on the chosen side; the label centred,
// the offset above the line. A label wider than its line goes offset plus
// height below it, and the next such one back above, so that neighbours do
// not overlap. Without a label the measured length, times the scale's
// magnitude, is shown; a vertical line is labelled at 90 degrees on its left.
// A label of one blank draws nothing but the lines (and no alternation); a
// line shorter than the tolerance, nothing.
TEST(DrawDimension, DrawsCirclesLinesAndLabelsOfEveryKind) {
  auto font = DataFont("font_spacing0");
  auto d = NewDrawing();
  for (int16_t side : {int16_t{1}, int16_t{0}}) {
    ResetDrawing(*d);
    DimensionStyle style = kStyle;
    style.ExtensionSide = side;
    DrawDimension(*d, *font, "I", 100, 0, 0, 0, style);  // given backwards
    ASSERT_EQ(d->ArcCount, 2);
    const auto lines = LinesOf(*d);
    ASSERT_EQ(lines.size(), 4u);
    ExpectLine(lines[0], -30.0, 0.0, 130.0, 0.0);
    ExpectLine(lines[2], 100.0, side == 1 ? 60.0 : 30.0, 100.0, side == 1 ? -30.0 : -60.0);
    ExpectLine(lines[3], 46.0, 4.0, 46.0, 12.0);  // the label
  }
  for (double y : {-12.0, 4.0, -12.0}) {
    ResetDrawing(*d);
    DrawDimension(*d, *font, std::string(13, 'I'), 0, 100, 0, 0, kStyle);  // 104 wide
    const auto label = LinesOf(*d, kStyle.LabelColour);
    ASSERT_EQ(label.size(), 13u);
    ExpectLine(label[0], -2.0, y, -2.0, y + 8.0);
  }
  DimensionStyle style = kStyle;
  style.LengthScale = -2.0;
  ResetDrawing(*d);
  DrawDimension(*d, *font, "", 0, 0, 50, 0, style);  // "100", vertical, given downwards
  const auto label = LinesOf(*d, kStyle.LabelColour);
  ASSERT_EQ(label.size(), 3u);
  ExpectLine(label[0], -4.0, 25.0 - 12.0, -12.0, 25.0 - 12.0);

  ResetDrawing(*d);
  d->LabelFlipped = 1;
  DrawDimension(*d, *font, " ", 0, 1, 0, 0, kStyle);
  EXPECT_EQ(d->LineCount, 3);
  EXPECT_EQ(d->LabelFlipped, 1);
  ResetDrawing(*d);
  DrawDimension(*d, *font, "I", 5, 5.00005, 1, 1, kStyle);
  EXPECT_EQ(d->PointCount, 0);
}

TEST(FormatDimensionValue, CutsAfterTheFirstDecimalWithoutRounding) {
  const std::pair<double, const char*> cases[] = {
      {12.96, "12.9"}, {100.0, "100"}, {0.25, ".2"},    {-3.75, "-3.7"},
      {2.05, "2.0"},   {0.0, "0"},     {1e-5, "1E-05"}, {1e20, "1E+20"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatDimensionValue(value), text) << value;
}

}  // namespace
