#include "viewer/viewer_window.h"

#include <QAction>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <filesystem>

#include "viewer/drawing_export.h"
#include "viewer/drawing_view.h"
#include "viewer/key_interpreter.h"
#include "viewer/viewer_drawing.h"

namespace {

constexpr double kZoomStep = 1.25;

}  // namespace

ViewerWindow::ViewerWindow(QString hostPath, QString shownName, QWidget* parent)
    : QMainWindow(parent),
      hostPath_(std::move(hostPath)),
      shownName_(std::move(shownName)),
      view_(new DrawingView(this)) {
  setCentralWidget(view_);
  setWindowTitle(shownName_.isEmpty() ? QStringLiteral("Ostrel")
                                      : QStringLiteral("Ostrel - %1").arg(shownName_));

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* reload = file->addAction(QStringLiteral("A&ggiorna"), this, &ViewerWindow::Reload);
  reload->setShortcut(QKeySequence(Qt::Key_F5));
  QAction* exportView =
      file->addAction(QStringLiteral("&Esporta vista..."), this, &ViewerWindow::ExportWithDialog);
  exportView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("Es&ci"), this, &QWidget::close);
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* vista = menuBar()->addMenu(QStringLiteral("&Vista"));
  QAction* fit =
      vista->addAction(QStringLiteral("&Adatta alla finestra"), view_, &DrawingView::Fit);
  fit->setShortcut(QKeySequence(Qt::Key_Home));
  QAction* zoomIn = vista->addAction(QStringLiteral("&Ingrandisci"), this,
                                     [this] { view_->ZoomCentre(kZoomStep); });
  zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::Key_Plus)});
  QAction* zoomOut = vista->addAction(QStringLiteral("&Riduci"), this,
                                      [this] { view_->ZoomCentre(1.0 / kZoomStep); });
  zoomOut->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::Key_Minus)});
  // Shortcuts work while the paper has the focus, menus closed.
  addActions({reload, exportView, quit, fit, zoomIn, zoomOut});

  keys_ = new KeyInterpreter(*menuBar());
  if (!hostPath_.isEmpty()) Reload();
}

ViewerWindow::~ViewerWindow() { delete keys_; }

void ViewerWindow::Reload() {
  if (hostPath_.isEmpty()) return;  // opened without a drawing
  ++loads_;
  DrawingReadResult result =
      ReadDrawing(std::filesystem::path(hostPath_.toStdU16String()), shownName_.toStdString());
  if (!result.drawing) {
    ShowProblem(QString::fromStdString(result.error));
    return;
  }
  const ViewerDrawing& d = *result.drawing;
  statusBar()->showMessage(QStringLiteral("%1 - %2 linee, %3 archi")
                               .arg(shownName_)
                               .arg(d.lines.size())
                               .arg(d.arcs.size()));
  view_->SetDrawing(std::move(*result.drawing));
}

void ViewerWindow::ShowProblem(const QString& message) {
  view_->SetError(message);
  statusBar()->showMessage(message);
}

void ViewerWindow::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void ViewerWindow::ApplyKeys(const std::vector<KeyAction>& keys) { keys_->Apply(keys); }

QString ViewerWindow::ExportViewTo(const QString& path) const {
  return ExportView(view_->drawing(), view_->view(), view_->size(), path);
}

QString ViewerWindow::StatusText() const {
  return QStringLiteral("caricamenti=%1 linee=%2 archi=%3")
      .arg(loads_)
      .arg(view_->drawing().lines.size())
      .arg(view_->drawing().arcs.size());
}

void ViewerWindow::ExportWithDialog() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Esporta vista"), QString(),
      QStringLiteral("Immagine PNG (*.png);;Disegno SVG (*.svg);;Documento PDF (*.pdf);;Disegno DXF (*.dxf)"));
  if (path.isEmpty()) return;
  const QString error = ExportViewTo(path);
  if (!error.isEmpty()) {
    QMessageBox::critical(this, QStringLiteral("ERRORE"), error);
    return;
  }
  statusBar()->showMessage(QStringLiteral("Vista esportata in %1").arg(path));
}
