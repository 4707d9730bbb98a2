#include "viewer/key_interpreter.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

Qt::Key QtKeyOf(KeyName name) {
  switch (name) {
    case KeyName::Enter:
      return Qt::Key_Return;
    case KeyName::Tab:
      return Qt::Key_Tab;
    case KeyName::Escape:
      return Qt::Key_Escape;
    case KeyName::Backspace:
      return Qt::Key_Backspace;
    case KeyName::Delete:
      return Qt::Key_Delete;
    case KeyName::Insert:
      return Qt::Key_Insert;
    case KeyName::Home:
      return Qt::Key_Home;
    case KeyName::End:
      return Qt::Key_End;
    case KeyName::PageUp:
      return Qt::Key_PageUp;
    case KeyName::PageDown:
      return Qt::Key_PageDown;
    case KeyName::Left:
      return Qt::Key_Left;
    case KeyName::Right:
      return Qt::Key_Right;
    case KeyName::Up:
      return Qt::Key_Up;
    case KeyName::Down:
      return Qt::Key_Down;
    default:
      if (name >= KeyName::F1 && name <= KeyName::F12) {
        return static_cast<Qt::Key>(Qt::Key_F1 +
                                    (static_cast<int>(name) - static_cast<int>(KeyName::F1)));
      }
      return Qt::Key_unknown;
  }
}

QAction* ItemWithMnemonic(const QList<QAction*>& actions, QChar mnemonic) {
  for (QAction* action : actions) {
    if (action->isVisible() && !action->isSeparator() && MnemonicOf(action->text()) == mnemonic) {
      return action;
    }
  }
  return nullptr;
}

// Every action reachable from the menu bar, submenus included.
void CollectActions(const QList<QAction*>& actions, QList<QAction*>& out) {
  for (QAction* action : actions) {
    out.append(action);
    if (QMenu* menu = action->menu()) CollectActions(menu->actions(), out);
  }
}

}  // namespace

QChar MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return QChar();
}

void KeyInterpreter::CloseMenus() {
  if (QAction* active = menuBar_.activeAction(); active && active->menu()) active->menu()->hide();
}

int KeyInterpreter::Apply(const std::vector<KeyAction>& keys) {
  bool shift = false, control = false, alt = false;
  // A menu left open by an earlier sequence takes the next letter.
  QMenu* open = nullptr;
  if (QAction* active = menuBar_.activeAction();
      active && active->menu() && active->menu()->isVisible()) {
    open = active->menu();
  }
  int triggered = 0;
  for (const KeyAction& key : keys) {
    switch (key.name) {
      case KeyName::Shift:
        shift = key.down;
        continue;
      case KeyName::Control:
        control = key.down;
        continue;
      case KeyName::Alt:
        alt = key.down;
        continue;
      default:
        break;
    }
    if (!key.down) continue;
    if (key.name == KeyName::Escape && open) {
      CloseMenus();
      open = nullptr;
      continue;
    }
    if (key.name == KeyName::Character) {
      const QChar ch = QChar(static_cast<char16_t>(key.character)).toLower();
      if (open) {
        // Inside an open menu a letter picks its item, Alt or not.
        QAction* item = ItemWithMnemonic(open->actions(), ch);
        if (item && item->menu()) {
          open = item->menu();
        } else if (item) {
          CloseMenus();
          open = nullptr;
          if (item->isEnabled()) {
            item->trigger();
            ++triggered;
          }
        }
        continue;
      }
      if (alt && !control) {
        QAction* title = ItemWithMnemonic(menuBar_.actions(), ch);
        if (title && title->menu() && title->isEnabled()) open = title->menu();
        continue;
      }
    }
    // A shortcut of one of the window's actions.
    const int code =
        key.name == KeyName::Character
            ? static_cast<int>(QChar(static_cast<char16_t>(key.character)).toUpper().unicode())
            : static_cast<int>(QtKeyOf(key.name));
    if (code == Qt::Key_unknown) continue;
    Qt::KeyboardModifiers modifiers;
    if (shift) modifiers |= Qt::ShiftModifier;
    if (control) modifiers |= Qt::ControlModifier;
    if (alt) modifiers |= Qt::AltModifier;
    const QKeySequence pressed(QKeyCombination(modifiers, static_cast<Qt::Key>(code)));
    QList<QAction*> all;
    CollectActions(menuBar_.actions(), all);
    for (QAction* action : all) {
      if (action->isEnabled() && action->shortcuts().contains(pressed)) {
        action->trigger();
        ++triggered;
        break;
      }
    }
  }
  if (open) {
    if (QAction* title = open->menuAction(); menuBar_.actions().contains(title)) {
      menuBar_.setActiveAction(title);
    }
  }
  return triggered;
}
