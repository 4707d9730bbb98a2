#include "editor/form_pri.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/startup.h"
#include "app/world.h"
#include "editor/control_state.h"
#include "editor/grid_scroll.h"
#include "editor/group_history.h"
#include "editor/group_recorder.h"
#include "editor/layout_panel.h"
#include "editor/node_panel.h"
#include "editor/pointer_rules.h"
#include "editor/toolkit_rules.h"
#include "section_view/section_view_controller_ui.h"
#include "platform/task_control.h"

FormPri::FormPri(World& world, Prompter& prompter, QWidget* parent)
    : QWidget(parent), world_(world), messages_(prompter), prompter_(messages_) {
  BuildControls();
  const PanelHost host{world_, prompter_, [this] { RedrawSectionView(); }};
  nodePanel_ = std::make_unique<NodePanel>(*this, *DrawLayo, host);
  layoutPanel_ = std::make_unique<LayoutPanel>(*this, *nodePanel_, std::array{NCnd, Description}, host);
  ConnectHandlers();
  WatchRowEvents();
  ConnectViewButtons();
  ConnectDrawingButtons();
  WatchHelpLine();
  ConnectVerifyWindow();
  WatchGroupSteps();

  // The grids open empty: no row and no scroll bar until there is something
  // to show.
  layoutPanel_->DisplayTextLayo(0);
  nodePanel_->DisplayTextNode(0);
  ConfigureScrollBar(*VScrollT, 0, kGridRows);
  ConfigureScrollBar(*VScrollN, 0, kGridRows);
}

void FormPri::ConnectHandlers() {
  connect(ButtonNewT, &QPushButton::clicked, this, [this] { layoutPanel_->ButtonNewT_Click(); });
  connect(ButtonCopyT, &QPushButton::clicked, this, [this] { layoutPanel_->ButtonCopyT_Click(); });
  connect(ButtonRemove, &QPushButton::clicked, this, [this] { layoutPanel_->ButtonRemove_Click(); });
  connect(ButtonNewN, &QPushButton::clicked, this, [this] { nodePanel_->ButtonNewN_Click(); });
  connect(ButtonCopyN, &QPushButton::clicked, this, [this] { nodePanel_->ButtonCopyN_Click(); });
  connect(ButtonRemoveN, &QPushButton::clicked, this, [this] { nodePanel_->ButtonRemoveN_Click(); });
  connect(ButtonOpen, &QPushButton::clicked, this, &FormPri::ButtonOpen_Click);
  connect(ButtonSave, &QPushButton::clicked, this, &FormPri::ButtonSave_Click);
  connect(ButtonClose, &QPushButton::clicked, this, &FormPri::ButtonClose_Click);
  // A change of the box from code counts as the user's: the view must follow
  // the box whoever ticked it.
  connect(CheckEvLayo, &QCheckBox::toggled, this, &FormPri::CheckEvLayo_Click);
  // Code and user alike move the bars; toolkit_rules.h keeps that to one
  // change per move.
  connect(VScrollT, &QScrollBar::valueChanged, this, [this] { layoutPanel_->VScrollT_Change(); });
  connect(VScrollN, &QScrollBar::valueChanged, this, [this] { nodePanel_->VScrollN_Change(); });
  // A click on a bar leaves the field first, so its value is stored before
  // the rows move; the grids' fields and boxes follow the mouse rules.
  for (QScrollBar* bar : {VScrollT, VScrollN}) {
    FocusBeforeScrolling(*bar, [this] { return leaveShowedMessage_; });
  }
  for (int row = 1; row <= kGridRows; ++row) {
    WheelOnlyWhenFocused(*CableName[row]);
    for (QLineEdit* field : {LayoName[row], NodeName[row], TCoordY[row], TCoordZ[row], TAngDisto[row]}) {
      SelectAllOnClickFocus(*field);
    }
  }
  for (int row = 1; row <= kGridRows; ++row) {
    // `clicked` comes from the user, or from SelectOption for code.
    connect(LayoAct[row], &QRadioButton::clicked, this, [this, row] { layoutPanel_->LayoAct_Click(row); });
    connect(NodeAct[row], &QRadioButton::clicked, this, [this, row] { nodePanel_->NodeAct_Click(row); });
    // Only the user's choice: the grid sets the lists itself when it fills
    // the rows, and that must not write the cable type back.
    connect(CableName[row], &QComboBox::activated, this, [this, row] { layoutPanel_->CableName_Click(row); });
  }
}

std::optional<Message> FormPri::Load(const std::string& argument) {
  // These act on the active layout, and there is none yet.
  SetEnabled({ButtonNewN, ButtonCopyN, ButtonRemoveN, Command1, Command2}, false);

  if (auto fault = RunStartup(world_, argument, prompter_)) return fault;

  ShowViewMode();
  LabelMembr->setText(ToQString(MemberCaption(world_.Job)));
  setWindowTitle(ToQString(WindowCaption(world_.Job)));
  FillCableTypeLists();
  layoutPanel_->RefreshTextNLayo();
  layoutPanel_->CheckNLayout();
  CheckEvLayo->setChecked(false);
  // What start-up left in the group is where the history begins.
  RecordGroupChange();
  History().Stack().clear();
  return std::nullopt;
}

void FormPri::FillCableTypeLists() {
  QStringList names;
  for (int k = 1; k <= world_.Sections.CableTypeCount; ++k) {
    names.append(ToQString(world_.Sections.CableTypeNames[k]));
  }
  for (int row = 1; row <= kGridRows; ++row) {
    CableName[row]->clear();
    CableName[row]->addItems(names);
    CableName[row]->setCurrentIndex(-1);
  }
}

void FormPri::ShowViewMode() { SectionView->ShowViewMode(); }

void FormPri::RefreshLayoutPanels() { layoutPanel_->RefreshLayoutPanels(); }

void FormPri::CheckNLayout() { layoutPanel_->CheckNLayout(); }

void FormPri::RefreshTextN(int16_t first, int16_t last) { nodePanel_->RefreshTextN(first, last); }

void FormPri::RedrawSectionView() {
  // Only for an active point (both indices non-zero); indices left behind by
  // a removal name no point, and nothing is drawn for them either.
  const LayoutGroup& group = world_.Group;
  if (!IsLayoutInUse(group, group.ActiveLayout) || !IsPointInUse(group, group.ActiveNode)) return;
  DrawActiveSection();
}

void FormPri::DrawActiveSection() { SectionView->Redraw(); }

LayoutGroup& FormPri::Group() { return world_.Group; }

void FormPri::CheckEvLayo_Click() {
  Group().ShowAllLayouts = CheckEvLayo->isChecked() ? 0 : 1;
  RedrawSectionView();
}

void FormPri::ButtonClose_Click() {
  // Nothing is saved and nothing is asked: closing the only window ends the
  // program.
  close();
}
