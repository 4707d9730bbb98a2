// The stroke font shipped with the example suite, as the editor loads it:
// the file is generated once and committed, so these guard it against a
// regeneration or an edit that loses characters or breaks its format.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "common/cp1252.h"
#include "common/text.h"
#include "drawing/stroke_font.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kProgramDir = EXAMPLE_SUITE_DIR "/progra";

std::unique_ptr<StrokeFont> ExampleFont() {
  auto font = std::make_unique<StrokeFont>();
  EXPECT_EQ(LoadFont(*font, kProgramDir), std::nullopt);
  return font;
}

int CodeOf(char32_t ch) {
  std::string utf8;
  AppendUtf8(utf8, ch);
  return static_cast<unsigned char>(Utf8ToCp1252(utf8)[0]);
}

// The highest (or lowest) point of the glyph.
int Extreme(const StrokeFont& font, char32_t ch, bool top) {
  const int code = CodeOf(ch);
  const auto first = font.GlyphY[code].begin(), last = first + font.GlyphPointCount[code];
  return top ? *std::max_element(first, last) : *std::min_element(first, last);
}
int Top(const StrokeFont& font, char32_t ch) { return Extreme(font, ch, true); }
int Bottom(const StrokeFont& font, char32_t ch) { return Extreme(font, ch, false); }

TEST(ExampleFont, HasEveryCharacterTheDrawingsWriteWithinTheCell) {
  const auto font = ExampleFont();
  std::u32string wanted = U"°àèéìòùÀÈÉÌÒÙ";
  for (char32_t c = U'!'; c <= U'~'; ++c) wanted += c;
  for (char32_t ch : wanted) {
    const int code = CodeOf(ch);
    const int n = font->GlyphPointCount[code];
    EXPECT_GT(n, 0) << static_cast<uint32_t>(ch);
    EXPECT_EQ(n % 2, 0);
    for (int k = 0; k < n; ++k) {
      EXPECT_TRUE(font->GlyphX[code][k] >= 0 && font->GlyphX[code][k] <= 99);
      EXPECT_TRUE(font->GlyphY[code][k] >= 0 && font->GlyphY[code][k] <= 99);
    }
  }
  EXPECT_EQ(font->GlyphPointCount[' '], 0) << "the blank is in the font, without strokes";
  EXPECT_GT(font->FontSpacing, 0) << "characters must not touch";
}

TEST(ExampleFont, LettersSitOnTheBaselineAndAccentsAboveThem) {
  const auto font = ExampleFont();
  EXPECT_EQ(Bottom(*font, U'H'), 30);
  EXPECT_EQ(Bottom(*font, U'0'), 30);
  EXPECT_LT(Bottom(*font, U'g'), 30);
  for (const auto& [plain, accented] :
       {std::pair{U'a', U'à'}, {U'e', U'é'}, {U'o', U'ò'}, {U'u', U'ù'}, {U'E', U'È'}}) {
    EXPECT_GT(Top(*font, accented), Top(*font, plain)) << static_cast<uint32_t>(accented);
  }
  EXPECT_GT(Bottom(*font, U'°'), Top(*font, U'a')) << "the degree sign stands high";
}

TEST(ExampleFont, FileIsCrLfWithAtMostFiftyStrokesALine) {
  const std::string bytes = ReadBytes(std::filesystem::path(kProgramDir) / "font.001");
  std::size_t start = 0;
  int lines = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "line " << lines + 1 << " without CR LF";
    const std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_LE(TrimRight(line).size(), 1u + 50 * 8) << "line " << lines + 1;
    start = end + 2;
    ++lines;
  }
  EXPECT_GT(lines, 100);
}

}  // namespace
