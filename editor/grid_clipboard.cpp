#include "editor/grid_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

#include "editor/control_state.h"
#include "layouts/point_table_text.h"

GridClipboard::GridClipboard(QObject* parent) : QObject(parent) {}

void GridClipboard::Watch(Grid grid) {
  for (QWidget* cell : grid.cells) {
    cells_[cell] = grids_.size();
    cell->installEventFilter(this);
  }
  grids_.push_back(std::move(grid));
}

bool GridClipboard::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const bool copy = key.matches(QKeySequence::Copy);
  if (!copy && !key.matches(QKeySequence::Paste)) return false;
  const auto found = cells_.find(watched);
  if (found == cells_.end()) return false;
  const Grid& grid = grids_[found->second];
  auto* box = qobject_cast<QLineEdit*>(watched);
  const std::string pasted = copy ? std::string() : ToStdString(QGuiApplication::clipboard()->text());
  // Selected text, or text that is no table, is the box's as usual.
  if (copy ? box != nullptr && box->hasSelectedText() : !LooksLikeTable(pasted)) return false;
  if (type == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  if (copy) {
    QGuiApplication::clipboard()->setText(ToQString(grid.copy()));
  } else {
    grid.paste(pasted);
  }
  return true;
}
