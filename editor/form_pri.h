#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/message.h"

class Prompter;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
struct World;

// Both grids show seven rows, numbered 1 to 7.
inline constexpr int kGridRows = 7;

// One control per grid row; index 0 is unused so that a row number addresses
// its control directly.
template <typename Control>
using RowArray = std::array<Control*, kGridRows + 1>;

// The main window: the group header, the layout grid ("TRACCIATI"), the node
// grid of the active layout, the section view and the command buttons.
// Controls are public and keep the names the rest of the editor uses for
// them, so that handlers and tests address them directly.
class FormPri : public QWidget {
  Q_OBJECT

 public:
  FormPri(World& world, Prompter& prompter, QWidget* parent = nullptr);

  // The window's load: runs the start-up sequence and prepares the controls
  // for an empty layout group. A start-up fault is returned, not shown: the
  // caller shows it and ends the program without showing the window.
  std::optional<Message> Load(const std::string& argument);

  // Procedures the window's handlers share.
  void FillCableTypeLists();
  void RefreshTextNLayo();
  void CheckNLayout();
  void DisplayTextLayo(int16_t n);
  void DisplayTextNode(int16_t n);
  void ShowViewMode();
  static void ConfigureScrollBar(QScrollBar& bar, int16_t count, int16_t visible);

  // Top level.
  QPushButton* DrawAllLayo = nullptr;
  QTimer* Timer1 = nullptr;
  QCheckBox* CheckEvLayo = nullptr;
  QPushButton* RefreshDrawing = nullptr;
  QPushButton* ButtonAction = nullptr;
  QPushButton* ButtonOpen = nullptr;
  QPushButton* ButtonSave = nullptr;
  QPushButton* ButtonClose = nullptr;
  QWidget* Picture1 = nullptr;
  QLabel* LabMsg = nullptr;
  QLabel* Label5 = nullptr;
  std::array<QLabel*, 2> Label4{};      // axis names beside the view: (0) "Z", (1) "Y"
  QFrame* Line1 = nullptr;              // horizontal axis hint
  QFrame* Line2 = nullptr;              // vertical axis hint
  std::array<QLabel*, 2> Label3{};      // (0) "Z", (1) "Y"
  std::array<QLabel*, 3> LabelCoord{};  // cursor (1) Z, (2) Y; 0 unused

  // Group header.
  QGroupBox* Frame3 = nullptr;
  QLineEdit* Description = nullptr;
  QLineEdit* NCnd = nullptr;
  QLabel* LabelMembr = nullptr;
  // (0) layout count, (1) node count, (2) load condition, (3) description.
  std::array<QLabel*, 4> Label2{};

  // Column headings of both grids: (0), (6) in the layout grid; (1), (7) to
  // (11) in the node grid; the other indices are unused.
  std::array<QLabel*, 12> Label1{};

  // Layout grid.
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

  // Node grid of the active layout.
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

 private:
  // Building the controls (form_pri_layout.cpp).
  void BuildControls();
  QGroupBox* BuildHeaderFrame();
  QGroupBox* BuildLayoutFrame();
  QGroupBox* BuildNodeFrame();
  QLayout* BuildViewArea();
  QLayout* BuildAxisHint();
  QLayout* BuildButtonBar();
  void SetTabOrder();

  void ButtonClose_Click();

  World& world_;
  Prompter& prompter_;
  // Option buttons are exclusive within their own grid only.
  QButtonGroup* layoActGroup_ = nullptr;
  QButtonGroup* nodeActGroup_ = nullptr;
};
