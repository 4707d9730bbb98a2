// The node grid of the active layout ("DEFINIZIONE del TRACCIATO ATTIVO"):
// its rows, scroll bar and point commands, and the structure node of each
// point.

#include "editor/node_panel.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <utility>

#include "app/show_message.h"
#include "app/world.h"
#include "common/message_catalogue.h"
#include "common/min_max.h"
#include "editor/control_state.h"
#include "editor/grid_scroll.h"
#include "editor/toolkit_rules.h"
#include "layouts/group_entry.h"
#include "layouts/layout_operations.h"

NodePanel::NodePanel(NodeGridControls& grid, QPushButton& drawLayo, PanelHost host)
    : grid_(grid), drawLayo_(drawLayo), host_(std::move(host)) {}

LayoutGroup& NodePanel::Group() { return host_.world.Group; }

int16_t NodePanel::ActiveNodeCount() { return ::ActiveNodeCount(Group()); }

bool NodePanel::IsPointInUse(int point) { return ::IsPointInUse(Group(), point); }

void NodePanel::RefreshTextN(int16_t first, int16_t last) {
  const LayoutGroup& group = Group();
  // Only points in use: (1, 0) fills nothing, and so does a layout index
  // left behind by a removal.
  first = MaxOf<int16_t>(first, 1);
  last = MinOf(last, ActiveNodeCount());
  int row = 1;
  for (int k = first; k <= last && row <= kGridRows; ++k, ++row) {
    const NodeRowTexts texts = NodeRowText(group.Layouts[group.ActiveLayout], k,
                                           host_.world.Structure, host_.world.Sections);
    grid_.Labelnn[row]->setText(QString::number(k));
    grid_.NodeName[row]->setText(ToQString(texts.NodeName));
    grid_.SectionName[row]->setText(ToQString(texts.SectionName));
    grid_.TCoordSys[row]->setText(ToQString(texts.TCoordSys));
    grid_.TCoordY[row]->setText(ToQString(texts.TCoordY));
    grid_.TCoordZ[row]->setText(ToQString(texts.TCoordZ));
    grid_.TAngDisto[row]->setText(ToQString(texts.TAngDisto));
  }
  const int filled = row - 1;
  const int activeRow = group.ActiveNode - first + 1;
  if (activeRow >= 1 && activeRow <= filled) {
    SelectOption(*grid_.NodeAct[activeRow]);
  } else {
    ClearOptions(*grid_.NodeActGroup);
  }
}

void NodePanel::CheckNNode() {
  const int16_t n = ActiveNodeCount();
  // "Nuovo" follows the layout count instead (CheckNLayout).
  SetEnabled({grid_.ButtonCopyN, grid_.ButtonRemoveN, &drawLayo_, grid_.Command1, grid_.Command2},
             n > 0);
  ConfigureScrollBar(*grid_.VScrollN, n, kGridRows);
}

void NodePanel::RefreshTextNNode() { grid_.LNNode->setText(QString::number(ActiveNodeCount())); }

void NodePanel::DisplayTextNode(int16_t n) {
  for (int row = 1; row <= kGridRows; ++row) {
    SetVisible(row <= n, grid_.Labelnn[row], grid_.NodeAct[row], grid_.NodeName[row],
               grid_.SectionName[row], grid_.TCoordSys[row], grid_.TCoordY[row], grid_.TCoordZ[row],
               grid_.TAngDisto[row]);
  }
}

void NodePanel::ShowActiveLayoutNodes() {
  LayoutGroup& group = Group();
  const int16_t n = ActiveNodeCount();
  if (group.ActiveNode > n) group.ActiveNode = n;
  DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  RefreshTextN(FirstItemShown(n), n);
  RefreshTextNNode();
  ConfigureScrollBar(*grid_.VScrollN, n, kGridRows);
  if (group.ActiveNode != 0) host_.redrawSection();
}

void NodePanel::ShowNodeRowsFrom(int first, bool toActive) {
  const LayoutGroup& group = Group();
  const int16_t shown = FirstItemShowing(toActive ? group.ActiveNode : 0, ActiveNodeCount(), first);
  {
    const QSignalBlocker quiet(grid_.VScrollN);
    grid_.VScrollN->setValue(shown);
  }
  RefreshTextN(shown, static_cast<int16_t>(shown + kGridRows - 1));
}

void NodePanel::ShowNoNodes() {
  DisplayTextNode(0);
  ConfigureScrollBar(*grid_.VScrollN, 0, kGridRows);
  RefreshTextNNode();
}

