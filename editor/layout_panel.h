#pragma once

#include <array>
#include <cstdint>

#include "editor/grid_controls.h"
#include "editor/panel_host.h"

class NodePanel;
struct LayoutGroup;

// The layout grid ("TRACCIATI"): fills its rows, runs its handlers and
// brings the node grid up to date through the node panel. It knows the
// window only through its host.
class LayoutPanel {
 public:
  // headerBoxes: the load condition and description boxes, which follow the
  // layout count.
  LayoutPanel(LayoutGridControls& grid, NodePanel& nodes, std::array<QLineEdit*, 2> headerBoxes,
              PanelHost host);

  // After the last layout was made active: both grids, the commands and the
  // counts. Only with at least one layout.
  void RefreshLayoutPanels();
  // After an undo or redo: both grids from the items layoutsFirst and
  // nodesFirst (within their counts), or, toActive, moved from there as
  // little as showing the active layout and point takes; they stay active.
  void ShowRowsFrom(int layoutsFirst, int nodesFirst, bool toActive);
  // Both grids for a group left without layouts.
  void ShowNoLayouts();
  // Fill rows 1, 2, ... with items first..last (those in use), then mark the
  // active item's row, which raises its click when the mark moves.
  void RefreshTextL(int16_t first, int16_t last);
  void SetLayoAct(int16_t first, int16_t active);
  void CheckNLayout();
  void RefreshTextNLayo();
  void DisplayTextLayo(int16_t n);

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

 private:
  LayoutGroup& Group();
  bool IsLayoutInUse(int layout);

  LayoutGridControls& grid_;
  NodePanel& nodes_;
  std::array<QLineEdit*, 2> headerBoxes_;
  PanelHost host_;
  // Counts the layout selections, to tell whether a refresh raised one.
  unsigned layoutSelections_ = 0;
};
