#pragma once

#include <QObject>
#include <cstdint>
#include <map>

#include "app/help_line.h"

class QLabel;
class QTimer;
class QWidget;

// Drives the help line: the mouse resting on a watched control asks for its
// text, the timer's tick shows it in the label, and the mouse reaching the
// bare window or a frame hides it at once. Cable type boxes also ask when
// they get the focus from the keyboard.
class HelpLineWatcher : public QObject {
  Q_OBJECT

 public:
  HelpLineWatcher(QTimer& timer, QLabel& line, QObject* parent = nullptr);

  // The mouse over widget asks for text number tip.
  void Watch(QWidget* widget, int16_t tip);
  // The same when widget gets the focus.
  void WatchFocus(QWidget* widget, int16_t tip);
  // The mouse over widget hides the line.
  void WatchHide(QWidget* widget);

  void ShowRequest(int16_t tip);
  void HideRequest();
  const HelpLineState& State() const { return state_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Tick();

  QTimer& timer_;
  QLabel& line_;
  HelpLineState state_;
  std::map<QObject*, int16_t> onMouse_;
  std::map<QObject*, int16_t> onFocus_;
  std::map<QObject*, bool> hides_;
};