void NodePanel::ButtonNewN_Click() {
  LayoutGroup& group = Group();
  if (!IsLayoutInUse(group, group.ActiveLayout)) return;
  const int16_t n = ActiveNodeCount();
  if (auto refusal = SetNewNodeL(group, host_.world.Structure, group.ActiveLayout, n + 1)) {
    ShowMessage(host_.prompter, *refusal);
  }
  // Refused or not, the last point becomes the active one.
  ShowLastNode();
}

void NodePanel::ButtonCopyN_Click() {
  LayoutGroup& group = Group();
  if (!IsLayoutInUse(group, group.ActiveLayout)) return;
  const int16_t source = group.ActiveNode;
  const bool sourceInUse = IsPointInUse(source);
  if (auto refusal =
          SetNewNodeL(group, host_.world.Structure, group.ActiveLayout, ActiveNodeCount() + 1)) {
    ShowMessage(host_.prompter, *refusal);
    return;
  }
  // Without an active point the new one stays a copy of the last.
  if (sourceInUse) CopyNode(group, source, ActiveNodeCount());
  ShowLastNode();
}

void NodePanel::ShowLastNode() {
  const int16_t n = ActiveNodeCount();
  Group().ActiveNode = n;
  DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  RefreshTextN(FirstItemShown(n), n);
  CheckNNode();
  RefreshTextNNode();
}

void NodePanel::ButtonRemoveN_Click() {
  if (ShowMessage(host_.prompter, CatalogueText(kMsgRemoveAll) + "nodi ?", kStyleYesNo,
                  kCaptionWarning) != kAnswerYes) {
    return;
  }
  if (!IsLayoutInUse(Group(), Group().ActiveLayout)) return;
  RemoveAllNodes(Group());
  CheckNNode();
  DisplayTextNode(0);
  RefreshTextN(1, 0);
  RefreshTextNNode();
}

void NodePanel::Labelnn_Click(int row) {
  LayoutGroup& group = Group();
  const int16_t removed = RowItem(*grid_.Labelnn[row]);
  if (!IsPointInUse(removed)) return;
  RemoveNode(group, removed);
  const int16_t n = ActiveNodeCount();
  group.ActiveNode = n;
  CheckNNode();
  DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  RefreshTextN(FirstItemShown(group.ActiveNode), group.ActiveNode);
  RefreshTextNNode();
}

void NodePanel::NodeAct_Click(int row) {
  const int16_t point = RowItem(*grid_.Labelnn[row]);
  if (!IsPointInUse(point)) return;
  Group().ActiveNode = point;
  host_.redrawSection();
}

void NodePanel::VScrollN_Change() {
  const int first = grid_.VScrollN->value();
  RefreshTextN(static_cast<int16_t>(first), static_cast<int16_t>(first + kGridRows - 1));
}

void NodePanel::NodeName_GotFocus(int row) { grid_.NodeName[row]->selectAll(); }

void NodePanel::NodeName_KeyDown(int row, int keyCode) {
  MoveInGrid(grid_.NodeName, row, keyCode, ActiveNodeCount(), *grid_.VScrollN);
}

void NodePanel::NodeName_KeyPress(int row, int keyAscii) {
  if (keyAscii == kKeyEnter) CheckNodeName(row);
}

void NodePanel::NodeName_LostFocus(int row) {
  // A wrong node confirmed with Enter is reported once more here.
  CheckNodeName(row);
}

void NodePanel::CheckNodeName(int row) {
  LayoutGroup& group = Group();
  if (group.ActiveLayout == 0 || group.ActiveNode == 0) return;
  const int16_t point = RowItem(*grid_.Labelnn[row]);
  if (!IsPointInUse(point)) return;
  const PointNodeEntry entry = SetPointNode(group, host_.world.Structure, group.ActiveLayout, point,
                                            ToStdString(grid_.NodeName[row]->text()));
  if (entry.refusal) {
    ShowMessage(host_.prompter, *entry.refusal);
    // Puts the stored node's number back in the box.
    if (entry.showStoredNode) RefreshShownNodeRows();
    return;
  }
  RefreshShownNodeRows();
  // The active point's section, which need not be the one just changed.
  host_.redrawSection();
}

void NodePanel::RefreshShownNodeRows() {
  if (!grid_.VScrollN->isHidden()) {
    const int first = grid_.VScrollN->value();
    RefreshTextN(static_cast<int16_t>(first), static_cast<int16_t>(first + kGridRows - 1));
  } else {
    RefreshTextN(1, ActiveNodeCount());
  }
}
