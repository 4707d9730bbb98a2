#pragma once

#include <cstdint>

#include "editor/grid_controls.h"
#include "editor/panel_host.h"

struct LayoutGroup;

// The node grid of the active layout: fills its rows and runs its handlers.
// It knows the window only through its host.
class NodePanel {
 public:
  // drawLayo belongs to the layout grid but follows the node count.
  NodePanel(NodeGridControls& grid, QPushButton& drawLayo, PanelHost host);

  const NodeGridControls& Controls() const { return grid_; }

  // Fill rows 1, 2, ... with the points first..last of the active layout
  // (those in use), then mark the active point's row.
  void RefreshTextN(int16_t first, int16_t last);
  void CheckNNode();
  void RefreshTextNNode();
  void DisplayTextNode(int16_t n);
  // The grid for the layout just made active.
  void ShowActiveLayoutNodes();
  // The rows from item `first` (within the count), or, toActive, moved from
  // there as little as showing the active point takes.
  void ShowNodeRowsFrom(int first, bool toActive);
  // The grid for a group left without layouts.
  void ShowNoNodes();

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

  // The numeric fields of the node rows (node_fields.cpp).
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

 private:
  enum class PointField { kY, kZ, kAngDistortion };
  void StorePointField(PointField field, int row);
  // The node check of a row's node number; stores it when it is valid.
  void CheckNodeName(int row);
  // The rows shown, filled again where they are.
  void RefreshShownNodeRows();
  // The new last point made active and shown.
  void ShowLastNode();
  LayoutGroup& Group();
  int16_t ActiveNodeCount();
  bool IsPointInUse(int point);

  NodeGridControls& grid_;
  QPushButton& drawLayo_;
  PanelHost host_;
};
