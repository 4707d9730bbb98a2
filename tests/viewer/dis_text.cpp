#include "tests/viewer/dis_text.h"

#include "common/cp1252.h"
#include "common/number_text.h"

static std::string DisNumberLine(const std::vector<double>& values, char decimalSeparator) {
  std::string line;
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (k > 0)
      line.resize(static_cast<std::size_t>(NextPrintZone(static_cast<int>(line.size())) - 1), ' ');
    std::string number = NumberText(values[k]);
    for (char& c : number) {
      if (c == '.') c = decimalSeparator;
    }
    line += (values[k] < 0 ? "" : " ") + number + " ";
  }
  return line + "\r\n";
}

std::string DisText(const ViewerDrawing& d, char sep) {
  const auto numbers = [sep](const std::vector<double>& values) {
    return DisNumberLine(values, sep);
  };
  const auto count = [&](std::size_t n) { return numbers({static_cast<double>(n)}); };
  std::string text = "                   3\r\n" + numbers({d.xmin, d.xmax}) +
                     numbers({d.ymin, d.ymax}) + "-10000.000000        10000.000000\r\n";
  text += count(d.points.size());
  for (const auto& p : d.points) text += numbers({p.x, p.y, 0});
  text += count(d.markers.size());
  for (const auto& m : d.markers)
    text += numbers({1.0 * m.point, 1.0 * m.attributeA, 1.0 * m.attributeB});
  text += count(d.lines.size());
  for (const auto& l : d.lines)
    text += numbers({1.0 * l.start, 1.0 * l.end, 1.0 * l.colour, 1.0 * l.lineType});
  text += count(d.texts.size());
  for (const auto& t : d.texts) {
    const std::string index = numbers({1.0 * t.point});
    text += index.substr(0, index.size() - 2) + Utf8ToCp1252(t.text) + "\r\n";
  }
  text += count(d.arcs.size());
  for (const auto& a : d.arcs) {
    text += numbers({1.0 * a.centre, 1.0 * a.start, 1.0 * a.third, 1.0 * a.end}) +
            numbers({1.0 * a.colour, 1.0 * a.flag});
  }
  return text;
}

ViewerDrawing SmallDrawing() {
  ViewerDrawing d{0, 100, 0, 50, {}, {}, {}, {}, {}};
  d.points = {{0, 0}, {100, 0}, {100, 50}, {50, 25}, {60, 25}};
  d.lines = {{0, 1, 4, 0}, {1, 2, 1, 1}};
  d.arcs = {{3, 4, 3, 4, 2, 0}};
  return d;
}
