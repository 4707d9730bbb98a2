// The stroke font shipped with the example suite, as the editor loads it:
// the file is generated once and committed, so these guard it against a
// regeneration or an edit that loses characters or breaks its format.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/cp1252.h"
#include "common/text.h"
#include "drawing/stroke_font.h"

namespace {

const std::string kProgramDir = EXAMPLE_SUITE_DIR "/progra";

// Every character the drawings write has strokes within the cell; the blank
// has none; the characters do not touch.
TEST(ExampleFont, HasEveryCharacterTheDrawingsWriteWithinTheCell) {
  auto font = std::make_unique<StrokeFont>();
  ASSERT_EQ(LoadFont(*font, kProgramDir), std::nullopt);
  std::u32string wanted = U"°àèéìòùÀÈÉÌÒÙ";
  for (char32_t c = U'!'; c <= U'~'; ++c) wanted += c;
  for (char32_t ch : wanted) {
    std::string utf8;
    AppendUtf8(utf8, ch);
    const int code = static_cast<unsigned char>(Utf8ToCp1252(utf8)[0]);
    const int n = font->GlyphPointCount[code];
    EXPECT_TRUE(n > 0 && n % 2 == 0) << static_cast<uint32_t>(ch);
    for (int k = 0; k < n; ++k) {
      EXPECT_TRUE(font->GlyphX[code][k] >= 0 && font->GlyphX[code][k] <= 99);
      EXPECT_TRUE(font->GlyphY[code][k] >= 0 && font->GlyphY[code][k] <= 99);
    }
  }
  EXPECT_EQ(font->GlyphPointCount[' '], 0);
  EXPECT_GT(font->FontSpacing, 0);
}

}  // namespace
