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
#include "common/val.h"
#include "editor/control_state.h"
#include "editor/toolkit_rules.h"
#include "section_view/section_view_controller_ui.h"
#include "common/number_text.h"
#include "platform/task_control.h"

FormPri::FormPri(World& world, Prompter& prompter, QWidget* parent)
    : QWidget(parent), world_(world), prompter_(prompter) {
  BuildControls();
  ConnectHandlers();
  WatchRowEvents();
  ConnectViewButtons();
  ConnectDrawingButtons();
  WatchHelpLine();

  // The grids open empty: no row and no scroll bar until there is something
  // to show.
  DisplayTextLayo(0);
  DisplayTextNode(0);
  ConfigureScrollBar(*VScrollT, 0, kGridRows);
  ConfigureScrollBar(*VScrollN, 0, kGridRows);
}

void FormPri::ConnectHandlers() {
  connect(ButtonNewT, &QPushButton::clicked, this, &FormPri::ButtonNewT_Click);
  connect(ButtonCopyT, &QPushButton::clicked, this, &FormPri::ButtonCopyT_Click);
  connect(ButtonRemove, &QPushButton::clicked, this, &FormPri::ButtonRemove_Click);
  connect(ButtonNewN, &QPushButton::clicked, this, &FormPri::ButtonNewN_Click);
  connect(ButtonCopyN, &QPushButton::clicked, this, &FormPri::ButtonCopyN_Click);
  connect(ButtonRemoveN, &QPushButton::clicked, this, &FormPri::ButtonRemoveN_Click);
  connect(ButtonOpen, &QPushButton::clicked, this, &FormPri::ButtonOpen_Click);
  connect(ButtonSave, &QPushButton::clicked, this, &FormPri::ButtonSave_Click);
  connect(ButtonClose, &QPushButton::clicked, this, &FormPri::ButtonClose_Click);
  // A change of the box from code counts as the user's: the view must follow
  // the box whoever ticked it.
  connect(CheckEvLayo, &QCheckBox::toggled, this, &FormPri::CheckEvLayo_Click);
  // Code and user alike move the bars; toolkit_rules.h keeps that to one
  // change per move.
  connect(VScrollT, &QScrollBar::valueChanged, this, &FormPri::VScrollT_Change);
  connect(VScrollN, &QScrollBar::valueChanged, this, &FormPri::VScrollN_Change);
  for (int row = 1; row <= kGridRows; ++row) {
    // `clicked` comes from the user, or from SelectOption for code.
    connect(LayoAct[row], &QRadioButton::clicked, this, [this, row] { LayoAct_Click(row); });
    connect(NodeAct[row], &QRadioButton::clicked, this, [this, row] { NodeAct_Click(row); });
    // Only the user's choice: the grid sets the lists itself when it fills
    // the rows, and that must not write the cable type back.
    connect(CableName[row], &QComboBox::activated, this, [this, row] { CableName_Click(row); });
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
  RefreshTextNLayo();
  CheckNLayout();
  CheckEvLayo->setChecked(false);
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

void FormPri::ConfigureScrollBar(QScrollBar& bar, int16_t count, int16_t visible) {
  if (count <= visible) {
    bar.hide();
    return;
  }
  bar.show();
  // The grid jumps to its last rows.
  const int last = count - visible + 1;
  ConfigureScrollRange(bar, {1, last, visible, 1, last});
}

void FormPri::RedrawSectionView() {
  // Only for an active point (both indices non-zero); indices left behind by
  // a removal name no point, and nothing is drawn for them either.
  const LayoutGroup& group = world_.Group;
  if (!IsLayoutInUse(group.ActiveLayout) || !IsPointInUse(group.ActiveNode)) return;
  DrawActiveSection();
}

void FormPri::DrawActiveSection() { SectionView->Redraw(); }

LayoutGroup& FormPri::Group() { return world_.Group; }

bool FormPri::IsLayoutInUse(int layout) const {
  return layout >= 1 && layout <= world_.Group.LayoutCount;
}

int16_t FormPri::ActiveNodeCount() const {
  const LayoutGroup& group = world_.Group;
  return IsLayoutInUse(group.ActiveLayout) ? group.Layouts[group.ActiveLayout].NodeCount
                                           : int16_t{0};
}

bool FormPri::IsPointInUse(int point) const { return point >= 1 && point <= ActiveNodeCount(); }

int16_t FormPri::RowItem(const QLabel& ordinal) {
  return NearestInt16(Val(ToStdString(ordinal.text()))).value_or(0);
}

void FormPri::ButtonClose_Click() {
  // Nothing is saved and nothing is asked: closing the only window ends the
  // program.
  close();
}
