#pragma once

#include <QDialog>
#include <array>

#include "parabolic/parabolic_panel.h"

class Prompter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct World;

// The modal dialog "Crea cavo parabolico": three nodes of the member with the
// cable's Y at each, and one Z for the whole cable. "Crea" appends the
// parabolic layout to the world's group. Controls are public and keep the
// names the handlers use.
//
// The owner keeps one instance: hiding it ("Crea", "Annulla") keeps what was
// typed for the next showing, while closing it from the title bar empties it
// as a dialog shown for the first time.
class FormParabCable : public QDialog {
  Q_OBJECT

 public:
  FormParabCable(World& world, Prompter& prompter, QWidget* parent = nullptr);

  // Shows the dialog modally until it is hidden. True when it ended with a
  // new layout, the group's last (LastOperationOk is then 1, otherwise 0);
  // the caller makes it active and refreshes its panels.
  bool ShowParabolicDialog();

  // Handlers.
  void CreaButt_Click();
  void AnnullaButt_Click();
  void TCoordZ_KeyPress(int key);
  void TCoordZ_LostFocus();

  // The values last read and the last parabola computed.
  const ParabolicCableState& State() const { return state_; }

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

 public slots:
  // Escape and "Annulla": hidden, nothing created.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOutControls();
  ParabolicPanelTexts PanelTexts() const;
  void CopyZToLabels();
  // Back to the state of a dialog never shown.
  void Unload();

  World& world_;
  Prompter& prompter_;
  ParabolicCableState state_;
};
