#include "layouts/group_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/layouts/layouts_fixture.h"
#include "tests/support/messages.h"

namespace {

struct Entry {
  const char* text;
  int16_t stored;
};

// Names go through the grid's number rule and halves to even; a name beyond
// 16 bits would wrap into another layout's name if it were stored.
TEST(GroupEntry, LayoutNamesAreRoundedAndRefusedBeyondSixteenBits) {
  auto group = MakeGroup();
  for (const Entry& c : {Entry{"2.5", 2}, Entry{"3.5", 4}, Entry{"", 0}, Entry{"12abc", 12},
                         Entry{"-4", -4}, Entry{"32767", 32767}, Entry{"-32768", -32768}}) {
    EXPECT_FALSE(RenameLayout(*group, 3, c.text).has_value()) << c.text;
    EXPECT_EQ(group->Layouts[3].Name, c.stored) << c.text;
  }
  for (const char* text : {"32768", "-32769", "1E9"}) {
    EXPECT_EQ(RenameLayout(*group, 3, text),
              (Message{"Nome del tracciato non valido: deve essere un intero tra -32768 e 32767",
                       kCaptionProblem, kStyleExclamation}));
    EXPECT_EQ(group->Layouts[3].Name, -32768) << text;
  }
}

TEST(GroupEntry, LoadConditionAcceptsOneToHundred) {
  auto group = MakeGroup();
  for (const Entry& c : {Entry{"1", 1}, Entry{"100", 100}, Entry{"2.5", 2}, Entry{"99.5", 100},
                         Entry{"0", 0}, Entry{"101", 0}, Entry{"0.99", 0}, Entry{"abc", 0}}) {
    group->LoadCondition = 7;
    const auto refusal = SetLoadCondition(*group, c.text);
    EXPECT_EQ(refusal.has_value(), c.stored == 0) << c.text;
    EXPECT_EQ(group->LoadCondition, c.stored == 0 ? 7 : c.stored) << c.text;
  }
}

// Characters, not bytes: an accented letter counts once.
TEST(GroupEntry, DescriptionKeepsTwentyCharacters) {
  auto group = MakeGroup();
  SetGroupDescription(*group, "Città è più là, però già");
  EXPECT_EQ(group->GroupDescription, "Città è più là, però");
}

}  // namespace
