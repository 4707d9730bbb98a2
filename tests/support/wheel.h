#pragma once

#include <QPoint>

class QWidget;

// Turns the mouse wheel over widget at pos (its centre by default) by steps
// notches (positive away from the user), delivered as the platform delivers
// a real wheel: to the window, which finds the widget under the pointer.
// QtTest has no wheel of its own.
void TurnWheel(QWidget* widget, int steps, QPoint pos = QPoint());
