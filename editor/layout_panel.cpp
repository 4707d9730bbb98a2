// The layout grid ("TRACCIATI"): its rows, scroll bar and commands, and the
// refresh sequence that brings both grids up to date after the last layout
// was made active.

#include "editor/layout_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
#include "editor/grid_rows.h"
#include "editor/grid_scroll.h"
#include "editor/node_panel.h"
#include "editor/toolkit_rules.h"
#include "layouts/group_entry.h"
#include "layouts/layout_operations.h"

LayoutPanel::LayoutPanel(LayoutGridControls& grid, NodePanel& nodes,
                         std::array<QLineEdit*, 2> headerBoxes, PanelHost host)
    : grid_(grid), nodes_(nodes), headerBoxes_(headerBoxes), host_(std::move(host)) {}

LayoutGroup& LayoutPanel::Group() { return host_.world.Group; }

bool LayoutPanel::IsLayoutInUse(int layout) { return ::IsLayoutInUse(Group(), layout); }

void LayoutPanel::RefreshLayoutPanels() {
  LayoutGroup& group = Group();
  CheckNLayout();
  nodes_.CheckNNode();
  DisplayTextLayo(MinOf<int16_t>(group.LayoutCount, kGridRows));
  RefreshTextL(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  // Read after the layout rows: selecting the active row may have changed
  // what the node grid shows.
  const int16_t n = ::ActiveNodeCount(group);
  nodes_.DisplayTextNode(MinOf<int16_t>(n, kGridRows));
  nodes_.RefreshTextN(FirstItemShown(n), n);
  SetLayoAct(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  RefreshTextNLayo();
  nodes_.RefreshTextNNode();
}

void LayoutPanel::ShowRowsFrom(int layoutsFirst, int nodesFirst, bool toActive) {
  LayoutGroup& group = Group();
  const int16_t node = group.ActiveNode;
  const int16_t first =
      FirstItemShowing(toActive ? group.ActiveLayout : 0, group.LayoutCount, layoutsFirst);
  {
    const QSignalBlocker quiet(grid_.VScrollT);
    grid_.VScrollT->setValue(first);
  }
  // Marking the active row may raise its click, which shows the node grid
  // from its end: the point is put back and shown after.
  RefreshTextL(first, static_cast<int16_t>(first + kGridRows - 1));
  group.ActiveNode = node;
  nodes_.ShowNodeRowsFrom(nodesFirst, toActive);
}

void LayoutPanel::RefreshTextL(int16_t first, int16_t last) {
  const LayoutGroup& group = Group();
  // Rows show layouts in use only, even when the active index was left
  // beyond the count by a removal.
  first = MaxOf<int16_t>(first, 1);
  last = MinOf<int16_t>(last, group.LayoutCount);
  int row = 1;
  for (int k = first; k <= last && row <= kGridRows; ++k, ++row) {
    const Layout& layout = group.Layouts[k];
    grid_.LabelN[row]->setText(QString::number(k));
    grid_.LayoName[row]->setText(QString::number(layout.Name));
    grid_.CableName[row]->setCurrentIndex(CableListIndex(host_.world.Sections, layout.CableType));
  }
  const int filled = row - 1;
  const int activeRow = group.ActiveLayout - first + 1;
  if (activeRow >= 1 && activeRow <= filled) {
    SelectOption(*grid_.LayoAct[activeRow]);
  } else {
    ClearOptions(*grid_.LayoActGroup);
  }
}

void LayoutPanel::SetLayoAct(int16_t first, int16_t active) {
  const int row = active - first + 1;
  if (row >= 1 && row <= kGridRows) SelectOption(*grid_.LayoAct[row]);
}

void LayoutPanel::CheckNLayout() {
  const bool any = Group().LayoutCount > 0;
  // "Nuovo" of the layout grid is never disabled: it makes the first layout.
  const NodeGridControls& nodeGrid = nodes_.Controls();
  SetEnabled({nodeGrid.ButtonNewN, nodeGrid.ButtonCopyN, nodeGrid.ButtonRemoveN, grid_.ButtonCopyT,
              grid_.ButtonRemove, grid_.DrawLayo, nodeGrid.Command1, nodeGrid.Command2},
             any);
  for (QLineEdit* box : headerBoxes_) {
    // Only the boxes are emptied; the group keeps its description and
    // condition.
    if (!any) box->clear();
    SetBoxBackground(*box, any ? QPalette::Base : QPalette::Highlight);
    box->setEnabled(any);
  }
  ConfigureScrollBar(*grid_.VScrollT, Group().LayoutCount, kGridRows);
}

void LayoutPanel::RefreshTextNLayo() {
  grid_.LNLayout->setText(QString::number(Group().LayoutCount));
}

void LayoutPanel::DisplayTextLayo(int16_t n) {
  for (int row = 1; row <= kGridRows; ++row) {
    SetVisible(row <= n, grid_.LabelN[row], grid_.LayoAct[row], grid_.LayoName[row],
               grid_.CableName[row]);
  }
}

void LayoutPanel::ButtonNewT_Click() {
  LayoutGroup& group = Group();
  if (auto refusal = SetNewTrac(group, host_.world.Structure, group.LayoutCount + 1)) {
    ShowMessage(host_.prompter, *refusal);
  }
  // Refused or not, the last layout becomes the active one.
  group.ActiveLayout = group.LayoutCount;
  if (group.LayoutCount > 0) RefreshLayoutPanels();
}

void LayoutPanel::ButtonCopyT_Click() {
  LayoutGroup& group = Group();
  const int16_t source = group.ActiveLayout;
  const bool sourceInUse = IsLayoutInUse(source);
  if (auto refusal = SetNewTrac(group, host_.world.Structure, group.LayoutCount + 1)) {
    ShowMessage(host_.prompter, *refusal);
    return;
  }
  // The name comes along: the copy is told apart by its place.
  if (sourceInUse) CopyLayout(group, source, group.LayoutCount);
  group.ActiveLayout = group.LayoutCount;
  RefreshLayoutPanels();
}

void LayoutPanel::ButtonRemove_Click() {
  if (ShowMessage(host_.prompter, CatalogueText(kMsgRemoveAll) + "tracciati ?", kStyleYesNo,
                  kCaptionWarning) != kAnswerYes) {
    return;
  }
  RemoveAllLayouts(Group());
  ShowNoLayouts();
}

void LayoutPanel::ShowNoLayouts() {
  const LayoutGroup& group = Group();
  CheckNLayout();
  nodes_.CheckNNode();
  DisplayTextLayo(0);
  RefreshTextL(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  nodes_.DisplayTextNode(0);
  nodes_.RefreshTextN(1, 0);
  RefreshTextNLayo();
  // The node count must not stay behind at the last layout's.
  nodes_.RefreshTextNNode();
}

void LayoutPanel::LabelN_DblClick(int row) {
  LayoutGroup& group = Group();
  const int16_t removed = RowItem(*grid_.LabelN[row]);
  if (!IsLayoutInUse(removed)) return;
  RemoveLayout(group, removed);
  group.ActiveLayout = group.LayoutCount;

  const unsigned selectionsBefore = layoutSelections_;
  CheckNLayout();
  DisplayTextLayo(MinOf<int16_t>(group.LayoutCount, kGridRows));
  RefreshTextL(FirstItemShown(group.ActiveLayout), group.ActiveLayout);
  RefreshTextNLayo();
  if (group.LayoutCount == 0) {
    nodes_.ShowNoNodes();
    return;
  }
  // When the active row stayed where it was no selection was raised, yet
  // the layout under it has changed.
  if (layoutSelections_ == selectionsBefore) nodes_.ShowActiveLayoutNodes();
}

void LayoutPanel::LayoAct_Click(int row) {
  ++layoutSelections_;
  const int16_t layout = RowItem(*grid_.LabelN[row]);
  if (!IsLayoutInUse(layout)) return;
  Group().ActiveLayout = layout;
  nodes_.ShowActiveLayoutNodes();
}

void LayoutPanel::LayoName_GotFocus(int row) { grid_.LayoName[row]->selectAll(); }

void LayoutPanel::LayoName_KeyDown(int row, int keyCode) {
  MoveInGrid(grid_.LayoName, row, keyCode, Group().LayoutCount, *grid_.VScrollT);
}

void LayoutPanel::LayoName_LostFocus(int row) {
  LayoutGroup& group = Group();
  const int16_t layout = RowItem(*grid_.LabelN[row]);
  if (!IsLayoutInUse(layout)) return;
  if (auto refusal = RenameLayout(group, layout, ToStdString(grid_.LayoName[row]->text()))) {
    ShowMessage(host_.prompter, *refusal);
    grid_.LayoName[row]->setText(QString::number(group.Layouts[layout].Name));
  }
}

void LayoutPanel::CableName_Click(int row) {
  const int16_t layout = RowItem(*grid_.LabelN[row]);
  const int position = grid_.CableName[row]->currentIndex();
  if (!IsLayoutInUse(layout) || position < 0) return;
  Group().Layouts[layout].CableType = static_cast<int16_t>(position + 1);
}

void LayoutPanel::CableName_KeyDown(int row, int keyCode) {
  MoveInGrid(grid_.CableName, row, keyCode, Group().LayoutCount, *grid_.VScrollT);
}

void LayoutPanel::VScrollT_Change() {
  const int first = grid_.VScrollT->value();
  RefreshTextL(static_cast<int16_t>(first), static_cast<int16_t>(first + kGridRows - 1));
}
