#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "common/message.h"
#include "editor/grid_controls.h"
#include "editor/group_step.h"
#include "editor/layout_panel.h"
#include "editor/node_panel.h"
#include "platform/message_watch.h"

class FormParabCable;
class GroupHistory;
class GroupRecorder;
class HelpLineWatcher;
class PictureBox;
class Prompter;
class TaskControl;
class UndoKeys;
class VerifyWindow;
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

// The main window: the group header, the layout grid ("TRACCIATI"), the node
// grid of the active layout, the section view and the command buttons.
// Controls are public and keep the names the rest of the editor uses for
// them, so that handlers and tests address them directly. The two grids
// are run by their panels, which the window owns and feeds the events.
class FormPri : public QWidget, public LayoutGridControls, public NodeGridControls {
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

  // Undo, redo and the clipboard (form_pri_undo.cpp). The one place that
  // learns the group changed: records whatever the handlers changed since the
  // last step as one step; the window calls it once each input event has been
  // handled.
  void RecordGroupChange();
  // Shows the group after an undo or redo, as the same change by hand would:
  // its active layout and point, the grids moved from where `rows` had them
  // (where they stand, for none) as little as showing them takes.
  void ShowGroupStep(const GroupSelection& rows = {});
  GroupHistory& History() { return *history_; }

  // Both grids, forwarded to their panels.
  void RefreshLayoutPanels();
  void CheckNLayout();
  void RefreshTextN(int16_t first, int16_t last);

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

  // The section view's handlers, the parabolic cable dialog and the help
  // line. The dialog is made at the first "Crea parabolico" and kept, so
  // that it keeps its values between showings.
  SectionViewController* SectionView = nullptr;
  FormParabCable* ParabDialog = nullptr;
  HelpLineWatcher* HelpLine = nullptr;

  // "Verifica tracciati", made at the first F7 and kept for the run, so
  // that it remembers its limits (verify_link.cpp).
  VerifyWindow* Verify = nullptr;
  // Makes the layout and its point active as clicking them in the grids
  // does: each grid scrolled to show its row, the row's option clicked.
  void ActivateLayoutPoint(int16_t layout, int16_t point);

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

  void CheckEvLayo_Click();

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

  // F7 opens "Verifica tracciati" (verify_link.cpp).
  void ConnectVerifyWindow();
  void ShowVerifyWindow();

  // The two drawing buttons (drawing_buttons.cpp).
  void ConnectDrawingButtons();
  void DrawAllLayo_Click();
  void DrawLayo_Click();
  // One for the whole run: it remembers the viewer it started last.
  std::unique_ptr<TaskControl> tasks_;

  void WatchGroupSteps();
  void WatchClipboard();
  std::unique_ptr<GroupHistory> history_;
  std::unique_ptr<GroupRecorder> recorder_;
  // Told of the controls of a dialog made after the window.
  UndoKeys* undoKeys_ = nullptr;
  bool recordPending_ = false;
  // While a dialog that changes the group is open, no step is taken: the
  // step of its change is taken once the window shows it.
  bool stepsHeld_ = false;

  World& world_;
  // Every message of the window goes through here, so that leaving a field
  // can tell whether it showed one.
  MessageWatch messages_;
  Prompter& prompter_;
  bool leaveShowedMessage_ = false;  // the last field left refused its value
  std::unique_ptr<NodePanel> nodePanel_;
  std::unique_ptr<LayoutPanel> layoutPanel_;

  std::unordered_map<const QObject*, WatchedCell> watched_;
  // The ordinal label a press began on: a click needs press and release on it.
  const QObject* pressedOrdinal_ = nullptr;
};
