// Builds the controls of the main window and arranges them with layouts, so
// that the window keeps its shape at any size and display scaling.

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "editor/form_pri.h"

#include "editor/cable_type_box.h"
#include "editor/window_font.h"
#include "section_view/picture_box_ui.h"

namespace {

constexpr int kHelpLineInterval = 500;  // ms between help-line updates
constexpr QSize kInitialSize(1100, 720);
constexpr QSize kMinimumViewSize(320, 240);

// Room for `chars` digits in a box, with its frame and margins.
int FieldWidth(const QWidget& box, int chars) {
  const QFontMetrics metrics = box.fontMetrics();
  return metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) +
         2 * metrics.averageCharWidth() + 8;
}

// A grid column as wide as its heading or its content, whichever is wider;
// every row's control fills it.
template <typename Control>
void FitColumn(const QLabel* heading, const RowArray<Control>& cells, int chars) {
  const int width = std::max(heading->sizeHint().width(), FieldWidth(*cells[1], chars));
  for (int row = 1; row <= kGridRows; ++row) cells[row]->setFixedWidth(width);
}

// Rows come and go with the group; they keep their place in the grid so that
// the rest of the window does not move.
void KeepPlaceWhenHidden(QWidget* control) {
  QSizePolicy policy = control->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  control->setSizePolicy(policy);
}

QLabel* MakeHeading(const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  return label;
}

// A cell that the program fills and the user only reads.
QLabel* MakeCell(QWidget* parent, int chars, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* cell = new QLabel(parent);
  cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  cell->setAlignment(alignment | Qt::AlignVCenter);
  cell->setMinimumWidth(FieldWidth(*cell, chars));
  return cell;
}

// The ordinal at the start of a grid row ("nn" until the row shows an item).
QLabel* MakeOrdinal(QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("nn"), parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setFixedWidth(FieldWidth(*label, 2));
  return label;
}

QPushButton* MakeButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  return button;
}

QFrame* MakeLine(QFrame::Shape shape, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(shape);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  return line;
}

// The count under a grid: a caption followed by the number.
QHBoxLayout* CountRow(QLabel* caption, QLabel* count) {
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  row->addWidget(caption);
  row->addWidget(count);
  return row;
}

// The count and the grid's commands, under the grid.
QHBoxLayout* CommandRow(QLabel* caption, QLabel* count,
                        std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addLayout(CountRow(caption, count));
  row->addStretch(1);
  for (QPushButton* button : buttons) row->addWidget(button);
  return row;
}

QGridLayout* MakeGrid() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  return grid;
}

}  // namespace

void FormPri::BuildControls() {
  setFont(WindowFont(QApplication::font(), QFontDatabase::families()));

  Timer1 = new QTimer(this);
  Timer1->setInterval(kHelpLineInterval);

  auto* grids = new QVBoxLayout;
  grids->addWidget(BuildLayoutFrame());
  grids->addWidget(BuildNodeFrame());
  grids->addStretch(1);

  auto* body = new QHBoxLayout;
  body->addLayout(grids, 0);
  body->addLayout(BuildViewArea(), 1);

  LabMsg = new QLabel(this);
  LabMsg->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  LabMsg->setMinimumHeight(LabMsg->fontMetrics().height() + 6);
  KeepPlaceWhenHidden(LabMsg);
  LabMsg->hide();

  auto* window = new QVBoxLayout(this);
  window->addWidget(BuildHeaderFrame());
  window->addLayout(body, 1);
  window->addLayout(BuildButtonBar());
  window->addWidget(LabMsg);

  SetTabOrder();
  setMinimumSize(window->minimumSize());
  resize(kInitialSize.expandedTo(minimumSize()));
}

QGroupBox* FormPri::BuildHeaderFrame() {
  Frame3 = new QGroupBox(this);

  LabelMembr = new QLabel(QStringLiteral("Membratura"), Frame3);
  QFont strong = LabelMembr->font();
  strong.setBold(true);
  LabelMembr->setFont(strong);

  Label2[3] = new QLabel(QStringLiteral("Descrizione del gruppo di tracciati:"), Frame3);
  Description = new QLineEdit(Frame3);
  // The group keeps 20 characters of it; a little more room reads better.
  Description->setMinimumWidth(FieldWidth(*Description, 20));
  Description->setMaximumWidth(FieldWidth(*Description, 32));
  Label2[3]->setBuddy(Description);

  Label2[2] = new QLabel(QStringLiteral(" Numero della condizione da caricare:  "), Frame3);
  NCnd = new QLineEdit(Frame3);
  NCnd->setFixedWidth(FieldWidth(*NCnd, 4));
  Label2[2]->setBuddy(NCnd);

  const int gap = 2 * fontMetrics().averageCharWidth();
  auto* row = new QHBoxLayout(Frame3);
  row->addWidget(LabelMembr);
  row->addSpacing(gap);
  row->addStretch(1);
  row->addWidget(Label2[3]);
  row->addWidget(Description, 1);
  row->addSpacing(gap);
  row->addWidget(Label2[2]);
  row->addWidget(NCnd);
  return Frame3;
}

