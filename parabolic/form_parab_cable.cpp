#include "parabolic/form_parab_cable.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/show_message.h"
#include "app/world.h"
#include "common/text.h"
#include "parabolic/parabolic_profile.h"
#include "platform/decimal_separator.h"

namespace {

QLineEdit* MakeField(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  const QFontMetrics metrics = box->fontMetrics();
  box->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("-00000.00")) +
                       2 * metrics.averageCharWidth());
  return box;
}

// Enter in a box belongs to the box (it confirms Z), never to a button.
QPushButton* MakeButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

FormParabCable::FormParabCable(World& world, Prompter& prompter, QWidget* parent)
    : QDialog(parent), world_(world), prompter_(prompter) {
  LayOutControls();
  connect(CreaButt, &QPushButton::clicked, this, &FormParabCable::CreaButt_Click);
  connect(AnnullaButt, &QPushButton::clicked, this, &FormParabCable::AnnullaButt_Click);
  TCoordZ[0]->installEventFilter(this);
}

void FormParabCable::LayOutControls() {
  setWindowTitle(QStringLiteral("Crea cavo parabolico"));
  setModal(true);

  Frame1 = new QGroupBox(this);
  Label[0] = new QLabel(QStringLiteral("Nodo iniziale"), Frame1);
  Label[3] = new QLabel(QStringLiteral("Nodo intermedio"), Frame1);
  Label[4] = new QLabel(QStringLiteral("Nodo finale"), Frame1);
  Label[1] = new QLabel(QStringLiteral("Coord. Y"), Frame1);
  Label[2] = new QLabel(QStringLiteral("Coord. Z"), Frame1);
  Label[5] = new QLabel(QStringLiteral("(Coordinate rispetto al baricentro)"), Frame1);
  for (int k = 0; k < 3; ++k) {
    NodeName[k] = MakeField(Frame1);
    TCoordY[k] = MakeField(Frame1);
  }
  TCoordZ[0] = MakeField(Frame1);
  for (int k = 1; k < 3; ++k) {
    LabelZ[k] = new QLabel(Frame1);
    LabelZ[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LabelZ[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

  enum Column { kCaption, kNode, kY, kZ };
  auto* grid = new QGridLayout(Frame1);
  grid->addWidget(Label[1], 0, kY, Qt::AlignBottom);
  grid->addWidget(Label[2], 0, kZ, Qt::AlignBottom);
  const std::array<QLabel*, 3> rowCaptions = {Label[0], Label[3], Label[4]};
  for (int k = 0; k < 3; ++k) {
    grid->addWidget(rowCaptions[k], k + 1, kCaption);
    grid->addWidget(NodeName[k], k + 1, kNode);
    grid->addWidget(TCoordY[k], k + 1, kY);
    rowCaptions[k]->setBuddy(NodeName[k]);
  }
  grid->addWidget(TCoordZ[0], 1, kZ);
  grid->addWidget(LabelZ[1], 2, kZ);
  grid->addWidget(LabelZ[2], 3, kZ);
  grid->addWidget(Label[5], 4, kY, 1, 2, Qt::AlignHCenter);

  AnnullaButt = MakeButton(QStringLiteral("Annulla"), this);
  CreaButt = MakeButton(QStringLiteral("Crea"), this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(AnnullaButt);
  buttons->addWidget(CreaButt);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(NodeName[0], TCoordY[0]);
  setTabOrder(TCoordY[0], TCoordZ[0]);
  setTabOrder(TCoordZ[0], NodeName[1]);
  setTabOrder(NodeName[1], TCoordY[1]);
  setTabOrder(TCoordY[1], NodeName[2]);
  setTabOrder(NodeName[2], TCoordY[2]);
  setTabOrder(TCoordY[2], CreaButt);
  setTabOrder(CreaButt, AnnullaButt);
}

bool FormParabCable::ShowParabolicDialog() {
  world_.LastOperationOk = 0;
  exec();
  return world_.LastOperationOk == 1;
}

void FormParabCable::CreaButt_Click() {
  world_.LastOperationOk = 0;
  // A refusal leaves the dialog open with what was typed, to be corrected.
  if (auto fault = LeggiPannello(PanelTexts(), DecimalSeparator(), state_)) {
    ShowMessage(prompter_, *fault);
    return;
  }
  if (auto fault = CreaFunzione(world_.Group, world_.Structure, state_)) {
    ShowMessage(prompter_, *fault);
    return;
  }
  world_.LastOperationOk = 1;
  accept();
}

void FormParabCable::AnnullaButt_Click() { reject(); }

void FormParabCable::reject() {
  world_.LastOperationOk = 0;
  QDialog::reject();
}

void FormParabCable::TCoordZ_KeyPress(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) CopyZToLabels();
}

void FormParabCable::TCoordZ_LostFocus() { CopyZToLabels(); }

void FormParabCable::closeEvent(QCloseEvent* event) {
  // Only the title bar gets here: hiding from the buttons sends no close.
  if (isVisible()) Unload();
  QDialog::closeEvent(event);  // rejects: nothing created
}

bool FormParabCable::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TCoordZ[0]) {
    if (event->type() == QEvent::KeyPress) {
      TCoordZ_KeyPress(static_cast<QKeyEvent*>(event)->key());
    } else if (event->type() == QEvent::FocusOut) {
      TCoordZ_LostFocus();
    }
  }
  return QDialog::eventFilter(watched, event);
}

ParabolicPanelTexts FormParabCable::PanelTexts() const {
  ParabolicPanelTexts texts;
  for (std::size_t k = 0; k < 3; ++k) {
    texts.NodeName[k] = NodeName[k]->text().toStdString();
    texts.CoordY[k] = TCoordY[k]->text().toStdString();
  }
  texts.CoordZ = TCoordZ[0]->text().toStdString();
  return texts;
}

void FormParabCable::CopyZToLabels() {
  const QString z = QString::fromStdString(Trim(TCoordZ[0]->text().toStdString()));
  LabelZ[1]->setText(z);
  LabelZ[2]->setText(z);
}

void FormParabCable::Unload() {
  for (QLineEdit* box : {NodeName[0], NodeName[1], NodeName[2], TCoordY[0], TCoordY[1],
                         TCoordY[2], TCoordZ[0]}) {
    box->clear();
  }
  LabelZ[1]->clear();
  LabelZ[2]->clear();
  state_ = {};
}
