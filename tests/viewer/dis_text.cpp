#include "tests/viewer/dis_text.h"

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

std::string DisText(const DisContent& c, char sep) {
  std::string text = "                   3\r\n";
  text += DisNumberLine({c.xmin, c.xmax}, sep);
  text += DisNumberLine({c.ymin, c.ymax}, sep);
  text += "-10000.000000        10000.000000\r\n";
  text += DisNumberLine({static_cast<double>(c.points.size())}, sep);
  for (const auto& p : c.points) text += DisNumberLine({p.x, p.y, 0}, sep);
  text += DisNumberLine({0}, sep);
  text += DisNumberLine({static_cast<double>(c.lines.size())}, sep);
  for (const auto& l : c.lines) {
    text +=
        DisNumberLine({double(l.start), double(l.end), double(l.colour), double(l.lineType)}, sep);
  }
  text += DisNumberLine({0}, sep);
  text += DisNumberLine({static_cast<double>(c.arcs.size())}, sep);
  for (const auto& a : c.arcs) {
    text +=
        DisNumberLine({double(a.centre), double(a.start), double(a.centre), double(a.end)}, sep);
    text += DisNumberLine({double(a.colour), 0}, sep);
  }
  return text;
}

DisContent ContentOf(const ViewerDrawing& d) {
  DisContent c{d.xmin, d.xmax, d.ymin, d.ymax, {}, {}, {}};
  for (const ViewerPoint& p : d.points) c.points.push_back({p.x, p.y});
  for (const ViewerLine& l : d.lines) c.lines.push_back({l.start, l.end, l.colour, l.lineType});
  for (const ViewerArc& a : d.arcs) c.arcs.push_back({a.centre, a.start, a.end, a.colour});
  return c;
}

DisContent SmallDrawing() {
  DisContent c{0, 100, 0, 50, {}, {}, {}};
  c.points = {{0, 0}, {100, 0}, {100, 50}, {50, 25}, {60, 25}};
  c.lines = {{0, 1, 4, 0}, {1, 2, 1, 1}};
  c.arcs = {{3, 4, 4, 2}};
  return c;
}
