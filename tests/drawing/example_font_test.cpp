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

class ExampleFont : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(LoadFont(*font_, kProgramDir), std::nullopt); }

  static int CodeOf(char32_t ch) {
    std::string utf8;
    AppendUtf8(utf8, ch);
    return static_cast<unsigned char>(Utf8ToCp1252(utf8)[0]);
  }

  // The highest or the lowest point of the glyph.
  int Extreme(char32_t ch, bool top) const {
    const int code = CodeOf(ch);
    const auto first = font_->GlyphY[code].begin(), last = first + font_->GlyphPointCount[code];
    return top ? *std::max_element(first, last) : *std::min_element(first, last);
  }

  std::unique_ptr<StrokeFont> font_ = std::make_unique<StrokeFont>();
};

TEST_F(ExampleFont, HasEveryCharacterTheDrawingsWriteWithinTheCell) {
  std::u32string wanted = U"°àèéìòùÀÈÉÌÒÙ";
  for (char32_t c = U'!'; c <= U'~'; ++c) wanted += c;
  for (char32_t ch : wanted) {
    const int code = CodeOf(ch);
    const int n = font_->GlyphPointCount[code];
    EXPECT_TRUE(n > 0 && n % 2 == 0) << static_cast<uint32_t>(ch);
    for (int k = 0; k < n; ++k) {
      EXPECT_TRUE(font_->GlyphX[code][k] >= 0 && font_->GlyphX[code][k] <= 99);
      EXPECT_TRUE(font_->GlyphY[code][k] >= 0 && font_->GlyphY[code][k] <= 99);
    }
  }
  EXPECT_EQ(font_->GlyphPointCount[' '], 0) << "the blank is in the font, without strokes";
  EXPECT_GT(font_->FontSpacing, 0) << "characters must not touch";
}

TEST_F(ExampleFont, LettersSitOnTheBaselineAndAccentsAboveThem) {
  EXPECT_EQ(Extreme(U'H', false), 30);
  EXPECT_EQ(Extreme(U'0', false), 30);
  EXPECT_LT(Extreme(U'g', false), 30);
  for (const auto& [plain, accented] :
       {std::pair{U'a', U'à'}, {U'e', U'é'}, {U'o', U'ò'}, {U'u', U'ù'}, {U'E', U'È'}}) {
    EXPECT_GT(Extreme(accented, true), Extreme(plain, true)) << static_cast<uint32_t>(accented);
  }
  EXPECT_GT(Extreme(U'°', false), Extreme(U'a', true)) << "the degree sign stands high";
}

TEST_F(ExampleFont, FileIsCrLfWithAtMostFiftyStrokesALine) {
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
