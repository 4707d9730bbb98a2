// The node grid of the active layout ("DEFINIZIONE del TRACCIATO ATTIVO"):
// its rows, scroll bar and point commands, and the structure node of each
// point.

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/show_message.h"
#include "app/world.h"
#include "common/message_catalogue.h"
#include "common/min_max.h"
#include "editor/control_state.h"
#include "editor/form_pri.h"
#include "editor/toolkit_rules.h"
#include "layouts/group_entry.h"
#include "layouts/layout_operations.h"

void FormPri::RefreshTextN(int16_t first, int16_t last) {
  const LayoutGroup& group = Group();
  // Only points in use: (1, 0) fills nothing, and so does a layout index
  // left behind by a removal.
  first = MaxOf<int16_t>(first, 1);
  last = MinOf(last, ActiveNodeCount());
  int row = 1;
  for (int k = first; k <= last && row <= kGridRows; ++k, ++row) {
    const NodeRowTexts texts =
        NodeRowText(group.Layouts[group.ActiveLayout], k, world_.Structure, world_.Sections);
    Labelnn[row]->setText(QString::number(k));
    NodeName[row]->setText(ToQString(texts.NodeName));
    SectionName[row]->setText(ToQString(texts.SectionName));
    TCoordSys[row]->setText(ToQString(texts.TCoordSys));
    TCoordY[row]->setText(ToQString(texts.TCoordY));
    TCoordZ[row]->setText(ToQString(texts.TCoordZ));
    TAngDisto[row]->setText(ToQString(texts.TAngDisto));
  }
  const int filled = row - 1;
  const int activeRow = group.ActiveNode - first + 1;
  if (activeRow >= 1 && activeRow <= filled) {
    SelectOption(*NodeAct[activeRow]);
  } else {
    ClearOptions(*nodeActGroup_);
  }
}

void FormPri::CheckNNode() {
  const int16_t n = ActiveNodeCount();
  // "Nuovo" follows the layout count instead (CheckNLayout).
  SetEnabled({ButtonCopyN, ButtonRemoveN, DrawLayo, Command1, Command2}, n > 0);
  ConfigureScrollBar(*VScrollN, n, kGridRows);
}

void FormPri::RefreshTextNNode() { LNNode->setText(QString::number(ActiveNodeCount())); }

void FormPri::DisplayTextNode(int16_t n) {
  for (int row = 1; row <= kGridRows; ++row) {
    SetVisible(row <= n, Labelnn[row], NodeAct[row], NodeName[row], SectionName[row],
               TCoordSys[row], TCoordY[row], TCoordZ[row], TAngDisto[row]);
  }
}

void FormPri::ButtonNewN_Click() {
  LayoutGroup& group = Group();
  if (!IsLayoutInUse(group.ActiveLayout)) return;
  const int16_t n = ActiveNodeCount();
  if (auto refusal = SetNewNodeL(group, world_.Structure, group.ActiveLayout, n + 1)) {
    ShowMessage(prompter_, *refusal);
  }
  // Refused or not, the last point becomes the active one.
  ShowLastNode();
}

void FormPri::ButtonCopyN_Click() {
  LayoutGroup& group = Group();
  if (!IsLayoutInUse(group.ActiveLayout)) return;
  const int16_t source = group.ActiveNode;
  const bool sourceInUse = IsPointInUse(source);
  if (auto refusal =
          SetNewNodeL(group, world_.Structure, group.ActiveLayout, ActiveNodeCount() + 1)) {
    ShowMessage(prompter_, *refusal);
    return;
  }
  // Without an active point the new one stays a copy of the last.
  if (sourceInUse) CopyNode(group, source, ActiveNodeCount());
  ShowLastNode();
}

void FormPri::ShowLastNode() {
  const int16_t n = ActiveNodeCount();
  Group().ActiveNode = n;
  DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  RefreshTextN(FirstItemShown(n), n);
  CheckNNode();
  RefreshTextNNode();
}

void FormPri::ButtonRemoveN_Click() {
  if (ShowMessage(prompter_, CatalogueText(kMsgRemoveAll) + "nodi ?", kStyleYesNo,
                  kCaptionWarning) != kAnswerYes) {
    return;
  }
  if (!IsLayoutInUse(Group().ActiveLayout)) return;
  RemoveAllNodes(Group());
  CheckNNode();
  DisplayTextNode(0);
  RefreshTextN(1, 0);
  RefreshTextNNode();
}

void FormPri::Labelnn_Click(int row) {
  LayoutGroup& group = Group();
  const int16_t removed = RowItem(*Labelnn[row]);
  if (!IsPointInUse(removed)) return;
  RemoveNode(group, removed);
  const int16_t n = ActiveNodeCount();
  group.ActiveNode = n;
  CheckNNode();
  DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  RefreshTextN(FirstItemShown(group.ActiveNode), group.ActiveNode);
  RefreshTextNNode();
}

void FormPri::NodeAct_Click(int row) {
  const int16_t point = RowItem(*Labelnn[row]);
  if (!IsPointInUse(point)) return;
  Group().ActiveNode = point;
  RedrawSectionView();
}

void FormPri::VScrollN_Change() {
  const int first = VScrollN->value();
  RefreshTextN(static_cast<int16_t>(first), static_cast<int16_t>(first + kGridRows - 1));
}

void FormPri::NodeName_GotFocus(int row) { NodeName[row]->selectAll(); }

void FormPri::NodeName_KeyDown(int row, int keyCode) {
  MoveInGrid(NodeName, row, keyCode, ActiveNodeCount(), *VScrollN);
}

void FormPri::NodeName_KeyPress(int row, int keyAscii) {
  if (keyAscii == kKeyEnter) CheckNodeName(row);
}

void FormPri::NodeName_LostFocus(int row) {
  // A wrong node confirmed with Enter is reported once more here.
  CheckNodeName(row);
}

void FormPri::CheckNodeName(int row) {
  LayoutGroup& group = Group();
  if (group.ActiveLayout == 0 || group.ActiveNode == 0) return;
  const int16_t point = RowItem(*Labelnn[row]);
  if (!IsPointInUse(point)) return;
  const PointNodeEntry entry = SetPointNode(group, world_.Structure, group.ActiveLayout, point,
                                            ToStdString(NodeName[row]->text()));
  if (entry.refusal) {
    ShowMessage(prompter_, *entry.refusal);
    // Puts the stored node's number back in the box.
    if (entry.showStoredNode) RefreshShownNodeRows();
    return;
  }
  RefreshShownNodeRows();
  // The active point's section, which need not be the one just changed.
  RedrawSectionView();
}

void FormPri::RefreshShownNodeRows() {
  if (!VScrollN->isHidden()) {
    const int first = VScrollN->value();
    RefreshTextN(static_cast<int16_t>(first), static_cast<int16_t>(first + kGridRows - 1));
  } else {
    RefreshTextN(1, ActiveNodeCount());
  }
}
