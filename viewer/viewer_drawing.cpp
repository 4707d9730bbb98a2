#include "viewer/viewer_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "common/cp1252.h"
#include "common/file_fault.h"
#include "common/line_reader.h"
#include "common/text.h"
#include "common/val.h"

namespace {

// Two points closer than this in X and Y are the same point, as for the
// writer.
constexpr double kSamePoint = 0.0001;

// Reading stops at the first fault, which it keeps with its line number.
struct Fault {
  int line;
  std::string what;
};

// Lines come one at a time from the LineReader; only the current one is
// held, so a file far larger than its counts is refused where it goes wrong.
class Reader {
 public:
  explicit Reader(LineReader& lines) : lines_(lines) {}

  std::optional<Fault> fault;

  // The values of the next line, which must hold between min and max of
  // them; section names the section for a file that ends too early.
  std::optional<std::vector<double>> Numbers(std::size_t min, std::size_t max,
                                             const char* section) {
    if (!NextLine(section)) return std::nullopt;
    const std::string& line = line_;
    std::vector<double> values;
    std::size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && IsBlank(line[i])) ++i;
      if (i >= line.size()) break;
      std::size_t end = i;
      while (end < line.size() && !IsBlank(line[end])) ++end;
      const std::string written = line.substr(i, end - i);
      std::string token = written;
      i = end;
      if (values.size() == max) {
        Fail(std::string("troppi valori nella sezione ") + section + " (al massimo " +
             std::to_string(max) + ")");
        return std::nullopt;
      }
      // A regional setting with a decimal comma writes "1,5".
      std::replace(token.begin(), token.end(), ',', '.');
      const std::optional<double> value = ParseNumber(token);
      if (!value || !std::isfinite(*value)) {
        Fail("numero non valido \"" + written + "\"");
        return std::nullopt;
      }
      values.push_back(*value);
    }
    if (values.size() < min) {
      Fail(std::string("valori mancanti nella sezione ") + section + " (attesi " +
           std::to_string(min) + ", trovati " + std::to_string(values.size()) + ")");
      return std::nullopt;
    }
    return values;
  }

  // A whole number in the range of an index or a count of the file.
  std::optional<int32_t> Integer(double value, const char* what) {
    if (fault) return std::nullopt;
    if (value != std::floor(value)) {
      Fail(std::string(what) + " non intero: " + NumberForMessage(value));
      return std::nullopt;
    }
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
      Fail(std::string(what) + " fuori dai limiti: " + NumberForMessage(value));
      return std::nullopt;
    }
    return static_cast<int32_t>(value);
  }

  std::optional<int16_t> Attribute(double value, const char* what) {
    const std::optional<int32_t> v = Integer(value, what);
    if (!v) return std::nullopt;
    if (*v < std::numeric_limits<int16_t>::min() || *v > std::numeric_limits<int16_t>::max()) {
      Fail(std::string(what) + " fuori dai limiti: " + std::to_string(*v));
      return std::nullopt;
    }
    return static_cast<int16_t>(*v);
  }

  std::optional<int32_t> Count(const char* section) {
    const auto values = Numbers(1, 1, section);
    if (!values) return std::nullopt;
    const std::optional<int32_t> count = Integer((*values)[0], "numero di elementi");
    if (!count) return std::nullopt;
    if (*count < 0) {
      Fail("numero di elementi negativo: " + std::to_string(*count));
      return std::nullopt;
    }
    return count;
  }

  std::optional<int32_t> PointIndex(double value, std::size_t pointCount) {
    const std::optional<int32_t> index = Integer(value, "indice di punto");
    if (!index) return std::nullopt;
    if (*index < 0 || static_cast<std::size_t>(*index) >= pointCount) {
      Fail("punto " + std::to_string(*index) + " inesistente (il disegno ha " +
           std::to_string(pointCount) + " punti)");
      return std::nullopt;
    }
    return index;
  }

  // The next line as text, for the texts section.
  std::optional<std::string> Line(const char* section) {
    if (!NextLine(section)) return std::nullopt;
    return line_;
  }

  // A fault belongs to the line last read.
  void Fail(std::string what) {
    if (!fault) fault = Fault{std::max(lines_.LineNumber(), 1), std::move(what)};
  }

  // What follows the drawing is not read, but a line there over the limit
  // still makes the file malformed.
  void ReadToEnd() {
    if (fault) return;
    while (lines_.NextView()) {
    }
    if (lines_.TooLong()) FailTooLong();
  }

 private:
  static std::string NumberForMessage(double value) {
    std::string text = std::to_string(value);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
  }

  // The next line, decoded, into line_; false (with the fault recorded) when
  // there is none.
  bool NextLine(const char* section) {
    if (fault) return false;
    const std::optional<std::string_view> line = lines_.NextView();
    if (line) {
      line_ = Cp1252ToUtf8(*line);
      return true;
    }
    if (lines_.TooLong()) {
      FailTooLong();
    } else {
      // A file that ends early is faulted at the line after its last one.
      fault = Fault{lines_.LineNumber() + 1,
                    std::string("il file finisce prima della fine della sezione ") + section};
    }
    return false;
  }
  void FailTooLong() { fault = Fault{lines_.LineNumber(), "riga troppo lunga"}; }

  LineReader& lines_;
  std::string line_;
};

