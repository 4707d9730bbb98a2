#include "viewer/dxf_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <span>
#include <string_view>

#include "common/cp1252.h"

namespace {

// The palette's colours, in order, matched to the standard DXF colour
// table: each is the DXF colour of the least RGB distance, save black (see
// DxfColourOf) and white, whose nearest is 7 as well.
constexpr std::array<int, 16> kDxfColours = {7, 174, 94, 134, 14, 214, 54, 9,
                                             8, 5,   3,  4,   1,  6,   2,  7};

constexpr const char* kDashDot = "DASHDOT";
// Long dash, gap, dot, gap, as the viewer draws the axis line: 12, 4, 0, 4
// units of a pattern that $LTSCALE stretches to the drawing's size.
constexpr std::array<double, 4> kDashDotPattern = {12.0, -4.0, 0.0, -4.0};
// How many patterns fit along the larger side of the drawing.
constexpr double kPatternsPerDrawing = 150.0;

class DxfOut {
 public:
  void Group(int code, std::string_view value) {
    text_ += std::to_string(code);
    text_ += "\r\n";
    text_ += value;
    text_ += "\r\n";
  }
  void Group(int code, int value) { Group(code, std::to_string(value)); }
  void Real(int code, double value) {
    // The shortest text that reads back as the same number.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    Group(code,
          std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
  }
  void Point(int code, double x, double y) {
    Real(code, x);
    Real(code + 10, y);
    Real(code + 20, 0.0);
  }
  void Entity(std::string_view kind, int16_t colour) {
    Group(0, kind);
    Group(8, "0");
    Group(62, DxfColourOf(colour));
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

bool Finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

void WriteHeader(DxfOut& out, const DrawingBounds& b) {
  out.Group(0, "SECTION");
  out.Group(2, "HEADER");
  out.Group(9, "$ACADVER");
  out.Group(1, "AC1009");
  out.Group(9, "$DWGCODEPAGE");
  out.Group(3, "ANSI_1252");
  out.Group(9, "$EXTMIN");
  out.Point(10, b.xmin, b.ymin);
  out.Group(9, "$EXTMAX");
  out.Point(10, b.xmax, b.ymax);
  double total = 0.0;
  for (double d : kDashDotPattern) total += std::abs(d);
  const double side = std::max(b.xmax - b.xmin, b.ymax - b.ymin);
  const double scale = side > 0.0 && std::isfinite(side) ? side / kPatternsPerDrawing / total : 1.0;
  out.Group(9, "$LTSCALE");
  out.Real(40, scale);
  out.Group(0, "ENDSEC");
}

void WriteLineType(DxfOut& out, std::string_view name, std::string_view look,
                   std::span<const double> pattern) {
  double total = 0.0;
  for (double d : pattern) total += std::abs(d);
  out.Group(0, "LTYPE");
  out.Group(2, name);
  out.Group(70, 0);
  out.Group(3, look);
  out.Group(72, 65);
  out.Group(73, static_cast<int>(pattern.size()));
  out.Real(40, total);
  for (double d : pattern) out.Real(49, d);
}

void WriteTables(DxfOut& out) {
  out.Group(0, "SECTION");
  out.Group(2, "TABLES");
  out.Group(0, "TABLE");
  out.Group(2, "LTYPE");
  out.Group(70, 2);
  WriteLineType(out, "CONTINUOUS", "Solid line", {});
  WriteLineType(out, kDashDot, "Dash dot __ . __ . __", kDashDotPattern);
  out.Group(0, "ENDTAB");
  out.Group(0, "TABLE");
  out.Group(2, "LAYER");
  out.Group(70, 1);
  out.Group(0, "LAYER");
  out.Group(2, "0");
  out.Group(70, 0);
  out.Group(62, 7);
  out.Group(6, "CONTINUOUS");
  out.Group(0, "ENDTAB");
  out.Group(0, "ENDSEC");
}

void WriteEntities(DxfOut& out, const ViewerDrawing& d) {
  const auto at = [&d](int32_t index) -> const ViewerPoint& {
    return d.points[static_cast<std::size_t>(index)];
  };
  out.Group(0, "SECTION");
  out.Group(2, "ENTITIES");
  for (const ViewerLine& line : d.lines) {
    const ViewerPoint& a = at(line.start);
    const ViewerPoint& b = at(line.end);
    out.Entity("LINE", line.colour);
    if (line.lineType == 1) out.Group(6, kDashDot);
    out.Point(10, a.x, a.y);
    out.Point(11, b.x, b.y);
  }
  for (const ViewerArc& arc : d.arcs) {
    const ViewerPoint& c = at(arc.centre);
    const ArcGeometry g = ArcGeometryOf(d, arc);
    // A radius beyond the largest number cannot be written; nothing else can
    // be out of range, since the reader takes only finite coordinates.
    if (!Finite({g.radius})) continue;
    const bool whole = g.sweep >= 2.0 * std::numbers::pi;
    out.Entity(whole ? "CIRCLE" : "ARC", arc.colour);
    out.Point(10, c.x, c.y);
    out.Real(40, g.radius);
    if (!whole) {
      out.Real(50, Degrees(g.startAngle));
      out.Real(51, Degrees(g.startAngle + g.sweep));
    }
  }
  for (const ViewerMarker& marker : d.markers) {
    const ViewerPoint& p = at(marker.point);
    out.Entity("POINT", 0);
    out.Point(10, p.x, p.y);
  }
  // The viewer shows a text entity 12 pixels high on a fitted window of
  // about a thousand: a hundredth of the drawing.
  const DrawingBounds b = BoundsOf(d);
  const double side = std::max(b.xmax - b.xmin, b.ymax - b.ymin);
  const double height = side > 0.0 && std::isfinite(side) ? side / 100.0 : 1.0;
  for (const ViewerText& text : d.texts) {
    const ViewerPoint& p = at(text.point);
    out.Entity("TEXT", 0);
    out.Point(10, p.x, p.y);
    out.Real(40, height);
    out.Group(1, Utf8ToCp1252(text.text));
  }
  out.Group(0, "ENDSEC");
}

}  // namespace

int DxfColourOf(int paletteNumber) {
  return kDxfColours[static_cast<std::size_t>(((paletteNumber % 16) + 16) % 16)];
}

std::string DxfText(const ViewerDrawing& drawing) {
  DxfOut out;
  WriteHeader(out, BoundsOf(drawing));
  WriteTables(out);
  WriteEntities(out, drawing);
  out.Group(0, "EOF");
  return out.Take();
}
