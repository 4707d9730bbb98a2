#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string>

// Small helpers the window's procedures share to set their controls.

inline void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* control : controls) control->setEnabled(enabled);
}

template <typename... Controls>
void SetVisible(bool visible, Controls*... controls) {
  (controls->setVisible(visible), ...);
}

// The header boxes show whether the group can be edited by their background,
// not only by the greyed text.
inline void SetBoxBackground(QLineEdit& box, QPalette::ColorRole role) {
  QPalette palette = box.palette();
  const QColor colour = QPalette().color(QPalette::Active, role);
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, colour);
  }
  box.setPalette(palette);
}

inline QString ToQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string ToStdString(const QString& text) { return text.toStdString(); }