std::optional<ViewerDrawing> ParseSections(Reader& in) {
  ViewerDrawing d;
  if (!in.Numbers(1, 1, "dell'intestazione")) return std::nullopt;
  const auto xs = in.Numbers(2, 2, "dell'intestazione");
  const auto ys = in.Numbers(2, 2, "dell'intestazione");
  if (!in.Numbers(2, 2, "dell'intestazione") || !xs || !ys) return std::nullopt;
  d.xmin = (*xs)[0];
  d.xmax = (*xs)[1];
  d.ymin = (*ys)[0];
  d.ymax = (*ys)[1];

  const auto points = in.Count("dei punti");
  if (!points) return std::nullopt;
  for (int32_t k = 0; k < *points; ++k) {
    const auto v = in.Numbers(2, 3, "dei punti");
    if (!v) return std::nullopt;
    d.points.push_back({(*v)[0], (*v)[1]});
  }
  const std::size_t n = d.points.size();

  const auto markers = in.Count("dei marcatori");
  if (!markers) return std::nullopt;
  for (int32_t k = 0; k < *markers; ++k) {
    const auto v = in.Numbers(3, 3, "dei marcatori");
    if (!v) return std::nullopt;
    const auto point = in.PointIndex((*v)[0], n);
    const auto a = in.Attribute((*v)[1], "attributo del marcatore");
    const auto b = in.Attribute((*v)[2], "attributo del marcatore");
    if (!point || !a || !b) return std::nullopt;
    d.markers.push_back({*point, *a, *b});
  }

  const auto lines = in.Count("delle linee");
  if (!lines) return std::nullopt;
  for (int32_t k = 0; k < *lines; ++k) {
    const auto v = in.Numbers(4, 4, "delle linee");
    if (!v) return std::nullopt;
    const auto start = in.PointIndex((*v)[0], n);
    const auto end = in.PointIndex((*v)[1], n);
    const auto colour = in.Attribute((*v)[2], "colore");
    const auto type = in.Attribute((*v)[3], "tipo di linea");
    if (!start || !end || !colour || !type) return std::nullopt;
    d.lines.push_back({*start, *end, *colour, *type});
  }

  // A text is its point's index followed, on the same line, by the text.
  const auto texts = in.Count("dei testi");
  if (!texts) return std::nullopt;
  for (int32_t k = 0; k < *texts; ++k) {
    const auto line = in.Line("dei testi");
    if (!line) return std::nullopt;
    const std::string trimmed = TrimLeft(*line);
    std::size_t end = 0;
    while (end < trimmed.size() && !IsBlank(trimmed[end])) ++end;
    const std::optional<double> index = ParseNumber(trimmed.substr(0, end));
    if (!index) {
      in.Fail("numero non valido \"" + trimmed.substr(0, end) + "\"");
      return std::nullopt;
    }
    const auto point = in.PointIndex(*index, n);
    if (!point) return std::nullopt;
    d.texts.push_back({*point, Trim(trimmed.substr(end))});
  }

  const auto arcs = in.Count("degli archi");
  if (!arcs) return std::nullopt;
  for (int32_t k = 0; k < *arcs; ++k) {
    const auto v = in.Numbers(4, 4, "degli archi");
    if (!v) return std::nullopt;
    const auto centre = in.PointIndex((*v)[0], n);
    const auto start = in.PointIndex((*v)[1], n);
    const auto third = in.PointIndex((*v)[2], n);
    const auto end = in.PointIndex((*v)[3], n);
    if (!centre || !start || !third || !end) return std::nullopt;
    const auto w = in.Numbers(2, 2, "degli archi");
    if (!w) return std::nullopt;
    const auto colour = in.Attribute((*w)[0], "colore");
    const auto flag = in.Attribute((*w)[1], "indicatore dell'arco");
    if (!colour || !flag) return std::nullopt;
    d.arcs.push_back({*centre, *start, *third, *end, *colour, *flag});
  }
  return d;
}

