#include "platform/key_sequence.h"

#include <cstddef>
#include <string>
#include <utility>

#include "common/text.h"

namespace {

struct NamedKey {
  const char* name;
  KeyName key;
};

constexpr NamedKey kNamedKeys[] = {
    {"ENTER", KeyName::Enter},
    {"TAB", KeyName::Tab},
    {"ESC", KeyName::Escape},
    {"ESCAPE", KeyName::Escape},
    {"BACKSPACE", KeyName::Backspace},
    {"BS", KeyName::Backspace},
    {"BKSP", KeyName::Backspace},
    {"DELETE", KeyName::Delete},
    {"DEL", KeyName::Delete},
    {"INSERT", KeyName::Insert},
    {"INS", KeyName::Insert},
    {"HOME", KeyName::Home},
    {"END", KeyName::End},
    {"PGUP", KeyName::PageUp},
    {"PGDN", KeyName::PageDown},
    {"LEFT", KeyName::Left},
    {"RIGHT", KeyName::Right},
    {"UP", KeyName::Up},
    {"DOWN", KeyName::Down},
    {"F1", KeyName::F1},
    {"F2", KeyName::F2},
    {"F3", KeyName::F3},
    {"F4", KeyName::F4},
    {"F5", KeyName::F5},
    {"F6", KeyName::F6},
    {"F7", KeyName::F7},
    {"F8", KeyName::F8},
    {"F9", KeyName::F9},
    {"F10", KeyName::F10},
    {"F11", KeyName::F11},
    {"F12", KeyName::F12},
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<std::vector<KeyAction>> Run() {
    while (pos_ < text_.size()) {
      if (!Item()) return std::nullopt;
    }
    return std::move(out_);
  }

 private:
  // One key, a modifier with what it applies to, or a parenthesised group.
  bool Item() {
    const char c = text_[pos_];
    if (c == '+' || c == '^' || c == '%') {
      ++pos_;
      if (pos_ >= text_.size()) return false;
      const KeyName modifier = c == '+'   ? KeyName::Shift
                               : c == '^' ? KeyName::Control
                                          : KeyName::Alt;
      out_.push_back({modifier, 0, true});
      if (text_[pos_] == '(') {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != ')') {
          if (!Item()) return false;
        }
        if (pos_ >= text_.size()) return false;
        ++pos_;
      } else if (!Item()) {
        return false;
      }
      out_.push_back({modifier, 0, false});
      return true;
    }
    if (c == '(' || c == ')' || c == '}') return false;
    if (c == '{') return Braced();
    if (c == '~') {
      ++pos_;
      Press(KeyName::Enter);
      return true;
    }
    std::size_t next = pos_;
    const char32_t ch = DecodeUtf8At(text_, next);
    pos_ = next;
    TypeCharacter(ch);
    return true;
  }

  // "{NAME}", "{x}" for a character that is special outside braces, and
  // "{}}" for the closing brace itself.
  bool Braced() {
    std::size_t close = text_.find('}', pos_ + 2);
    if (pos_ + 2 < text_.size() && text_[pos_ + 1] == '}' && text_[pos_ + 2] == '}')
      close = pos_ + 2;
    if (close == std::string_view::npos) return false;
    const std::string_view inside = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    if (inside.empty()) return false;
    std::size_t i = 0;
    const char32_t first = DecodeUtf8At(inside, i);
    if (i == inside.size()) {
      TypeCharacter(first);
      return true;
    }
    const std::string upper = ToUpper(inside);
    for (const NamedKey& named : kNamedKeys) {
      if (upper == named.name) {
        Press(named.key);
        return true;
      }
    }
    return false;
  }

  void Press(KeyName key, char32_t ch = 0) {
    out_.push_back({key, ch, true});
    out_.push_back({key, ch, false});
  }

  void TypeCharacter(char32_t ch) {
    if (ch >= U'A' && ch <= U'Z') {
      out_.push_back({KeyName::Shift, 0, true});
      Press(KeyName::Character, ch - U'A' + U'a');
      out_.push_back({KeyName::Shift, 0, false});
      return;
    }
    Press(KeyName::Character, ch);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::vector<KeyAction> out_;
};

}  // namespace

std::optional<std::vector<KeyAction>> ParseKeySequence(std::string_view keys) {
  return Parser(keys).Run();
}
