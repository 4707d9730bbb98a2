#include "editor/help_line_watcher.h"

#include <QEvent>
#include <QLabel>
#include <QString>
#include <QTimer>
#include <QWidget>

HelpLineWatcher::HelpLineWatcher(QTimer& timer, QLabel& line, QObject* parent)
    : QObject(parent), timer_(timer), line_(line) {
  connect(&timer_, &QTimer::timeout, this, &HelpLineWatcher::Tick);
}

void HelpLineWatcher::Watch(QWidget* widget, int16_t tip) {
  onMouse_[widget] = tip;
  widget->installEventFilter(this);
}

void HelpLineWatcher::WatchFocus(QWidget* widget, int16_t tip) {
  onFocus_[widget] = tip;
  widget->installEventFilter(this);
}

void HelpLineWatcher::WatchHide(QWidget* widget) {
  hides_[widget] = true;
  widget->installEventFilter(this);
}

void HelpLineWatcher::ShowRequest(int16_t tip) {
  state_.ShowRequest(tip);
  if (!timer_.isActive()) timer_.start();
}

void HelpLineWatcher::HideRequest() {
  state_.HideRequest();
  timer_.stop();
  line_.hide();
}

void HelpLineWatcher::Tick() {
  state_.Tick();
  if (!state_.visible) return;
  line_.setText(QString::fromStdString(state_.caption));
  line_.show();
}

bool HelpLineWatcher::eventFilter(QObject* watched, QEvent* event) {
  // Entering a widget is where the mouse comes to rest on it; coming back
  // from a child onto a frame or the window enters that one again.
  if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
    if (const auto tip = onMouse_.find(watched); tip != onMouse_.end()) {
      ShowRequest(tip->second);
    } else if (hides_.count(watched) != 0) {
      HideRequest();
    }
  } else if (event->type() == QEvent::FocusIn) {
    if (const auto tip = onFocus_.find(watched); tip != onFocus_.end()) ShowRequest(tip->second);
  }
  return QObject::eventFilter(watched, event);
}
