// The layout grid ("TRACCIATI"): its rows, scroll bar and commands, and the
// refresh sequence that brings both grids up to date after the last layout
// was made active.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

void FormPri::RefreshLayoutPanels() {
  LayoutGroup& group = Group();
  CheckNLayout();
  CheckNNode();
  DisplayTextLayo(MinOf<int16_t>(group.LayoutCount, kGridRows));
  RefreshTextL(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  // Read after the layout rows: selecting the active row may have changed
  // what the node grid shows.
  const int16_t n = ActiveNodeCount();
  DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  RefreshTextN(FirstItemShown(n), n);
  SetLayoAct(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  RefreshTextNLayo();
  RefreshTextNNode();
}

void FormPri::RefreshTextL(int16_t first, int16_t last) {
  const LayoutGroup& group = Group();
  // Rows show layouts in use only, even when the active index was left
  // beyond the count by a removal.
  first = MaxOf<int16_t>(first, 1);
  last = MinOf<int16_t>(last, group.LayoutCount);
  int row = 1;
  for (int k = first; k <= last && row <= kGridRows; ++k, ++row) {
    const Layout& layout = group.Layouts[k];
    LabelN[row]->setText(QString::number(k));
    LayoName[row]->setText(QString::number(layout.Name));
    CableName[row]->setCurrentIndex(CableListIndex(world_.Sections, layout.CableType));
  }
  const int filled = row - 1;
  const int activeRow = group.ActiveLayout - first + 1;
  if (activeRow >= 1 && activeRow <= filled) {
    SelectOption(*LayoAct[activeRow]);
  } else {
    ClearOptions(*layoActGroup_);
  }
}

void FormPri::SetLayoAct(int16_t first, int16_t active) {
  const int row = active - first + 1;
  if (row >= 1 && row <= kGridRows) SelectOption(*LayoAct[row]);
}

void FormPri::CheckNLayout() {
  const bool any = Group().LayoutCount > 0;
  // "Nuovo" of the layout grid is never disabled: it makes the first layout.
  SetEnabled({ButtonNewN, ButtonCopyN, ButtonRemoveN, ButtonCopyT, ButtonRemove, DrawLayo, Command1,
              Command2},
             any);
  for (QLineEdit* box : {NCnd, Description}) {
    // Only the boxes are emptied; the group keeps its description and
    // condition.
    if (!any) box->clear();
    SetBoxBackground(*box, any ? QPalette::Base : QPalette::Highlight);
    box->setEnabled(any);
  }
  ConfigureScrollBar(*VScrollT, Group().LayoutCount, kGridRows);
}

void FormPri::RefreshTextNLayo() { LNLayout->setText(QString::number(Group().LayoutCount)); }

void FormPri::DisplayTextLayo(int16_t n) {
  for (int row = 1; row <= kGridRows; ++row) {
    SetVisible(row <= n, LabelN[row], LayoAct[row], LayoName[row], CableName[row]);
  }
}

void FormPri::ButtonNewT_Click() {
  LayoutGroup& group = Group();
  if (auto refusal = SetNewTrac(group, world_.Structure, group.LayoutCount + 1)) {
    ShowMessage(prompter_, *refusal);
  }
  // Refused or not, the last layout becomes the active one.
  group.ActiveLayout = group.LayoutCount;
  if (group.LayoutCount > 0) RefreshLayoutPanels();
}

void FormPri::ButtonCopyT_Click() {
  LayoutGroup& group = Group();
  const int16_t source = group.ActiveLayout;
  const bool sourceInUse = IsLayoutInUse(source);
  if (auto refusal = SetNewTrac(group, world_.Structure, group.LayoutCount + 1)) {
    ShowMessage(prompter_, *refusal);
    return;
  }
  // The name comes along: the copy is told apart by its place.
  if (sourceInUse) CopyLayout(group, source, group.LayoutCount);
  group.ActiveLayout = group.LayoutCount;
  RefreshLayoutPanels();
}

void FormPri::ButtonRemove_Click() {
  if (ShowMessage(prompter_, CatalogueText(kMsgRemoveAll) + "tracciati ?", kStyleYesNo,
                  kCaptionWarning) != kAnswerYes) {
    return;
  }
  RemoveAllLayouts(Group());
  ShowNoLayouts();
}

void FormPri::ShowNoLayouts() {
  const LayoutGroup& group = Group();
  CheckNLayout();
  CheckNNode();
  DisplayTextLayo(0);
  RefreshTextL(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  DisplayTextNode(0);
  RefreshTextN(1, 0);
  RefreshTextNLayo();
  // The node count must not stay behind at the last layout's.
  RefreshTextNNode();
}

void FormPri::LabelN_DblClick(int row) {
  LayoutGroup& group = Group();
  const int16_t removed = RowItem(*LabelN[row]);
  if (!IsLayoutInUse(removed)) return;
  RemoveLayout(group, removed);
  group.ActiveLayout = group.LayoutCount;

  const unsigned selectionsBefore = layoutSelections_;
  CheckNLayout();
  DisplayTextLayo(MinOf<int16_t>(group.LayoutCount, kGridRows));
  RefreshTextL(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  RefreshTextNLayo();
  if (group.LayoutCount == 0) {
    DisplayTextNode(0);
    ConfigureScrollBar(*VScrollN, 0, kGridRows);
    RefreshTextNNode();
    return;
  }
  // When the active row stayed where it was no selection was raised, yet
  // the layout under it has changed.
  if (layoutSelections_ == selectionsBefore) ShowActiveLayoutNodes();
}

void FormPri::LayoAct_Click(int row) {
  ++layoutSelections_;
  const int16_t layout = RowItem(*LabelN[row]);
  if (!IsLayoutInUse(layout)) return;
  Group().ActiveLayout = layout;
  ShowActiveLayoutNodes();
}

void FormPri::ShowActiveLayoutNodes() {
  LayoutGroup& group = Group();
  const int16_t n = ActiveNodeCount();
  if (group.ActiveNode > n) group.ActiveNode = n;
  DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  RefreshTextN(FirstItemShown(n), n);
  RefreshTextNNode();
  ConfigureScrollBar(*VScrollN, n, kGridRows);
  if (group.ActiveNode != 0) RedrawSectionView();
}

void FormPri::LayoName_GotFocus(int row) { LayoName[row]->selectAll(); }

void FormPri::LayoName_KeyDown(int row, int keyCode) {
  MoveInGrid(LayoName, row, keyCode, Group().LayoutCount, *VScrollT);
}

void FormPri::LayoName_LostFocus(int row) {
  LayoutGroup& group = Group();
  const int16_t layout = RowItem(*LabelN[row]);
  if (!IsLayoutInUse(layout)) return;
  if (auto refusal = RenameLayout(group, layout, ToStdString(LayoName[row]->text()))) {
    ShowMessage(prompter_, *refusal);
    LayoName[row]->setText(QString::number(group.Layouts[layout].Name));
  }
}

void FormPri::CableName_Click(int row) {
  const int16_t layout = RowItem(*LabelN[row]);
  const int position = CableName[row]->currentIndex();
  if (!IsLayoutInUse(layout) || position < 0) return;
  Group().Layouts[layout].CableType = static_cast<int16_t>(position + 1);
}

void FormPri::CableName_KeyDown(int row, int keyCode) {
  MoveInGrid(CableName, row, keyCode, Group().LayoutCount, *VScrollT);
}

void FormPri::VScrollT_Change() {
  const int first = VScrollT->value();
  RefreshTextL(static_cast<int16_t>(first), static_cast<int16_t>(first + kGridRows - 1));
}

void FormPri::CheckEvLayo_Click() {
  Group().ShowAllLayouts = CheckEvLayo->isChecked() ? 0 : 1;
  RedrawSectionView();
}
