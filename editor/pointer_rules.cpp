#include "editor/pointer_rules.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// Selects the field's text on the release that ends the click which gave
// it the focus: the press itself places the cursor after the focus came.
class SelectOnClickFocus : public QObject {
 public:
  explicit SelectOnClickFocus(QLineEdit& field) : QObject(&field), field_(field) {
    field.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      clickFocus_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
    } else if (event->type() == QEvent::FocusOut) {
      clickFocus_ = false;
    } else if (event->type() == QEvent::MouseButtonRelease && clickFocus_) {
      clickFocus_ = false;
      field_.selectAll();
    }
    return false;
  }

 private:
  QLineEdit& field_;
  bool clickFocus_ = false;
};

class WheelWhenFocused : public QObject {
 public:
  explicit WheelWhenFocused(QComboBox& box) : QObject(&box), box_(box) {
    box.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::Wheel && !box_.hasFocus();
  }

 private:
  QComboBox& box_;
};

// The focus moves on the press before the bar sees it; the bar then acts
// on the press only if the focus is its own.
class PressNeedsFocus : public QObject {
 public:
  PressNeedsFocus(QScrollBar& bar, std::function<bool()> refused)
      : QObject(&bar), bar_(bar), leaveRefused_(std::move(refused)) {
    bar.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn) {
      // The field left for this click has just run its lost-focus step.
      justFocused_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
      return false;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      refused_ = !bar_.hasFocus() || (justFocused_ && leaveRefused_ && leaveRefused_());
      justFocused_ = false;
      return refused_;
    }
    // The rest of a refused click (moves of a drag, the release) goes too.
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
      const bool swallow = refused_;
      if (type == QEvent::MouseButtonRelease) refused_ = false;
      return swallow;
    }
    return false;
  }

 private:
  QScrollBar& bar_;
  std::function<bool()> leaveRefused_;
  bool justFocused_ = false;
  bool refused_ = false;
};

}  // namespace

void SelectAllOnClickFocus(QLineEdit& field) { new SelectOnClickFocus(field); }

void WheelOnlyWhenFocused(QComboBox& box) {
  box.setFocusPolicy(Qt::StrongFocus);  // the wheel no longer gives the focus either
  new WheelWhenFocused(box);
}

void FocusBeforeScrolling(QScrollBar& bar, std::function<bool()> refused) {
  bar.setFocusPolicy(Qt::ClickFocus);
  new PressNeedsFocus(bar, std::move(refused));
}
