#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "common/message.h"
#include "editor/grid_rows.h"

class FormParabCable;
class HelpLineWatcher;
class PictureBox;
class Prompter;
class TaskControl;
class SectionViewController;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
struct LayoutGroup;
struct World;

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
  ~FormPri() override;

  // The window's load: runs the start-up sequence and prepares the controls
  // for an empty layout group. A start-up fault is returned, not shown: the
  // caller shows it and ends the program without showing the window.
  std::optional<Message> Load(const std::string& argument);

  // Procedures the window's handlers share; the other parts of the editor
  // call them too.
  void FillCableTypeLists();
  void ShowViewMode();
  static void ConfigureScrollBar(QScrollBar& bar, int16_t count, int16_t visible);

  // Layout grid (layout_panel.cpp).
  // After the last layout was made active: both grids, the commands and the
  // counts. Only with at least one layout.
  void RefreshLayoutPanels();
  // Fill rows 1, 2, ... with items first..last (those in use), then mark the
  // active item's row, which raises its click when the mark moves.
  void RefreshTextL(int16_t first, int16_t last);
  void SetLayoAct(int16_t first, int16_t active);
  void CheckNLayout();
  void RefreshTextNLayo();
  void DisplayTextLayo(int16_t n);

  // Node grid of the active layout (node_panel.cpp).
  // As RefreshTextL, with the points of the active layout.
  void RefreshTextN(int16_t first, int16_t last);
  void CheckNNode();
  void RefreshTextNNode();
  void DisplayTextNode(int16_t n);

  // Top level.
  QPushButton* DrawAllLayo = nullptr;
  QTimer* Timer1 = nullptr;
  QCheckBox* CheckEvLayo = nullptr;
  QPushButton* RefreshDrawing = nullptr;
  QPushButton* ButtonAction = nullptr;
  QPushButton* ButtonOpen = nullptr;
  QPushButton* ButtonSave = nullptr;
  QPushButton* ButtonClose = nullptr;
  PictureBox* Picture1 = nullptr;
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

  // The section view's handlers, the parabolic cable dialog (one instance,
  // so that it keeps its values between showings) and the help line.
  SectionViewController* SectionView = nullptr;
  FormParabCable* ParabDialog = nullptr;
  HelpLineWatcher* HelpLine = nullptr;

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

  // What a watched control is, for eventFilter.
  enum class Cell {
    kLabelN,
    kLayoName,
    kCableName,
    kLabelnn,
    kNodeName,
    kTCoordY,
    kTCoordZ,
    kTAngDisto,
    kDescription,
    kNCnd
  };
  struct WatchedCell {
    Cell cell;
    int row;  // 0 for the header boxes
  };
  // Routes the focus, key and mouse events of the grid cells and header
  // boxes to their row's handler (row_events.cpp).
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ConnectHandlers();
  void WatchRowEvents();
  void CellGotFocus(Cell cell, int row);
  void CellLostFocus(Cell cell, int row);
  // Whether the cell's column handles the key; the key then ends there.
  bool CellKeyDown(Cell cell, int row, int keyCode);
  bool CellKeyPress(Cell cell, int row, int keyAscii);

  // The section view's redraw, for the active point only.
  void RedrawSectionView();
  // The section view's entry point; the section view fills it.
  void DrawActiveSection();

  // The records behind the grids.
  LayoutGroup& Group();
  // Points of the active layout; 0 when no layout in use is active.
  int16_t ActiveNodeCount() const;
  // The item a row shows, read back from its ordinal label; 0 for none.
  static int16_t RowItem(const QLabel& ordinal);
  bool IsLayoutInUse(int layout) const;
  bool IsPointInUse(int point) const;

  // Arrow keys in a grid column: focus to the neighbouring row, or the grid
  // scrolls under the first or last row.
  template <typename Control>
  void MoveInGrid(const RowArray<Control>& column, int row, int keyCode, int count,
                  QScrollBar& bar) {
    MoveInGrid(row, keyCode, count, bar, row > 1 ? column[row - 1] : nullptr,
               row < kGridRows ? column[row + 1] : nullptr);
  }
  void MoveInGrid(int row, int keyCode, int count, QScrollBar& bar, QWidget* above, QWidget* below);

  // Layout grid handlers (layout_panel.cpp).
  void ButtonNewT_Click();
  void ButtonCopyT_Click();
  void ButtonRemove_Click();
  void LabelN_DblClick(int row);
  void LayoAct_Click(int row);
  void LayoName_GotFocus(int row);
  void LayoName_KeyDown(int row, int keyCode);
  void LayoName_LostFocus(int row);
  void CableName_Click(int row);
  void CableName_KeyDown(int row, int keyCode);
  void VScrollT_Change();
  void CheckEvLayo_Click();
  // The node grid for the layout just made active.
  void ShowActiveLayoutNodes();
  // Both grids for a group left without layouts.
  void ShowNoLayouts();

  // Group header (group_header.cpp) and its file commands (group_buttons.cpp).
  void Description_LostFocus();
  void NCnd_LostFocus();
  void ButtonOpen_Click();
  void ButtonSave_Click();
  void ButtonClose_Click();

  // Section view, parabolic cable and help line (view_buttons.cpp).
  void ConnectViewButtons();
  void WatchHelpLine();
  void TracParab_Click();

  // The two drawing buttons (drawing_buttons.cpp).
  void ConnectDrawingButtons();
  void DrawAllLayo_Click();
  void DrawLayo_Click();
  // One for the whole run: it remembers the viewer it started last.
  std::unique_ptr<TaskControl> tasks_;

  // Node grid handlers (node_panel.cpp).
  void ButtonNewN_Click();
  void ButtonCopyN_Click();
  void ButtonRemoveN_Click();
  void Labelnn_Click(int row);
  void NodeAct_Click(int row);
  void VScrollN_Change();
  void NodeName_GotFocus(int row);
  void NodeName_KeyDown(int row, int keyCode);
  void NodeName_KeyPress(int row, int keyAscii);
  void NodeName_LostFocus(int row);
  // The node check of a row's node number; stores it when it is valid.
  void CheckNodeName(int row);
  // The rows shown, filled again where they are.
  void RefreshShownNodeRows();
  // The new last point made active and shown.
  void ShowLastNode();

  // The numeric fields of the node rows (node_fields.cpp).
  enum class PointField { kY, kZ, kAngDistortion };
  void TCoordY_GotFocus(int row);
  void TCoordY_KeyDown(int row, int keyCode);
  void TCoordY_KeyPress(int row, int keyAscii);
  void TCoordY_LostFocus(int row);
  void TCoordZ_GotFocus(int row);
  void TCoordZ_KeyDown(int row, int keyCode);
  void TCoordZ_KeyPress(int row, int keyAscii);
  void TCoordZ_LostFocus(int row);
  void TAngDisto_GotFocus(int row);
  void TAngDisto_KeyDown(int row, int keyCode);
  void TAngDisto_LostFocus(int row);
  void StorePointField(PointField field, int row);

  World& world_;
  Prompter& prompter_;
  // Option buttons are exclusive within their own grid only.
  QButtonGroup* layoActGroup_ = nullptr;
  QButtonGroup* nodeActGroup_ = nullptr;

  std::unordered_map<const QObject*, WatchedCell> watched_;
  // The ordinal label a press began on: a click needs press and release on it.
  const QObject* pressedOrdinal_ = nullptr;
  // Counts the layout selections, to tell whether a refresh raised one.
  unsigned layoutSelections_ = 0;
};
