#include "drawing/drawing_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "common/cp1252.h"
#include "common/number_text.h"
#include "drawing/compact_drawing.h"
#include "platform/suite_path.h"

namespace {

// The text of a real as a number line writes it (a blank or a minus sign,
// then the general form with the user's separator), kept for the values met
// lately: most coordinates of a drawing repeat one of a point not long
// before (a row of dimensions, the edges of the outline, the zero of every
// point), and the general form costs far more than a look-up.
class RealTexts {
 public:
  explicit RealTexts(const std::string& separator) : separator_(separator), entries_(kEntries) {}

  const std::string& Of(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15ull) >> (64 - kIndexBits)];
    if (entry.filled && entry.bits == bits) return entry.text;
    entry.filled = true;
    entry.bits = bits;
    std::string& text = entry.text;
    text.assign(1, ' ');
    AppendNumberText(text, value);
    // The general form starts with its minus sign; a blank stands for plus.
    if (text[1] == '-') text.erase(0, 1);
    if (separator_ != ".") {
      const std::size_t point = text.find('.');
      if (point != std::string::npos) text.replace(point, 1, separator_);
    }
    return text;
  }

 private:
  static constexpr int kIndexBits = 10;
  static constexpr std::size_t kEntries = std::size_t{1} << kIndexBits;
  struct Entry {
    uint64_t bits = 0;  // of the value, so that -0 and 0 stay apart
    bool filled = false;
    std::string text;
  };
  const std::string& separator_;
  std::vector<Entry> entries_;
};

// One line of values as a BASIC print statement with commas writes them,
// made in a scratch buffer long enough for any line (a fixed part and room
// for the separator in every value) and added to out at once.
class NumberLine {
 public:
  NumberLine(std::string& out, RealTexts& reals, std::vector<char>& scratch)
      : out_(out), reals_(reals), start_(scratch.data()), end_(scratch.data()) {}
  ~NumberLine() {
    *end_++ = '\r';
    *end_++ = '\n';
    out_.append(start_, end_);
  }
  NumberLine(const NumberLine&) = delete;
  NumberLine& operator=(const NumberLine&) = delete;

  NumberLine& Integer(long long value) {
    NextZone();
    *end_++ = value < 0 ? '-' : ' ';
    const unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    end_ = std::to_chars(end_, end_ + 24, magnitude).ptr;
    *end_++ = ' ';
    return *this;
  }

  NumberLine& Real(double value) {
    NextZone();
    const std::string& text = reals_.Of(value);
    std::memcpy(end_, text.data(), text.size());
    end_ += text.size();
    *end_++ = ' ';
    return *this;
  }

  // The most a line can take besides its separators: four values of 24
  // characters, each after up to 14 blanks, and the line end.
  static constexpr std::size_t kLongest = 4 * (14 + 24) + 2;

 private:
  void NextZone() {
    const auto length = static_cast<int>(end_ - start_);
    if (length == 0) return;
    const auto blanks = static_cast<std::size_t>(NextPrintZone(length) - 1 - length);
    std::memset(end_, ' ', blanks);
    end_ += blanks;
  }

  std::string& out_;
  RealTexts& reals_;
  char* const start_;
  char* end_;
};

}  // namespace

