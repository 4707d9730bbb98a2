#include "editor/window_font.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSmallFontsPointSize = 7.0;
constexpr double kScale = 0.85;
constexpr double kMinimumPointSize = 7.0;
constexpr int kMinimumPixelSize = 9;

}  // namespace

QFont WindowFont(const QFont& applicationFont, const QStringList& families) {
  if (families.contains(QStringLiteral("Small Fonts"), Qt::CaseInsensitive)) {
    QFont font(QStringLiteral("Small Fonts"));
    font.setPointSizeF(kSmallFontsPointSize);
    return font;
  }
  QFont font = applicationFont;
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(std::max(kMinimumPointSize, font.pointSizeF() * kScale));
  } else if (font.pixelSize() > 0) {
    // A font given in pixels (some platform themes do that) shrinks the same way.
    const int pixels = static_cast<int>(std::lround(font.pixelSize() * kScale));
    font.setPixelSize(std::max(kMinimumPixelSize, pixels));
  }
  return font;
}
