#include "editor/help_line_watcher.h"

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>

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
  // Coming back from a control onto its parent sends the parent no Enter;
  // only a tracked move tells that the pointer is on the bare window or frame.
  widget->setMouseTracking(true);
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

namespace {

// Where the pointer is in the widget, for the events that say it.
std::optional<QPoint> PointerAt(const QEvent* event) {
  if (event->type() == QEvent::Enter) return static_cast<const QEnterEvent*>(event)->position().toPoint();
  if (event->type() == QEvent::MouseMove) return static_cast<const QMouseEvent*>(event)->position().toPoint();
  return std::nullopt;
}

}  // namespace

bool HelpLineWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (const auto at = PointerAt(event)) {
    if (const auto tip = onMouse_.find(watched); tip != onMouse_.end()) {
      ShowRequest(tip->second);
    } else if (hides_.count(watched) != 0) {
      // A move over a child that does not track the mouse reaches the frame
      // too; the line hides only on the frame's or window's bare surface.
      if (static_cast<QWidget*>(watched)->childAt(*at) == nullptr) HideRequest();
    }
  } else if (event->type() == QEvent::FocusIn) {
    if (const auto tip = onFocus_.find(watched); tip != onFocus_.end()) ShowRequest(tip->second);
  }
  return QObject::eventFilter(watched, event);
}
