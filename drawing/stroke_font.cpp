#include "drawing/stroke_font.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>

#include "common/cp1252.h"
#include "common/line_reader.h"
#include "common/number_text.h"
#include "common/text.h"
#include "common/val.h"
#include "platform/suite_path.h"

namespace {

// The value of pi the drawings have always been made with.
constexpr double kPi = 3.14159265359;

int16_t ToInt16(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int16_t>(std::clamp(std::nearbyint(value), -32768.0, 32767.0));
}

// The spacing: the first field of line 1, an integer.
std::optional<int16_t> ReadSpacing(std::string_view line) {
  const auto value = ParseNumber(Trim(std::string(line.substr(0, line.find(',')))));
  if (!value || !(*value >= -32768.5 && *value <= 32767.5)) return std::nullopt;
  return ToInt16(*value);
}

// A two-column field from column `column` (counted from 1); what lies past
// the end of the line reads as nothing, that is 0.
int16_t Field(std::string_view line, std::size_t column) {
  if (column > line.size()) return 0;
  return ToInt16(Val(line.substr(column - 1, 2)));
}

// One character's line; false for an empty one, which cannot be read.
bool ParseGlyphLine(StrokeFont& font, std::string_view line) {
  if (line.empty()) return false;
  const auto code = static_cast<unsigned char>(line.front());
  const std::size_t length = line.find_last_not_of(' ') + 1;  // 0 for a blank's line
  // Strokes take 8 columns each after the character; a line cut short
  // rounds its count to the nearest, halves to even.
  const double strokes = std::nearbyint((static_cast<double>(length) - 1.0) / 8.0);
  const int points = std::clamp(static_cast<int>(strokes) * 2, 0, kMaxGlyphPoints);
  for (int k = 0; k < points; ++k) {
    const std::size_t column = 2 + 4 * static_cast<std::size_t>(k);
    font.GlyphX[code][static_cast<std::size_t>(k)] = Field(line, column);
    font.GlyphY[code][static_cast<std::size_t>(k)] = Field(line, column + 2);
  }
  font.GlyphPointCount[code] = static_cast<int16_t>(points);
  return true;
}

// Line by line as the file gives them, stopping at the first that cannot be
// read. A line over the limit leaves the font as if nothing had been read,
// as it always has.
bool ParseFontLines(StrokeFont& font, LineReader& lines) {
  const auto before = std::make_unique<StrokeFont>(font);
  const auto parse = [&] {
    const std::optional<std::string_view> first = lines.NextView();
    if (!first) return false;
    const auto spacing = ReadSpacing(*first);
    if (!spacing) return false;
    font.FontSpacing = *spacing;
    while (const std::optional<std::string_view> line = lines.NextView()) {
      if (!ParseGlyphLine(font, *line)) return false;
    }
    return !lines.TooLong();
  };
  if (parse()) return true;
  if (lines.TooLong()) font = *before;
  return false;
}

// The 8-bit code of a character, or -1 when code page 1252 has none.
int GlyphCode(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  std::string utf8;
  AppendUtf8(utf8, c);
  const std::string byte = Utf8ToCp1252(utf8);
  if (byte.size() != 1 || byte[0] == '?') return -1;
  return static_cast<unsigned char>(byte[0]);
}

}  // namespace

std::optional<Message> LoadFont(StrokeFont& font, const std::string& programDir) {
  std::fill(font.GlyphPointCount.begin(), font.GlyphPointCount.end() - 1, int16_t{-1});
  const std::string path = programDir + "\\font.001";
  const std::filesystem::path host = HostPath(path);
  std::error_code ec;
  if (!std::filesystem::exists(host, ec)) {
    return Message{"File " + path + " inesistente!", kCaptionError, kStyleCritical};
  }
  LineReader lines(host);
  if (!ParseFontLines(font, lines)) {
    return Message{"Errore in lettura del file " + path + " !", kCaptionError, kStyleCritical};
  }
  return std::nullopt;
}

