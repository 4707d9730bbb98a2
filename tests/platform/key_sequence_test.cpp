#include "platform/key_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

KeyAction Down(KeyName name, char32_t ch = 0) { return {name, ch, true}; }
KeyAction Up(KeyName name, char32_t ch = 0) { return {name, ch, false}; }
KeyAction DownChar(char32_t ch) { return Down(KeyName::Character, ch); }
KeyAction UpChar(char32_t ch) { return Up(KeyName::Character, ch); }

struct SequenceCase {
  const char* keys;
  std::vector<KeyAction> expected;
};

// The reload keys must hold Alt over both letters: Alt released after f
// would leave g typed into the open menu's window instead of the menu.
TEST(KeySequence, ModifiersHoldOverTheirKeyOrGroup) {
  const SequenceCase cases[] = {
      {"%(fg)",
       {Down(KeyName::Alt), DownChar('f'), UpChar('f'), DownChar('g'), UpChar('g'),
        Up(KeyName::Alt)}},
      {"%fg",
       {Down(KeyName::Alt), DownChar('f'), UpChar('f'), Up(KeyName::Alt), DownChar('g'),
        UpChar('g')}},
      {"^+a",
       {Down(KeyName::Control), Down(KeyName::Shift), DownChar('a'), UpChar('a'),
        Up(KeyName::Shift), Up(KeyName::Control)}},
      {"G", {Down(KeyName::Shift), DownChar('g'), UpChar('g'), Up(KeyName::Shift)}},
      {"~", {Down(KeyName::Enter), Up(KeyName::Enter)}},
      {"{enter}{Esc}",
       {Down(KeyName::Enter), Up(KeyName::Enter), Down(KeyName::Escape), Up(KeyName::Escape)}},
      {"{%}{}}", {DownChar('%'), UpChar('%'), DownChar('}'), UpChar('}')}},
      {"è", {DownChar(U'è'), UpChar(U'è')}},
      {"", {}},
  };
  for (const SequenceCase& c : cases) {
    const auto actions = ParseKeySequence(c.keys);
    ASSERT_TRUE(actions.has_value()) << c.keys;
    EXPECT_EQ(*actions, c.expected) << c.keys;
  }
}

TEST(KeySequence, RejectsWhatCannotBeTyped) {
  for (const char* keys : {"%", "%(fg", "a)", "{F13}", "{", "{}", "(a)", "+"}) {
    EXPECT_FALSE(ParseKeySequence(keys).has_value()) << keys;
  }
}

}  // namespace
