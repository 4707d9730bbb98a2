#include "tests/viewer/dis_text.h"

#include "common/cp1252.h"
#include "common/number_text.h"

std::string DisNumberLine(const std::vector<double>& values, char decimalSeparator) {
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
  std::string text = "                   3\r\n";
  text += DisNumberLine({d.xmin, d.xmax}, sep);
  text += DisNumberLine({d.ymin, d.ymax}, sep);
  text += "-10000.000000        10000.000000\r\n";
  text += DisNumberLine({static_cast<double>(d.points.size())}, sep);
  for (const auto& p : d.points) text += DisNumberLine({p.x, p.y, 0}, sep);
  text += DisNumberLine({static_cast<double>(d.markers.size())}, sep);
  for (const auto& m : d.markers) {
    text += DisNumberLine({double(m.point), double(m.attributeA), double(m.attributeB)}, sep);
  }
  text += DisNumberLine({static_cast<double>(d.lines.size())}, sep);
  for (const auto& l : d.lines) {
    text +=
        DisNumberLine({double(l.start), double(l.end), double(l.colour), double(l.lineType)}, sep);
  }
  text += DisNumberLine({static_cast<double>(d.texts.size())}, sep);
  for (const auto& t : d.texts) {
    const std::string index = DisNumberLine({double(t.point)}, sep);
    text += index.substr(0, index.size() - 2) + Utf8ToCp1252(t.text) + "\r\n";
  }
  text += DisNumberLine({static_cast<double>(d.arcs.size())}, sep);
  for (const auto& a : d.arcs) {
    text += DisNumberLine({double(a.centre), double(a.start), double(a.third), double(a.end)}, sep);
    text += DisNumberLine({double(a.colour), double(a.flag)}, sep);
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