void DrawingFileBytesInto(const DrawingFile& drawing, const std::string& decimalSeparator,
                          std::string& out) {
  const std::string separator = Utf8ToCp1252(decimalSeparator);
  RealTexts reals(separator);
  std::vector<char> scratch(NumberLine::kLongest + 4 * separator.size());
  out.clear();
  // Points are the longest lines: three zones and a little more.
  out.reserve(static_cast<std::size_t>(drawing.PointCount) * 48 +
              static_cast<std::size_t>(drawing.LineCount) * 50 +
              static_cast<std::size_t>(drawing.ArcCount) * 80 + 256);

  out += "                   3\r\n";
  NumberLine(out, reals, scratch).Real(drawing.Xmin).Real(drawing.Xmax);
  NumberLine(out, reals, scratch).Real(drawing.Ymin).Real(drawing.Ymax);
  out += "-10000.000000        10000.000000\r\n";

  NumberLine(out, reals, scratch).Integer(drawing.PointCount);
  for (int32_t i = 0; i < drawing.PointCount; ++i) {
    const DrawingPoint& p = drawing.Points[static_cast<std::size_t>(i)];
    NumberLine(out, reals, scratch).Real(p.X).Real(p.Y).Real(0.0);
  }

  NumberLine(out, reals, scratch).Integer(drawing.MarkerCount);
  for (int32_t i = 0; i < drawing.MarkerCount; ++i) {
    const DrawingMarker& m = drawing.Markers[static_cast<std::size_t>(i)];
    NumberLine(out, reals, scratch).Integer(m.Point).Integer(m.AttributeA).Integer(m.AttributeB);
  }

  NumberLine(out, reals, scratch).Integer(drawing.LineCount);
  for (int32_t i = 0; i < drawing.LineCount; ++i) {
    const DrawingLine& l = drawing.Lines[static_cast<std::size_t>(i)];
    NumberLine(out, reals, scratch)
        .Integer(l.StartPoint)
        .Integer(l.EndPoint)
        .Integer(l.Colour)
        .Integer(l.LineType);
  }

  NumberLine(out, reals, scratch).Integer(drawing.TextCount);
  for (int32_t i = 0; i < drawing.TextCount; ++i) {
    NumberLine(out, reals, scratch).Integer(drawing.Texts[static_cast<std::size_t>(i)].Point);
  }

  NumberLine(out, reals, scratch).Integer(drawing.ArcCount);
  for (int32_t i = 0; i < drawing.ArcCount; ++i) {
    const DrawingArc& a = drawing.Arcs[static_cast<std::size_t>(i)];
    NumberLine(out, reals, scratch)
        .Integer(a.CentrePoint)
        .Integer(a.StartPoint)
        .Integer(a.ThirdPoint)
        .Integer(a.EndPoint);
    NumberLine(out, reals, scratch).Integer(a.Colour).Integer(a.Flag);
  }
}

std::string DrawingFileBytes(const DrawingFile& drawing, const std::string& decimalSeparator) {
  std::string out;
  DrawingFileBytesInto(drawing, decimalSeparator, out);
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

StagedFile StageDrawing(const DrawingFile& drawing, const std::string& suitePath,
                        const std::string& decimalSeparator, std::string& buffer,
                        ContentWriter write) {
  if (!AllFinite(drawing)) return {};
  DrawingFileBytesInto(drawing, decimalSeparator, buffer);
  return StageFile(HostPath(suitePath), buffer, write);
}

bool WriteDrawing(const DrawingFile& drawing, const std::string& suitePath,
                  const std::string& decimalSeparator, std::string& buffer, ContentWriter write) {
  return StageDrawing(drawing, suitePath, decimalSeparator, buffer, write).Commit();
}

bool WriteDrawing(const DrawingFile& drawing, const std::string& suitePath,
                  const std::string& decimalSeparator, ContentWriter write) {
  std::string buffer;
  return WriteDrawing(drawing, suitePath, decimalSeparator, buffer, write);
}

bool SaveDrawing(DrawingFile& drawing, const std::string& suitePath,
                 const std::string& decimalSeparator, std::string& buffer, ContentWriter write) {
  ComputeExtents(drawing);
  CompactDrawing(drawing);
  return WriteDrawing(drawing, suitePath, decimalSeparator, buffer, write);
}

bool SaveDrawing(DrawingFile& drawing, const std::string& suitePath,
                 const std::string& decimalSeparator, ContentWriter write) {
  std::string buffer;
  return SaveDrawing(drawing, suitePath, decimalSeparator, buffer, write);
}