QGroupBox* FormPri::BuildLayoutFrame() {
  Frame2 = new QGroupBox(QStringLiteral("TRACCIATI"), this);

  enum Column { kOrdinal, kActive, kName, kCable, kScroll };
  auto* grid = MakeGrid();
  Label1[0] = MakeHeading(QStringLiteral("Nome tracciato"), Frame2);
  Label1[6] = MakeHeading(QStringLiteral("Tipo cavi"), Frame2);
  grid->addWidget(Label1[0], 0, kName);
  grid->addWidget(Label1[6], 0, kCable);

  LayoActGroup = new QButtonGroup(this);
  for (int row = 1; row <= kGridRows; ++row) {
    LabelN[row] = MakeOrdinal(Frame2);
    LayoAct[row] = new QRadioButton(Frame2);
    LayoActGroup->addButton(LayoAct[row], row);
    LayoName[row] = new QLineEdit(Frame2);
    CableName[row] = new CableTypeBox(14, Frame2);
    const std::vector<QWidget*> cells = {LabelN[row], LayoAct[row], LayoName[row], CableName[row]};
    for (std::size_t column = 0; column < cells.size(); ++column) {
      KeepPlaceWhenHidden(cells[column]);
      grid->addWidget(cells[column], row, static_cast<int>(column));
    }
  }
  FitColumn(Label1[0], LayoName, 6);
  VScrollT = new QScrollBar(Qt::Vertical, Frame2);
  KeepPlaceWhenHidden(VScrollT);
  grid->addWidget(VScrollT, 1, kScroll, kGridRows, 1);
  // The cable type names are the longest entries: their column takes the
  // frame's spare width.
  grid->setColumnStretch(kCable, 1);

  Label2[0] = new QLabel(QStringLiteral(" Numero di tracciati:  "), Frame2);
  LNLayout = new QLabel(Frame2);
  ButtonNewT = MakeButton(QStringLiteral("Nuovo"), Frame2);
  ButtonCopyT = MakeButton(QStringLiteral("Copia Tracciato"), Frame2);
  ButtonRemove = MakeButton(QStringLiteral("Rimuovi tutti"), Frame2);
  DrawLayo = MakeButton(QStringLiteral("Anteprima"), Frame2);
  TracParab = MakeButton(QStringLiteral("Crea parabolico"), Frame2);

  auto* frame = new QVBoxLayout(Frame2);
  frame->addLayout(grid);
  frame->addLayout(CommandRow(Label2[0], LNLayout,
                              {ButtonNewT, ButtonCopyT, ButtonRemove, DrawLayo, TracParab}));
  return Frame2;
}

