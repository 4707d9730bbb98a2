// Any bytes as the stroke font: loading must report, never crash or write
// outside the glyph table; whatever it kept must then draw every code into
// the drawing tables without leaving them.
#include <memory>
#include <string>

#include "common/cp1252.h"
#include "drawing/drawing_file.h"
#include "drawing/stroke_font.h"
#include "tests/support/temp_dir.h"

namespace {

struct Tables {
  StrokeFont font;
  DrawingFile drawing;
};

// Every code the font can hold, as the UTF-8 text DrawText takes (code 128
// of the font is the euro sign, as in the suite's code page).
std::string EveryCharacter() {
  std::string codes;
  for (int c = 1; c <= 0xFF; ++c) codes += static_cast<char>(c);
  return Cp1252ToUtf8(codes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const TempDir folder;
  static auto tables = std::make_unique<Tables>();
  static const std::string text = EveryCharacter();
  WriteBytes(folder.path() / "font.001", std::string(reinterpret_cast<const char*>(data), size));
  tables->font = StrokeFont{};
  LoadFont(tables->font, folder.SuitePath());
  ResetDrawing(tables->drawing);
  DrawText(tables->drawing, tables->font, text, 10.0, 20.0, 30, 4.0, 5.0, 1);
  DrawDimension(tables->drawing, tables->font, "", 0.0, 100.0, 0.0, 50.0,
                DimensionStyle{1, 2, 1.0, 4.0, 5.0, 2.0, 1.0, 3.0, 1});
  return 0;
}