void DrawText(DrawingFile& drawing, const StrokeFont& font, std::string_view text, double x,
              double y, int16_t angle, double pitch, double height, int16_t colour) {
  const double a = angle * kPi / 180.0;
  const double c = std::cos(a);
  const double s = std::sin(a);
  const double sx = (1.0 - font.FontSpacing / 100.0) * pitch / 99.0;
  const double sy = height / 69.0;
  std::size_t at = 0;
  for (int k = 0; at < text.size(); ++k) {
    const int code = GlyphCode(DecodeUtf8At(text, at));
    if (code < 0) continue;
    const double ox = x + k * pitch * c;
    const double oy = y + k * pitch * s;
    const auto& gx = font.GlyphX[static_cast<std::size_t>(code)];
    const auto& gy = font.GlyphY[static_cast<std::size_t>(code)];
    const int points =
        std::min<int>(font.GlyphPointCount[static_cast<std::size_t>(code)], kMaxGlyphPoints);
    for (int i = 0; i + 1 < points; i += 2) {
      const auto map = [&](int p) {
        const double u = gx[static_cast<std::size_t>(p)] * sx;
        const double v = (gy[static_cast<std::size_t>(p)] - kGlyphBaseline) * sy;
        return std::pair{ox + u * c - v * s, oy + u * s + v * c};
      };
      const auto [x1, y1] = map(i);
      const auto [x2, y2] = map(i + 1);
      DrawLine(drawing, x1, y1, x2, y2, colour);
    }
  }
}

void DrawDimension(DrawingFile& drawing, const StrokeFont& font, std::string_view label, double x1,
                   double x2, double y1, double y2, const DimensionStyle& style) {
  if (std::fabs(x1 - x2) < kDrawingTolerance && std::fabs(y1 - y2) < kDrawingTolerance) return;
  const bool vertical = std::fabs(x1 - x2) < kDrawingTolerance;
  if (vertical ? y1 > y2 : x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double length = std::sqrt(dx * dx + dy * dy);

  if (style.Colour != -1 && length > kDrawingTolerance) {
    const double t = style.Overshoot / length;
    DrawArc(drawing, x1, y1, style.CircleDiameter, style.Colour);
    DrawArc(drawing, x2, y2, style.CircleDiameter, style.Colour);
    DrawLine(drawing, x1 - t * dx, y1 - t * dy, x2 + t * dx, y2 + t * dy, style.Colour);
    // Extension lines across both points; the arm on the chosen side (1:
    // the left of the line's direction) is twice the overshoot.
    const double leftArm = style.ExtensionSide == 1 ? 2.0 * t : t;
    const double rightArm = style.ExtensionSide == 1 ? t : 2.0 * t;
    for (const auto& [px, py] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
      DrawLine(drawing, px - leftArm * dy, py + leftArm * dx, px + rightArm * dy,
               py - rightArm * dx, style.Colour);
    }
  }

  const std::string text = label.empty()
                               ? FormatDimensionValue(std::fabs(style.LengthScale) * length)
                               : std::string(label);
  if (text == " ") return;

  int16_t angle = 0;
  if (vertical) {
    angle = y2 > y1 ? 90 : -90;
  } else {
    angle = ToInt16(std::atan(dy / dx) * 180.0 / kPi);
  }
  const double width = static_cast<double>(Utf8Length(text)) * style.Pitch;
  double offset = style.LabelOffset;
  if (width > length && drawing.LabelFlipped == 0) {
    drawing.LabelFlipped = 1;
    offset = -style.LabelOffset - style.Height;
  } else {
    drawing.LabelFlipped = 0;
  }
  const double x = (x1 + x2) / 2.0 - dx * width / (2.0 * length) - dy * offset / length;
  const double y = (y1 + y2) / 2.0 - dy * width / (2.0 * length) + dx * offset / length;
  DrawText(drawing, font, text, x, y, angle, style.Pitch, style.Height, style.LabelColour);
}

std::string FormatDimensionValue(double value) {
  const std::string text = NumberText(value);
  if (text.find('E') != std::string::npos) return text;
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return text;
  return text.substr(0, point + 2);
}
