#include "editor/toolkit_rules.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

bool SelectOption(QRadioButton& button) {
  if (button.isChecked()) return false;
  button.setChecked(true);
  // The same signal a user's click raises, so that one connection serves
  // both.
  Q_EMIT button.clicked(true);
  return true;
}

void ClearOptions(QButtonGroup& group) {
  // An exclusive group never lets its selected button go.
  const bool exclusive = group.exclusive();
  group.setExclusive(false);
  for (QAbstractButton* button : group.buttons()) button->setChecked(false);
  group.setExclusive(exclusive);
}

void ConfigureScrollRange(QScrollBar& bar, const ScrollBarSettings& settings) {
  const int before = bar.value();
  {
    const QSignalBlocker quiet(bar);
    bar.setRange(settings.minimum, settings.maximum);
    bar.setPageStep(settings.largeChange);
    bar.setSingleStep(settings.smallChange);
    bar.setValue(settings.value);
  }
  if (bar.value() != before) Q_EMIT bar.valueChanged(bar.value());
}

void SetScrollValue(QScrollBar& bar, int value) {
  // Qt announces a value only when it changes.
  bar.setValue(value);
}
