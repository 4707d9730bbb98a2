#pragma once

#include <QChar>
#include <QString>
#include <vector>

#include "platform/key_sequence.h"

class QAction;
class QMenu;
class QMenuBar;

// Acts on keystrokes that arrive from another program as the keyboard would
// act on the window: Alt with a letter opens the menu of the menu bar whose
// mnemonic is that letter, and a letter typed while a menu is open triggers
// the item with that mnemonic; any other key with its modifiers triggers the
// window action whose shortcut it is. A sequence that leaves a menu open
// shows it open.
class KeyInterpreter {
 public:
  explicit KeyInterpreter(QMenuBar& menuBar) : menuBar_(menuBar) {}

  // Returns the number of actions triggered.
  int Apply(const std::vector<KeyAction>& keys);

 private:
  void CloseMenus();

  QMenuBar& menuBar_;
};

// The mnemonic of a menu or item text ("A&ggiorna" gives 'g'), in lower
// case; 0 when it has none.
QChar MnemonicOf(const QString& text);
