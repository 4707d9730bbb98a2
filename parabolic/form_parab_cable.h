#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The modal dialog "Crea cavo parabolico": three nodes of the member with the
// cable's Y at each, and one Z for the whole cable. Controls are public and
// keep the names the handlers use.
class FormParabCable : public QDialog {
  Q_OBJECT

 public:
  explicit FormParabCable(QWidget* parent = nullptr);

  QGroupBox* Frame1 = nullptr;
  std::array<QLineEdit*, 3> NodeName{};  // (0) initial, (1) intermediate, (2) final
  std::array<QLineEdit*, 3> TCoordY{};   // Y at the same three nodes
  std::array<QLineEdit*, 1> TCoordZ{};   // one Z for the whole cable
  std::array<QLabel*, 3> LabelZ{};       // (1), (2) repeat Z; 0 unused
  // (0) "Nodo iniziale", (1) "Coord. Y", (2) "Coord. Z", (3) "Nodo intermedio",
  // (4) "Nodo finale", (5) the note on the reference point.
  std::array<QLabel*, 6> Label{};
  QPushButton* AnnullaButt = nullptr;
  QPushButton* CreaButt = nullptr;
};
