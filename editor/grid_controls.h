#pragma once

#include <array>

#include "editor/grid_rows.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// One control per grid row; index 0 is unused so that a row number addresses
// its control directly.
template <typename Control>
using RowArray = std::array<Control*, kGridRows + 1>;

// The controls of the layout grid ("TRACCIATI"). The window builds them; the
// layout panel fills and reads them.
struct LayoutGridControls {
  QGroupBox* Frame2 = nullptr;
  RowArray<QLabel> LabelN{};
  RowArray<QRadioButton> LayoAct{};
  RowArray<QLineEdit> LayoName{};
  RowArray<QComboBox> CableName{};
  QScrollBar* VScrollT = nullptr;
  QLabel* LNLayout = nullptr;
  QPushButton* ButtonNewT = nullptr;
  QPushButton* ButtonCopyT = nullptr;
  QPushButton* ButtonRemove = nullptr;
  QPushButton* DrawLayo = nullptr;
  QPushButton* TracParab = nullptr;
  // Option buttons are exclusive within their own grid only.
  QButtonGroup* LayoActGroup = nullptr;
};

// The controls of the node grid of the active layout, as above for the node
// panel.
struct NodeGridControls {
  QGroupBox* Frame1 = nullptr;
  RowArray<QLabel> Labelnn{};
  RowArray<QRadioButton> NodeAct{};
  RowArray<QLineEdit> NodeName{};
  RowArray<QLabel> SectionName{};
  RowArray<QLabel> TCoordSys{};
  RowArray<QLineEdit> TCoordY{};
  RowArray<QLineEdit> TCoordZ{};
  RowArray<QLineEdit> TAngDisto{};
  QScrollBar* VScrollN = nullptr;
  QLabel* LNNode = nullptr;
  QPushButton* ButtonNewN = nullptr;
  QPushButton* ButtonCopyN = nullptr;
  QPushButton* ButtonRemoveN = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QButtonGroup* NodeActGroup = nullptr;
};
