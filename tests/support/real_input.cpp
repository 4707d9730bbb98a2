#include "tests/support/real_input.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

void TurnWheel(QWidget* widget, int steps, QPoint pos) {
  if (pos.isNull()) pos = widget->rect().center();
  QWindow* window = widget->window()->windowHandle();
  const QPoint global = widget->mapToGlobal(pos);
  QWindowSystemInterface::handleWheelEvent(window, window->mapFromGlobal(global), global, QPoint(),
                                           QPoint(0, 120 * steps));
  QWindowSystemInterface::flushWindowSystemEvents();
  QCoreApplication::processEvents();
}

QPoint ScrollBarPart(const QScrollBar& bar, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.orientation = bar.orientation();
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  option.upsideDown = bar.invertedAppearance();
  option.subControls = QStyle::SC_All;
  const QRect rect = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
  return rect.center();
}