DrawingReadResult ParseDrawingLines(LineReader& lines, const std::string& fileName) {
  Reader in(lines);
  std::optional<ViewerDrawing> drawing = ParseSections(in);
  in.ReadToEnd();
  if (in.fault) {
    return {std::nullopt, FileContentFault(fileName, in.fault->line, in.fault->what).text};
  }
  return {std::move(drawing), {}};
}

}  // namespace

DrawingReadResult ParseDrawing(std::string_view bytes, const std::string& fileName) {
  LineReader lines = LineReader::OverBytes(bytes);
  return ParseDrawingLines(lines, fileName);
}

DrawingReadResult ReadDrawing(const std::filesystem::path& path, const std::string& fileName) {
  LineReader lines(path);
  if (!lines.Opened()) {
    return {std::nullopt, FileContentFault(fileName, 0, "file inesistente o non leggibile").text};
  }
  return ParseDrawingLines(lines, fileName);
}

ArcGeometry ArcGeometryOf(const ViewerDrawing& drawing, const ViewerArc& arc) {
  const ViewerPoint& c = drawing.points[static_cast<std::size_t>(arc.centre)];
  const ViewerPoint& s = drawing.points[static_cast<std::size_t>(arc.start)];
  const ViewerPoint& e = drawing.points[static_cast<std::size_t>(arc.end)];
  ArcGeometry g;
  g.radius = std::hypot(s.x - c.x, s.y - c.y);
  g.startAngle = std::atan2(s.y - c.y, s.x - c.x);
  constexpr double kTwoPi = 2.0 * std::numbers::pi;
  if (arc.start == arc.end ||
      (std::abs(s.x - e.x) < kSamePoint && std::abs(s.y - e.y) < kSamePoint)) {
    g.sweep = kTwoPi;
    return g;
  }
  double sweep = std::atan2(e.y - c.y, e.x - c.x) - g.startAngle;
  while (sweep <= 0.0) sweep += kTwoPi;
  while (sweep > kTwoPi) sweep -= kTwoPi;
  g.sweep = sweep;
  return g;
}

DrawingBounds BoundsOf(const ViewerDrawing& drawing) {
  bool any = false;
  DrawingBounds b;
  auto take = [&](double x0, double y0, double x1, double y1) {
    if (!any) {
      b = {x0, y0, x1, y1};
      any = true;
      return;
    }
    b.xmin = std::min(b.xmin, x0);
    b.ymin = std::min(b.ymin, y0);
    b.xmax = std::max(b.xmax, x1);
    b.ymax = std::max(b.ymax, y1);
  };
  auto takePoint = [&](int32_t index) {
    const ViewerPoint& p = drawing.points[static_cast<std::size_t>(index)];
    take(p.x, p.y, p.x, p.y);
  };
  for (const ViewerLine& line : drawing.lines) {
    takePoint(line.start);
    takePoint(line.end);
  }
  for (const ViewerArc& arc : drawing.arcs) {
    const ViewerPoint& c = drawing.points[static_cast<std::size_t>(arc.centre)];
    const double r = ArcGeometryOf(drawing, arc).radius;
    take(c.x - r, c.y - r, c.x + r, c.y + r);
  }
  for (const ViewerMarker& marker : drawing.markers) takePoint(marker.point);
  for (const ViewerText& text : drawing.texts) takePoint(text.point);
  if (!any) return {drawing.xmin, drawing.ymin, drawing.xmax, drawing.ymax};
  return b;
}
