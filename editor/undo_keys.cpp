#include "editor/undo_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "editor/group_history.h"

UndoKeys::UndoKeys(QWidget& window, GroupHistory& history)
    : QObject(&window), window_(window), history_(history) {
  Watch();
  // A step stored the focused box's typing (or put other values in the
  // boxes): what it holds now is no typing of its own.
  history_.AddListener([this] {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (box != nullptr && box->window() == &window_) ForgetTyping(*box);
  });
}

void UndoKeys::Watch() {
  window_.installEventFilter(this);
  // Every control that can hold the focus, not only the boxes: a list box
  // takes a Ctrl+Z whose text is a letter for its search by typing.
  for (QWidget* control : window_.findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus) continue;
    // Installing twice would call the filter twice per event.
    control->removeEventFilter(this);
    control->installEventFilter(this);
  }
}

// Setting the text clears the box's own undo history, so that its Ctrl+Z
// never reaches back into typing already stored.
void UndoKeys::ForgetTyping(QLineEdit& box) {
  const int cursor = box.cursorPosition();
  box.setText(box.text());
  box.setCursorPosition(cursor);
}

bool UndoKeys::IsUndoKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Z && key.modifiers() == Qt::ControlModifier;
}

bool UndoKeys::IsRedoKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers mods = key.modifiers();
  return (key.key() == Qt::Key_Y && mods == Qt::ControlModifier) ||
         (key.key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier));
}

bool UndoKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (type == QEvent::FocusIn && box != nullptr) ForgetTyping(*box);
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const bool undo = IsUndoKey(key);
  if (!undo && !IsRedoKey(key)) return false;
  if (box != nullptr && (undo ? box->isUndoAvailable() : box->isRedoAvailable())) return false;
  if (type == QEvent::ShortcutOverride) {
    // Claims the key so that the box's own shortcut handling leaves it to us.
    event->accept();
    return true;
  }
  return Handle(key);
}

bool UndoKeys::Handle(const QKeyEvent& key) {
  QPointer<QWidget> focused = QApplication::focusWidget();
  if (focused != nullptr && focused->window() == &window_) focused->clearFocus();
  if (IsUndoKey(key)) {
    history_.Undo();
  } else {
    history_.Redo();
  }
  if (focused != nullptr && focused->isVisible() && focused->isEnabled()) focused->setFocus();
  return true;
}
