#pragma once

#include <QComboBox>

// The cable-type list of a layout row. It is as wide as `characters`
// characters plus room for an icon, whatever its entries, as a box with the
// toolkit's "minimum contents length with icon" policy is; but setting that
// policy builds the box's popup list at once, and a window with seven of
// them built seven lists nobody had opened yet. This box builds its list
// when it first opens.
class CableTypeBox : public QComboBox {
 public:
  CableTypeBox(int characters, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
};
