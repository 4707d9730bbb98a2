#pragma once

#include <functional>

class QComboBox;
class QLineEdit;
class QScrollBar;

// Three more rules of the toolkit the grids were built on, for the mouse
// and the wheel, which Qt's widgets do not follow by themselves (see also
// toolkit_rules.h). Each is set once on a control and lives with it.

// A field that gets the focus by a mouse click selects all its text, as it
// does by the keyboard: Qt places the cursor at the click instead, and what
// the user types is then added to the old value.
void SelectAllOnClickFocus(QLineEdit& field);

// A combo box changes on the wheel only when it has the focus; the wheel
// over an unfocused one changes nothing (Qt would change the value shown
// and stored without the box ever being clicked).
void WheelOnlyWhenFocused(QComboBox& box);

// A click on the scroll bar (arrow, trough or thumb) takes the focus first,
// so the field being left stores its value, with its checks and messages,
// before the rows move. When leaving the field refused its value with a
// message (refused() says so), or the focus did not reach the bar, the
// click moves nothing: the message box took it.
void FocusBeforeScrolling(QScrollBar& bar, std::function<bool()> refused);
