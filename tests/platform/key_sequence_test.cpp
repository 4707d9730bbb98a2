#include "platform/key_sequence.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The reload keys must hold Alt over both letters: Alt released after f
// would leave g typed into the open menu's window instead of the menu. Each
// row of the table is the keys and what they press (+) and release (-): a
// named key or the character itself.
TEST(KeySequence, ModifiersHoldOverTheirKeyOrGroup) {
  const std::map<std::string, KeyName> names = {{"Alt", KeyName::Alt},
                                                {"Control", KeyName::Control},
                                                {"Shift", KeyName::Shift},
                                                {"Enter", KeyName::Enter},
                                                {"Escape", KeyName::Escape}};
  std::ifstream table(std::filesystem::path(PLATFORM_TEST_DATA) / "key_sequences.txt");
  int cases = 0;
  for (std::string keys, actions; std::getline(table, keys, '\t') && std::getline(table, actions);
       ++cases) {
    std::vector<KeyAction> expected;
    std::istringstream words(actions);
    for (std::string word; words >> word;) {
      const std::string name = word.substr(0, word.size() - 1);
      char32_t c = static_cast<unsigned char>(name[0]);
      if (name.size() == 2) c = (c & 0x1F) << 6 | (name[1] & 0x3F);  // two bytes of UTF-8
      const bool named = names.contains(name);
      expected.push_back(
          {named ? names.at(name) : KeyName::Character, named ? 0 : c, word.back() == '+'});
    }
    const auto parsed = ParseKeySequence(keys);
    ASSERT_TRUE(parsed.has_value()) << keys;
    EXPECT_EQ(*parsed, expected) << keys;
  }
  EXPECT_EQ(cases, 9);
}

TEST(KeySequence, RejectsWhatCannotBeTyped) {
  for (const char* keys : {"%", "%(fg", "a)", "{F13}", "{", "{}", "(a)", "+"}) {
    EXPECT_FALSE(ParseKeySequence(keys).has_value()) << keys;
  }
}

}  // namespace
