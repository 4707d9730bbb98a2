#pragma once

#include <QPoint>
#include <QStyle>

class QScrollBar;
class QWidget;

// Turns the mouse wheel over widget at pos (its centre by default) by steps
// notches (positive away from the user), delivered as the platform delivers
// a real wheel: to the window, which finds the widget under the pointer.
// QtTest has no wheel of its own.
void TurnWheel(QWidget* widget, int steps, QPoint pos = QPoint());

// Where a part of the bar (an arrow, the trough past the thumb, the thumb)
// lies in it, as its style draws it, for a click there.
QPoint ScrollBarPart(const QScrollBar& bar, QStyle::SubControl part);
