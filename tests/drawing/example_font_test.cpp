// The stroke font shipped with the example suite, as the editor loads it:
// the file is generated once and committed, so these guard it against a
// regeneration or an edit that loses characters or breaks its format.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/cp1252.h"
#include "common/text.h"
#include "drawing/stroke_font.h"
#include "tests/support/temp_dir.h"

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

TEST(ExampleFont, FileIsCrLfWithAtMostFiftyStrokesALine) {
  const std::string bytes = ReadBytes(std::filesystem::path(kProgramDir) / "font.001");
  int lines = 0;
  for (std::size_t start = 0, end; start < bytes.size(); start = end + 2, ++lines) {
    end = bytes.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "line " << lines + 1 << " without CR LF";
    const std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_LE(TrimRight(line).size(), 1u + 50 * 8) << "line " << lines + 1;
  }
  EXPECT_GT(lines, 100);
}

}  // namespace
