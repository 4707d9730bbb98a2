#include "editor/window_font.h"

#include <gtest/gtest.h>

namespace {

QFont PointFont(double points) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(points);
  return font;
}

TEST(WindowFont, PrefersSmallFontsWhereInstalled) {
  const QFont font =
      WindowFont(PointFont(9), {QStringLiteral("Arial"), QStringLiteral("Small Fonts")});
  EXPECT_EQ(font.family().toStdString(), "Small Fonts");
}

// Elsewhere the application font shrinks, but never below legibility.
TEST(WindowFont, ShrinksTheApplicationFontWithAFloor) {
  struct Case {
    double applicationPoints;
    double expectedPoints;
  };
  for (const Case& c : {Case{10.0, 8.5}, Case{8.0, 7.0}, Case{6.0, 7.0}}) {
    const QFont font = WindowFont(PointFont(c.applicationPoints), {QStringLiteral("DejaVu Sans")});
    EXPECT_EQ(font.family().toStdString(), "DejaVu Sans");
    EXPECT_DOUBLE_EQ(font.pointSizeF(), c.expectedPoints) << c.applicationPoints << " pt";
  }
}

TEST(WindowFont, ShrinksAFontGivenInPixels) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(20);
  EXPECT_EQ(WindowFont(font, {}).pixelSize(), 17);
}

}  // namespace
