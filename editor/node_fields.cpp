// The three numeric columns of the node rows: Y, Z and the angular
// distortion of a point. Whatever number a text begins with is stored; the
// Y and Z of a point move the cable in the section view, the distortion
// does not.

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "app/world.h"
#include "common/number_text.h"
#include "common/val.h"
#include "editor/control_state.h"
#include "editor/grid_scroll.h"
#include "editor/node_panel.h"

void NodePanel::StorePointField(PointField field, int row) {
  LayoutGroup& group = Group();
  const int16_t point = RowItem(*grid_.Labelnn[row]);
  if (!IsPointInUse(point)) return;
  Layout& layout = group.Layouts[group.ActiveLayout];
  QLineEdit* box = field == PointField::kY   ? grid_.TCoordY[row]
                   : field == PointField::kZ ? grid_.TCoordZ[row]
                                             : grid_.TAngDisto[row];
  double& stored = field == PointField::kY   ? layout.Y[point]
                   : field == PointField::kZ ? layout.Z[point]
                                             : layout.AngDistortion[point];
  const std::optional<double> value = FiniteVal(ToStdString(box->text()));
  if (!value) {
    // A number too big to hold: the box shows the old value again.
    box->setText(QString::fromStdString(OneDecimalText(stored)));
    return;
  }
  stored = *value;
  if (field == PointField::kAngDistortion) return;
  // The section drawn is the active point's, which need not be this one.
  host_.redrawSection();
}

void NodePanel::TCoordY_GotFocus(int row) { grid_.TCoordY[row]->selectAll(); }

void NodePanel::TCoordY_KeyDown(int row, int keyCode) {
  MoveInGrid(grid_.TCoordY, row, keyCode, ActiveNodeCount(), *grid_.VScrollN);
}

void NodePanel::TCoordY_KeyPress(int row, int keyAscii) {
  if (keyAscii == kKeyEnter) StorePointField(PointField::kY, row);
}

void NodePanel::TCoordY_LostFocus(int row) { StorePointField(PointField::kY, row); }

void NodePanel::TCoordZ_GotFocus(int row) { grid_.TCoordZ[row]->selectAll(); }

void NodePanel::TCoordZ_KeyDown(int row, int keyCode) {
  MoveInGrid(grid_.TCoordZ, row, keyCode, ActiveNodeCount(), *grid_.VScrollN);
}

void NodePanel::TCoordZ_KeyPress(int row, int keyAscii) {
  if (keyAscii == kKeyEnter) StorePointField(PointField::kZ, row);
}

void NodePanel::TCoordZ_LostFocus(int row) { StorePointField(PointField::kZ, row); }

void NodePanel::TAngDisto_GotFocus(int row) { grid_.TAngDisto[row]->selectAll(); }

void NodePanel::TAngDisto_KeyDown(int row, int keyCode) {
  MoveInGrid(grid_.TAngDisto, row, keyCode, ActiveNodeCount(), *grid_.VScrollN);
}

// Enter does nothing in this column: the distortion is stored when the field
// is left.

void NodePanel::TAngDisto_LostFocus(int row) { StorePointField(PointField::kAngDistortion, row); }
