#include "tests/support/wheel.h"

#include <QCoreApplication>
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
