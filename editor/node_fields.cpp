// The three numeric columns of the node rows: Y, Z and the angular
// distortion of a point. Whatever number a text begins with is stored; the
// Y and Z of a point move the cable in the section view, the distortion
// does not.

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "app/world.h"
#include "common/val.h"
#include "editor/control_state.h"
#include "editor/form_pri.h"

void FormPri::StorePointField(PointField field, int row) {
  LayoutGroup& group = Group();
  const int16_t point = RowItem(*Labelnn[row]);
  if (!IsPointInUse(point)) return;
  Layout& layout = group.Layouts[group.ActiveLayout];
  switch (field) {
    case PointField::kY:
      layout.Y[point] = Val(ToStdString(TCoordY[row]->text()));
      break;
    case PointField::kZ:
      layout.Z[point] = Val(ToStdString(TCoordZ[row]->text()));
      break;
    case PointField::kAngDistortion:
      layout.AngDistortion[point] = Val(ToStdString(TAngDisto[row]->text()));
      return;
  }
  // The section drawn is the active point's, which need not be this one.
  RedrawSectionView();
}

void FormPri::TCoordY_GotFocus(int row) { TCoordY[row]->selectAll(); }

void FormPri::TCoordY_KeyDown(int row, int keyCode) {
  MoveInGrid(TCoordY, row, keyCode, ActiveNodeCount(), *VScrollN);
}

void FormPri::TCoordY_KeyPress(int row, int keyAscii) {
  if (keyAscii == kKeyEnter) StorePointField(PointField::kY, row);
}

void FormPri::TCoordY_LostFocus(int row) { StorePointField(PointField::kY, row); }

void FormPri::TCoordZ_GotFocus(int row) { TCoordZ[row]->selectAll(); }

void FormPri::TCoordZ_KeyDown(int row, int keyCode) {
  MoveInGrid(TCoordZ, row, keyCode, ActiveNodeCount(), *VScrollN);
}

void FormPri::TCoordZ_KeyPress(int row, int keyAscii) {
  if (keyAscii == kKeyEnter) StorePointField(PointField::kZ, row);
}

void FormPri::TCoordZ_LostFocus(int row) { StorePointField(PointField::kZ, row); }

void FormPri::TAngDisto_GotFocus(int row) { TAngDisto[row]->selectAll(); }

void FormPri::TAngDisto_KeyDown(int row, int keyCode) {
  MoveInGrid(TAngDisto, row, keyCode, ActiveNodeCount(), *VScrollN);
}

// Enter does nothing in this column: the distortion is stored when the field
// is left.

void FormPri::TAngDisto_LostFocus(int row) { StorePointField(PointField::kAngDistortion, row); }
