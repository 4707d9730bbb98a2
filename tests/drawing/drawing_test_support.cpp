#include "tests/drawing/drawing_test_support.h"

#include "tests/support/temp_dir.h"

std::unique_ptr<DrawingFile> NewDrawing() { return std::make_unique<DrawingFile>(); }

std::unique_ptr<StrokeFont> NewFont() { return std::make_unique<StrokeFont>(); }

std::vector<LineSeen> LinesOf(const DrawingFile& drawing) {
  std::vector<LineSeen> lines;
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    const DrawingLine& l = drawing.Lines[static_cast<std::size_t>(i)];
    const DrawingPoint& a = drawing.Points[static_cast<std::size_t>(l.StartPoint)];
    const DrawingPoint& b = drawing.Points[static_cast<std::size_t>(l.EndPoint)];
    lines.push_back({a.X, a.Y, b.X, b.Y, l.Colour, l.LineType});
  }
  return lines;
}

std::vector<std::string> TestFontLines(int spacing) {
  std::vector<std::string> lines = {std::to_string(spacing), "I 030 099", "- 0309930", " ", "x"};
  for (char c : std::string("0123456789.")) lines.push_back(std::string(1, c) + " 030 099");
  return lines;
}

void WriteTestFont(const std::filesystem::path& programDir, int spacing) {
  WriteJobFile(programDir / "font.001", TestFontLines(spacing));
}
