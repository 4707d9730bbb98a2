#include "editor/form_pri.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <initializer_list>

#include "app/startup.h"
#include "app/world.h"

namespace {

// The header boxes show whether the group can be edited by their background,
// not only by the greyed text.
void SetBoxBackground(QLineEdit& box, QPalette::ColorRole role) {
  QPalette palette = box.palette();
  const QColor colour = QPalette().color(QPalette::Active, role);
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, colour);
  }
  box.setPalette(palette);
}

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* control : controls) control->setEnabled(enabled);
}

template <typename... Controls>
void SetVisible(bool visible, Controls*... controls) {
  (controls->setVisible(visible), ...);
}

}  // namespace

FormPri::FormPri(World& world, Prompter& prompter, QWidget* parent)
    : QWidget(parent), world_(world), prompter_(prompter) {
  BuildControls();
  connect(ButtonClose, &QPushButton::clicked, this, &FormPri::ButtonClose_Click);

  // The grids open empty: no row and no scroll bar until there is something
  // to show.
  DisplayTextLayo(0);
  DisplayTextNode(0);
  ConfigureScrollBar(*VScrollT, 0, kGridRows);
  ConfigureScrollBar(*VScrollN, 0, kGridRows);
}

std::optional<Message> FormPri::Load(const std::string& argument) {
  // These act on the active layout, and there is none yet.
  SetEnabled({ButtonNewN, ButtonCopyN, ButtonRemoveN, Command1, Command2}, false);

  if (auto fault = RunStartup(world_, argument, prompter_)) return fault;

  ShowViewMode();
  LabelMembr->setText(QString::fromStdString(MemberCaption(world_.Job)));
  setWindowTitle(QString::fromStdString(WindowCaption(world_.Job)));
  FillCableTypeLists();
  RefreshTextNLayo();
  CheckNLayout();
  CheckEvLayo->setChecked(false);
  return std::nullopt;
}

void FormPri::FillCableTypeLists() {
  QStringList names;
  for (int k = 1; k <= world_.Sections.CableTypeCount; ++k) {
    names.append(QString::fromStdString(world_.Sections.CableTypeNames[k]));
  }
  for (int row = 1; row <= kGridRows; ++row) {
    CableName[row]->clear();
    CableName[row]->addItems(names);
    CableName[row]->setCurrentIndex(-1);
  }
}

void FormPri::RefreshTextNLayo() { LNLayout->setText(QString::number(world_.Group.LayoutCount)); }

void FormPri::CheckNLayout() {
  const bool any = world_.Group.LayoutCount > 0;
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
  ConfigureScrollBar(*VScrollT, world_.Group.LayoutCount, kGridRows);
}

void FormPri::DisplayTextLayo(int16_t n) {
  for (int row = 1; row <= kGridRows; ++row) {
    SetVisible(row <= n, LabelN[row], LayoAct[row], LayoName[row], CableName[row]);
  }
}

void FormPri::DisplayTextNode(int16_t n) {
  for (int row = 1; row <= kGridRows; ++row) {
    SetVisible(row <= n, Labelnn[row], NodeAct[row], NodeName[row], SectionName[row],
               TCoordSys[row], TCoordY[row], TCoordZ[row], TAngDisto[row]);
  }
}

void FormPri::ShowViewMode() {
  ButtonAction->setText(world_.ViewMode == kViewModeCableCoordinates
                            ? QStringLiteral("COORD. CAVI")
                            : QStringLiteral("SIST. RIFER."));
}

void FormPri::ConfigureScrollBar(QScrollBar& bar, int16_t count, int16_t visible) {
  if (count <= visible) {
    bar.hide();
    return;
  }
  bar.show();
  bar.setRange(1, count - visible + 1);
  bar.setPageStep(visible);
  bar.setSingleStep(1);
  // The grid jumps to its last rows.
  bar.setValue(bar.maximum());
}

void FormPri::ButtonClose_Click() {
  // Nothing is saved and nothing is asked: closing the only window ends the
  // program.
  close();
}
