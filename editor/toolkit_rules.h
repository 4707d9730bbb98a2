#pragma once

class QButtonGroup;
class QRadioButton;
class QScrollBar;

// The two rules of the toolkit the grids were built on, which Qt does not
// follow by itself:
// - selecting an option button from code raises its click, as the user's
//   click does (Qt raises `clicked` only for the user);
// - changing a scroll bar's value from code to a different value raises its
//   change. Qt's `valueChanged` already fires for code and user alike and
//   only on a real change; what needs care is configuring a bar, where Qt
//   would also announce the intermediate values that a new range clamps to.
// Every change the grids make from code goes through here, so that each
// handler runs exactly once per change, whoever made it.

// Selects `button` and raises its `clicked`, so that the row's click handler
// runs nested inside the caller. Selecting the button already selected
// raises nothing. Returns whether the click was raised.
bool SelectOption(QRadioButton& button);

// Clears every button of an exclusive group; nothing is raised.
void ClearOptions(QButtonGroup& group);

struct ScrollBarSettings {
  int minimum = 1;
  int maximum = 1;
  int largeChange = 1;
  int smallChange = 1;
  int value = 1;
};

// Applies the range, the steps and then the value. `valueChanged` is raised
// once, after everything is set, when the value differs from the one before.
void ConfigureScrollRange(QScrollBar& bar, const ScrollBarSettings& settings);

// Sets the value from code; its change is raised when it differs.
void SetScrollValue(QScrollBar& bar, int value);
