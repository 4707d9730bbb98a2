#include "editor/cable_type_box.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

namespace {

// Room the toolkit leaves beside an icon, and its least text height.
constexpr int kIconGap = 4;
constexpr int kMinimumTextHeight = 14;
constexpr int kTextMargin = 2;

}  // namespace

CableTypeBox::CableTypeBox(int characters, QWidget* parent) : QComboBox(parent) {
  setMinimumContentsLength(characters);
}

QSize CableTypeBox::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  const QSize icon = iconSize();
  const int textHeight = static_cast<int>(std::ceil(QFontMetricsF(metrics).height()));
  const int textWidth = minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X'));
  const QSize contents(textWidth + icon.width() + kIconGap,
                       std::max({textHeight, kMinimumTextHeight, icon.height()}) + kTextMargin);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}

// With that policy the box never shrinks below its size.
QSize CableTypeBox::minimumSizeHint() const { return sizeHint(); }
