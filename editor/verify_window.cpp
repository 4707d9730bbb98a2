#include "editor/verify_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/show_message.h"
#include "app/world.h"
#include "checks/layout_checks.h"
#include "common/message.h"
#include "common/number_text.h"
#include "editor/control_state.h"
#include "editor/group_history.h"
#include "parabolic/parabolic_panel.h"
#include "platform/decimal_separator.h"

namespace {

enum Column { kLayout, kPoint, kNode, kProblem, kValue, kColumns };

// A cell that sorts by the number kept behind its text.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(const QString& text, double number) : QTableWidgetItem(text) {
    setData(Qt::UserRole, number);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

QTableWidgetItem* Number(int value) {
  return new NumberItem(value > 0 ? QString::number(value) : QString(), value);
}

void AddRow(QTableWidget& table, int layout, int point, int node, const std::string& problem,
            const std::string& value, double number) {
  const int row = table.rowCount();
  table.insertRow(row);
  table.setItem(row, kLayout, Number(layout));
  table.setItem(row, kPoint, Number(point));
  table.setItem(row, kNode, Number(node));
  table.setItem(row, kProblem, new QTableWidgetItem(ToQString(problem)));
  table.setItem(row, kValue, new NumberItem(ToQString(value), number));
}

}  // namespace

VerifyWindow::VerifyWindow(World& world, Prompter& prompter, GroupHistory& history,
                           Activate activate, QWidget* parent)
    : QWidget(parent, Qt::Window),
      world_(world),
      prompter_(prompter),
      activate_(std::move(activate)) {
  setWindowTitle("Verifica tracciati");
  CoverBox = new QLineEdit(this);
  RadiusBox = new QLineEdit(this);
  VerifyButton = new QPushButton("Verifica", this);
  Summary = new QLabel(this);
  Table = new QTableWidget(0, kColumns, this);
  Table->setHorizontalHeaderLabels({"Tracciato", "Punto", "Nodo", "Problema", "Valore"});
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->verticalHeader()->hide();
  Table->horizontalHeader()->setSectionResizeMode(kProblem, QHeaderView::Stretch);
  // By layout, as the check lists them; the header's own default is descending.
  Table->horizontalHeader()->setSortIndicator(kLayout, Qt::AscendingOrder);
  Table->setSortingEnabled(true);

  auto* limits = new QGridLayout;
  limits->addWidget(new QLabel("Copriferro minimo", this), 0, 0);
  limits->addWidget(CoverBox, 0, 1);
  limits->addWidget(new QLabel("Raggio minimo", this), 1, 0);
  limits->addWidget(RadiusBox, 1, 1);
  limits->addWidget(new QLabel("(unità di lunghezza del lavoro; vuoto o 0: nessun limite)", this),
                    2, 0, 1, 2);
  limits->addWidget(VerifyButton, 0, 2, 2, 1);
  limits->setColumnStretch(3, 1);
  for (QLineEdit* box : {CoverBox, RadiusBox}) box->setMaximumWidth(120);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(limits);
  layout->addWidget(Table);
  layout->addWidget(Summary);
  resize(640, 480);

  connect(VerifyButton, &QPushButton::clicked, this, &VerifyWindow::Verifica_Click);
  connect(Table, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { Table_DblClick(row); });
  // The history dies with the main window, before this child of it.
  history.AddListener([this] { ClearTable(); });
}

bool VerifyWindow::ReadLimit(const QLineEdit& box, double& value) {
  const std::string text = box.text().trimmed().toStdString();
  if (text.empty()) {
    value = 0.0;
    return true;
  }
  const auto number = ParseRegionalNumber(text, DecimalSeparator());
  if (number && *number >= 0.0) {
    value = *number;
    return true;
  }
  ShowMessage(prompter_, "Valore non valido " + text, kStyleExclamation, kCaptionProblem);
  return false;
}

void VerifyWindow::Verifica_Click() {
  CheckOptions options;
  if (!ReadLimit(*CoverBox, options.MinCover) || !ReadLimit(*RadiusBox, options.MinRadius)) return;
  const CheckReport report = CheckLayouts(world_.Group, world_.Structure, world_.Sections, options);
  ClearTable();
  Table->setSortingEnabled(false);  // rows stay where they are put while filling
  for (const Finding& f : report.Findings) {
    AddRow(*Table, f.Layout, f.Point, f.Node, FindingText(f.Kind), FindingValueText(f), f.Value);
  }
  for (const SmallestRadius& s : report.Smallest) {
    if (s.Point == 0) continue;
    AddRow(*Table, s.Layout, s.Point, s.Node,
           s.InPlan ? "raggio minimo del tracciato, in pianta"
                    : "raggio minimo del tracciato, in prospetto",
           NumberText(RoundTo(s.Radius, 2)), s.Radius);
  }
  Table->setSortingEnabled(true);
  Summary->setText("Problemi: " + QString::number(report.Findings.size()));
}

void VerifyWindow::Table_DblClick(int row) {
  const QTableWidgetItem* layout = Table->item(row, kLayout);
  const QTableWidgetItem* point = Table->item(row, kPoint);
  if (layout == nullptr || point == nullptr) return;
  activate_(static_cast<int16_t>(layout->data(Qt::UserRole).toInt()),
            static_cast<int16_t>(point->data(Qt::UserRole).toInt()));
}

void VerifyWindow::ClearTable() {
  Table->setRowCount(0);
  Summary->clear();
}
