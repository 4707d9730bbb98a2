#include "drawing/drawing_writer.h"

#include <charconv>
#include <cmath>

#include "common/cp1252.h"
#include "drawing/compact_drawing.h"
#include "common/number_text.h"
#include "platform/suite_path.h"

namespace {

// One line of values as a BASIC print statement with commas writes them.
class NumberLine {
 public:
  NumberLine(std::string& out, const std::string& separator)
      : out_(out), separator_(separator), start_(out.size()) {}
  ~NumberLine() { out_ += "\r\n"; }
  NumberLine(const NumberLine&) = delete;
  NumberLine& operator=(const NumberLine&) = delete;

  NumberLine& Integer(long long value) {
    NextZone();
    out_ += value < 0 ? '-' : ' ';
    char digits[24];
    const unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const auto result = std::to_chars(digits, digits + sizeof digits, magnitude);
    out_.append(digits, result.ptr);
    out_ += ' ';
    return *this;
  }

  NumberLine& Real(double value) {
    NextZone();
    const std::size_t sign = out_.size();
    AppendNumberText(out_, value);
    // The general form starts with its minus sign; a blank stands for plus.
    if (out_[sign] != '-') out_.insert(out_.begin() + static_cast<std::ptrdiff_t>(sign), ' ');
    if (separator_ != ".") {
      const std::size_t point = out_.find('.', sign);
      if (point != std::string::npos) out_.replace(point, 1, separator_);
    }
    out_ += ' ';
    return *this;
  }

 private:
  void NextZone() {
    const int length = static_cast<int>(out_.size() - start_);
    if (length > 0) out_.append(static_cast<std::size_t>(NextPrintZone(length) - 1 - length), ' ');
  }

  std::string& out_;
  const std::string& separator_;
  std::size_t start_;
};

}  // namespace

std::string DrawingFileBytes(const DrawingFile& drawing, const std::string& decimalSeparator) {
  const std::string separator = Utf8ToCp1252(decimalSeparator);
  std::string out;
  // Points are the longest lines: three zones and a little more.
  out.reserve(static_cast<std::size_t>(drawing.PointCount) * 48 +
              static_cast<std::size_t>(drawing.LineCount) * 50 +
              static_cast<std::size_t>(drawing.ArcCount) * 80 + 256);

  out += "                   3\r\n";
  NumberLine(out, separator).Real(drawing.Xmin).Real(drawing.Xmax);
  NumberLine(out, separator).Real(drawing.Ymin).Real(drawing.Ymax);
  out += "-10000.000000        10000.000000\r\n";

  NumberLine(out, separator).Integer(drawing.PointCount);
  for (int32_t i = 0; i < drawing.PointCount; ++i) {
    const DrawingPoint& p = drawing.Points[static_cast<std::size_t>(i)];
    NumberLine(out, separator).Real(p.X).Real(p.Y).Real(0.0);
  }

  NumberLine(out, separator).Integer(drawing.MarkerCount);
  for (int32_t i = 0; i < drawing.MarkerCount; ++i) {
    const DrawingMarker& m = drawing.Markers[static_cast<std::size_t>(i)];
    NumberLine(out, separator).Integer(m.Point).Integer(m.AttributeA).Integer(m.AttributeB);
  }

  NumberLine(out, separator).Integer(drawing.LineCount);
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    const DrawingLine& l = drawing.Lines[static_cast<std::size_t>(i)];
    NumberLine(out, separator)
        .Integer(l.StartPoint)
        .Integer(l.EndPoint)
        .Integer(l.Colour)
        .Integer(l.LineType);
  }

  NumberLine(out, separator).Integer(drawing.TextCount);
  for (int32_t i = 0; i < drawing.TextCount; ++i) {
    NumberLine(out, separator).Integer(drawing.Texts[static_cast<std::size_t>(i)].Point);
  }

  NumberLine(out, separator).Integer(drawing.ArcCount);
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    const DrawingArc& a = drawing.Arcs[static_cast<std::size_t>(i)];
    NumberLine(out, separator)
        .Integer(a.CentrePoint)
        .Integer(a.StartPoint)
        .Integer(a.ThirdPoint)
        .Integer(a.EndPoint);
    NumberLine(out, separator).Integer(a.Colour).Integer(a.Flag);
  }
  return out;
}

namespace {

// A value that is not finite would be written as text no reader takes back.
bool AllFinite(const DrawingFile& drawing) {
  if (!std::isfinite(drawing.Xmin) || !std::isfinite(drawing.Xmax) ||
      !std::isfinite(drawing.Ymin) || !std::isfinite(drawing.Ymax)) {
    return false;
  }
  for (int32_t i = 0; i < drawing.PointCount; ++i) {
    const DrawingPoint& p = drawing.Points[static_cast<std::size_t>(i)];
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return false;
  }
  return true;
}

}  // namespace

bool WriteDrawing(const DrawingFile& drawing, const std::string& suitePath,
                  const std::string& decimalSeparator, ContentWriter write) {
  return AllFinite(drawing) && WriteFileAtomically(HostPath(suitePath), DrawingFileBytes(drawing, decimalSeparator),
                             write);
}

bool SaveDrawing(DrawingFile& drawing, const std::string& suitePath,
                 const std::string& decimalSeparator, ContentWriter write) {
  ComputeExtents(drawing);
  CompactDrawing(drawing);
  return WriteDrawing(drawing, suitePath, decimalSeparator, write);
}