QGroupBox* FormPri::BuildNodeFrame() {
  Frame1 = new QGroupBox(QStringLiteral("DEFINIZIONE del TRACCIATO ATTIVO"), this);

  enum Column { kOrdinal, kActive, kNode, kSection, kSystem, kY, kZ, kDistortion, kScroll };
  auto* grid = MakeGrid();
  Label1[11] = MakeHeading(QStringLiteral("Nome nodo"), Frame1);
  Label1[1] = MakeHeading(QStringLiteral("Nome sezione"), Frame1);
  Label1[7] = MakeHeading(QStringLiteral("Sistema di rifer."), Frame1);
  Label1[8] = MakeHeading(QStringLiteral("Coord. Y"), Frame1);
  Label1[9] = MakeHeading(QStringLiteral("Coord. Z"), Frame1);
  Label1[10] = MakeHeading(QStringLiteral("Distorsione angolare"), Frame1);
  grid->addWidget(Label1[11], 0, kNode);
  grid->addWidget(Label1[1], 0, kSection);
  grid->addWidget(Label1[7], 0, kSystem);
  grid->addWidget(Label1[8], 0, kY);
  grid->addWidget(Label1[9], 0, kZ);
  grid->addWidget(Label1[10], 0, kDistortion);

  NodeActGroup = new QButtonGroup(this);
  for (int row = 1; row <= kGridRows; ++row) {
    Labelnn[row] = MakeOrdinal(Frame1);
    NodeAct[row] = new QRadioButton(Frame1);
    NodeActGroup->addButton(NodeAct[row], row);
    NodeName[row] = new QLineEdit(Frame1);
    SectionName[row] = MakeCell(Frame1, 14);
    TCoordSys[row] = MakeCell(Frame1, 3, Qt::AlignHCenter);
    TCoordY[row] = new QLineEdit(Frame1);
    TCoordZ[row] = new QLineEdit(Frame1);
    TAngDisto[row] = new QLineEdit(Frame1);
    const std::vector<QWidget*> cells = {Labelnn[row],     NodeAct[row],   NodeName[row],
                                         SectionName[row], TCoordSys[row], TCoordY[row],
                                         TCoordZ[row],     TAngDisto[row]};
    for (std::size_t column = 0; column < cells.size(); ++column) {
      KeepPlaceWhenHidden(cells[column]);
      grid->addWidget(cells[column], row, static_cast<int>(column));
    }
  }
  FitColumn(Label1[11], NodeName, 5);
  FitColumn(Label1[7], TCoordSys, 3);
  FitColumn(Label1[8], TCoordY, 8);
  FitColumn(Label1[9], TCoordZ, 8);
  FitColumn(Label1[10], TAngDisto, 8);
  VScrollN = new QScrollBar(Qt::Vertical, Frame1);
  KeepPlaceWhenHidden(VScrollN);
  grid->addWidget(VScrollN, 1, kScroll, kGridRows, 1);
  grid->setColumnStretch(kSection, 1);

  Label2[1] = new QLabel(QStringLiteral(" Numero di nodi:"), Frame1);
  LNNode = new QLabel(Frame1);
  LNNode->setIndent(fontMetrics().averageCharWidth());
  ButtonNewN = MakeButton(QStringLiteral("Nuovo"), Frame1);
  ButtonCopyN = MakeButton(QStringLiteral("Copia Nodo"), Frame1);
  ButtonRemoveN = MakeButton(QStringLiteral("Rimuovi tutti"), Frame1);
  Command1 = MakeButton(QStringLiteral("Simmetria Z"), Frame1);
  Command2 = MakeButton(QStringLiteral("Simmetria Y"), Frame1);

  auto* frame = new QVBoxLayout(Frame1);
  frame->addLayout(grid);
  frame->addLayout(
      CommandRow(Label2[1], LNNode, {ButtonNewN, ButtonCopyN, ButtonRemoveN, Command1, Command2}));
  return Frame1;
}

QLayout* FormPri::BuildViewArea() {
  RefreshDrawing = MakeButton(QStringLiteral("Aggiorna disegno"), this);
  ButtonAction = MakeButton(QString(), this);
  // Wide enough for either mode's caption, so switching does not move the row.
  const QFontMetrics metrics = ButtonAction->fontMetrics();
  ButtonAction->setMinimumWidth(
      std::max(metrics.horizontalAdvance(QStringLiteral("COORD. CAVI")),
               metrics.horizontalAdvance(QStringLiteral("SIST. RIFER."))) +
      4 * metrics.averageCharWidth());
  CheckEvLayo = new QCheckBox(QStringLiteral("Solo tracciato attivo"), this);
  // The check box shows its own caption; the separate caption label is kept
  // only as a control of the window.
  Label5 = new QLabel(QStringLiteral("Solo tracciato attivo"), this);
  Label5->hide();

  auto* commands = new QHBoxLayout;
  commands->addWidget(RefreshDrawing);
  commands->addWidget(ButtonAction);
  commands->addSpacing(metrics.averageCharWidth());
  commands->addWidget(CheckEvLayo);
  commands->addStretch(1);

  // Where the section is drawn: it takes the window's spare room. A click
  // takes the focus, so that a field being typed in is stored first.
  auto* picture = new PictureBox(this);
  picture->setFocusPolicy(Qt::ClickFocus);
  picture->setMinimumSize(kMinimumViewSize);
  picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  Picture1 = picture;

  Label3[0] = new QLabel(QStringLiteral("Z"), this);
  Label3[1] = new QLabel(QStringLiteral("Y"), this);
  LabelCoord[1] = MakeCell(this, 9, Qt::AlignRight);
  LabelCoord[2] = MakeCell(this, 9, Qt::AlignRight);

  auto* cursor = new QHBoxLayout;
  cursor->addStretch(1);
  cursor->addWidget(Label3[0]);
  cursor->addWidget(LabelCoord[1]);
  cursor->addSpacing(metrics.averageCharWidth());
  cursor->addWidget(Label3[1]);
  cursor->addWidget(LabelCoord[2]);

  // The commands and the cursor read-out line up with the view; the axis
  // hint stands beside its lower left corner.
  auto* area = new QGridLayout;
  area->addLayout(commands, 0, 1);
  area->addLayout(BuildAxisHint(), 1, 0);
  area->addWidget(Picture1, 1, 1);
  area->addLayout(cursor, 2, 1);
  area->setColumnStretch(1, 1);
  area->setRowStretch(1, 1);
  return area;
}

