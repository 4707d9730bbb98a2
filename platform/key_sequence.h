#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Keystrokes written the way the suite writes them to drive another
// program's window: a character types itself; "+", "^" and "%" hold Shift,
// Control or Alt down for the next key, or for a group in parentheses
// ("%(fg)": Alt held while f and g are typed); braces name a key ("{ENTER}",
// "{F5}") or quote one of the special characters ("{%}"); "~" is Enter.
// An upper-case letter is typed with Shift.

enum class KeyName {
  Character,  // the key of KeyAction::character
  Shift,
  Control,
  Alt,
  Enter,
  Tab,
  Escape,
  Backspace,
  Delete,
  Insert,
  Home,
  End,
  PageUp,
  PageDown,
  Left,
  Right,
  Up,
  Down,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
};

// One key going down or coming up. Characters are reported as typed on the
// keyboard: letters in lower case (with a Shift action around an upper-case
// one), other characters as they are.
struct KeyAction {
  KeyName name = KeyName::Character;
  char32_t character = 0;
  bool down = true;

  friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// The presses and releases the sequence stands for, in order. Nothing when
// the text is not a valid sequence (an unknown key name, an unbalanced
// parenthesis or brace, a modifier with nothing after it).
std::optional<std::vector<KeyAction>> ParseKeySequence(std::string_view keys);
