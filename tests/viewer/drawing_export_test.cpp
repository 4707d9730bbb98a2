#include "viewer/drawing_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <map>
#include <string>
#include <utility>

#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"

namespace {

const QSize kSize(220, 120);

QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

enum class Hue { Red, Green, Blue, Paper, Other };

Hue HueOf(QRgb c) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  if (r > g + 40 && r > b + 40) return Hue::Red;
  if (g > r + 40 && g > b + 40) return Hue::Green;
  if (b > r + 40 && b > g + 40) return Hue::Blue;
  if (r > 245 && g > 245 && b > 245) return Hue::Paper;
  return Hue::Other;
}

// Whether a pixel of the hue lies within one pixel of (x, y): antialiasing
// spreads a line over the two rows or columns it falls between.
bool InkNear(const QImage& image, ViewTransform::Point p, Hue hue) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint at(static_cast<int>(p.x) + dx, static_cast<int>(p.y) + dy);
      if (image.valid(at) && HueOf(image.pixel(at)) == hue) return true;
    }
  }
  return false;
}

class DrawingExportTest : public ::testing::Test {
 protected:
  DrawingExportTest()
      : drawing(*ParseDrawing(DisText(SmallDrawing()), "small.dis").drawing),
        view(ViewTransform::Fit(BoundsOf(drawing), kSize.width(), kSize.height())) {}

  // The small drawing's lines and circle where the view puts them.
  void ExpectSmallDrawingOn(const QImage& image) {
    ASSERT_EQ(image.size(), kSize);
    auto hueAt = [&](double x, double y) {
      const ViewTransform::Point p = view.ToWindow(x, y);
      return HueOf(image.pixel(static_cast<int>(p.x), static_cast<int>(p.y)));
    };
    for (double x = 5; x <= 95; x += 5)
      EXPECT_TRUE(InkNear(image, view.ToWindow(x, 0), Hue::Red)) << "red line at x " << x;
    std::map<Hue, int> blueLine;
    for (double y = 2; y <= 48; y += 0.5) ++blueLine[hueAt(100, y)];
    EXPECT_GT(blueLine[Hue::Blue], 20) << "the blue line is drawn";
    EXPECT_GT(blueLine[Hue::Paper], 3) << "the blue line is dash-dotted";
    for (const auto& [x, y] : {std::pair(60, 25), std::pair(50, 35), std::pair(40, 25)})
      EXPECT_TRUE(InkNear(image, view.ToWindow(x, y), Hue::Green)) << x << " " << y;
    EXPECT_EQ(hueAt(50, 25), Hue::Paper) << "inside the circle";
  }

  TempDir dir;
  ViewerDrawing drawing;
  ViewTransform view;
};

// The picture formats show the same drawing (the SVG read back through the
// toolkit's own reader); the PDF is one page of the window's proportions.
TEST_F(DrawingExportTest, EveryPictureFormatShowsTheDrawing) {
  for (const char* name : {"small.png", "small.SVG"}) {
    const QString path = Q(dir.path() / name);
    ASSERT_EQ(ExportView(drawing, view, kSize, path), QString());
    QImageReader reader(path);  // the SVG reader takes another resolution
    reader.setScaledSize(kSize);
    ExpectSmallDrawingOn(reader.read());
  }
  const auto pdf = dir.path() / "small.pdf";
  ASSERT_EQ(ExportView(drawing, view, kSize, Q(pdf)), QString());
  const std::string bytes = ReadBytes(pdf);
  ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
  EXPECT_NE(bytes.find("%%EOF"), std::string::npos);
  // 220 x 120 pixels at 96 to the inch are 165 x 90 points.
  EXPECT_NE(bytes.find("/MediaBox [0 0 165.000000 90.000000]"), std::string::npos);
}

// A circle of a file's largest radius is millions of times the window at
// the smallest scale: its segment count must be capped, not converted from
// an infinite number (which the sanitizer build stops on).
TEST_F(DrawingExportTest, AnArcFarBeyondTheWindowIsDrawnWithoutOverflow) {
  ViewerDrawing content = SmallDrawing();
  content.points.push_back({0, 0});
  content.points.push_back({1e300, 0});
  content.arcs.push_back({5, 6, 5, 6, 1, 0});
  const ViewerDrawing huge = *ParseDrawing(DisText(content), "huge.dis").drawing;
  const ViewTransform fitted = ViewTransform::Fit(BoundsOf(huge), kSize.width(), kSize.height());
  const QString path = Q(dir.path() / "huge.png");
  ASSERT_EQ(ExportView(huge, fitted, kSize, path), QString());
  EXPECT_FALSE(QImage(path).isNull());
}

TEST_F(DrawingExportTest, RefusesWhatItCannotWrite) {
  EXPECT_EQ(ExportView(drawing, view, kSize, Q(dir.path() / "small.bmp")),
            "Formato non riconosciuto per il file " + Q(dir.path() / "small.bmp") +
                ": usare .png, .svg, .pdf o .dxf");
  // The DXF's refusal is Ostrel's command-line test.
  const QString nowhere = Q(dir.path() / "missing" / "small.png");
  EXPECT_EQ(ExportView(drawing, view, kSize, nowhere), "Impossibile scrivere il file " + nowhere);
}

}  // namespace
