#pragma once

#include <QObject>
#include <functional>

class GroupHistory;
class QKeyEvent;
class QLineEdit;
class QWidget;

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, anywhere in one window. A
// text box holding typing not stored yet (typed since it got the focus or
// since the last step) keeps the key, as text boxes do; otherwise the box is
// left first, so that its value is stored as leaving it would store it, then
// the group's history moves and the focus comes back to the box when it
// still shows.
class UndoKeys : public QObject {
 public:
  UndoKeys(QWidget& window, GroupHistory& history);

  // Watches the window and every text box in it; call again for boxes made
  // later.
  void Watch();

  static bool IsUndoKey(const QKeyEvent& key);
  static bool IsRedoKey(const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void ForgetTyping(QLineEdit& box);
  // True when the key was the window's.
  bool Handle(const QKeyEvent& key);
  QWidget& window_;
  GroupHistory& history_;
};