// The axes of the section plane as the view draws them: Y up, Z to the
// right. Both lines are three pixels thick with the stroke in the middle, so
// they stay visible at fractional display scales; the horizontal one starts
// under the middle of the vertical one, which ends on it.
QLayout* FormPri::BuildAxisHint() {
  const QFontMetrics metrics = fontMetrics();
  const int length = 2 * metrics.height();
  const int thickness = 3;
  const int column = (metrics.horizontalAdvance(QLatin1Char('Y')) + 2) | 1;  // odd: a middle pixel

  Label4[1] = new QLabel(QStringLiteral("Y"), this);
  Label4[1]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  Label4[1]->setFixedWidth(column);
  Label4[0] = new QLabel(QStringLiteral("Z"), this);
  Label4[0]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  Line2 = MakeLine(QFrame::VLine, this);
  Line2->setFixedSize(column, length);
  Line1 = MakeLine(QFrame::HLine, this);
  Line1->setFixedSize(length, thickness);

  enum Row { kCaptionY, kBody, kBase };
  enum Column { kVertical, kReach, kCaptionZ };
  auto* hint = new QGridLayout;
  hint->setSpacing(0);
  hint->addWidget(Label4[1], kCaptionY, kVertical);
  hint->addWidget(Line2, kBody, kVertical, 2, 1, Qt::AlignTop);
  hint->addWidget(Line1, kBase, kVertical, 1, 2, Qt::AlignRight);
  hint->addWidget(Label4[0], kBody, kCaptionZ, Qt::AlignBottom);
  hint->setColumnMinimumWidth(kReach, length - (column + 1) / 2);
  hint->setRowMinimumHeight(kBody, length - thickness / 2 - 1);
  hint->setRowMinimumHeight(kBase, thickness);

  auto* placed = new QVBoxLayout;
  placed->addStretch(1);
  placed->addLayout(hint);
  return placed;
}

QLayout* FormPri::BuildButtonBar() {
  ButtonOpen = MakeButton(QStringLiteral("Apri"), this);
  ButtonSave = MakeButton(QStringLiteral("Salva"), this);
  DrawAllLayo = MakeButton(QStringLiteral("Disegna tracciati"), this);
  ButtonClose = MakeButton(QStringLiteral("Chiudi"), this);

  auto* bar = new QHBoxLayout;
  bar->addWidget(ButtonOpen);
  bar->addWidget(ButtonSave);
  bar->addSpacing(2 * fontMetrics().averageCharWidth());
  bar->addWidget(DrawAllLayo);
  bar->addStretch(1);
  bar->addWidget(ButtonClose);
  return bar;
}

void FormPri::SetTabOrder() {
  std::vector<QWidget*> order = {Description, NCnd};
  for (int row = 1; row <= kGridRows; ++row) {
    order.insert(order.end(), {LayoAct[row], LayoName[row], CableName[row]});
  }
  order.insert(order.end(), {ButtonNewT, ButtonCopyT, ButtonRemove, DrawLayo, TracParab});
  for (int row = 1; row <= kGridRows; ++row) {
    order.insert(order.end(),
                 {NodeAct[row], NodeName[row], TCoordY[row], TCoordZ[row], TAngDisto[row]});
  }
  order.insert(order.end(),
               {ButtonNewN, ButtonCopyN, ButtonRemoveN, Command1, Command2, RefreshDrawing,
                ButtonAction, CheckEvLayo, ButtonOpen, ButtonSave, DrawAllLayo, ButtonClose});
  for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}
