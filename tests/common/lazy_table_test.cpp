#include <gtest/gtest.h>

#include <string>

#include "common/lazy_table.h"

namespace {

struct Zeroed {
  int Count = 0;
  double Value = 0.0;
};

struct Named {
  std::string Name;
  int Count = 7;  // not zero: a record left unmade must still read as 7
};

TEST(LazyTable, RecordsReadAsDefaultUntilWrittenAndCopiesAreDeep) {
  LazyTable<Zeroed, 300000> zeroed;
  EXPECT_EQ(zeroed[300000].Count, 0);
  zeroed[299999] = {4, 2.5};
  LazyTable<Zeroed, 300000> zeroedCopy(zeroed);
  zeroed[299999].Count = 5;
  EXPECT_EQ(zeroedCopy[299999].Count, 4);
  EXPECT_EQ(zeroedCopy[299999].Value, 2.5);

  LazyTable<Named, 10> named;
  const auto& readOnly = named;
  EXPECT_EQ(readOnly[10].Count, 7);
  named[5].Name = "quinto";
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(readOnly[i].Count, 7) << i;
    EXPECT_EQ(readOnly[i].Name, i == 5 ? "quinto" : "") << i;
  }

  // A copy of a table made less far brings the records past it back to
  // their default.
  LazyTable<Named, 10> shorter;
  shorter[2] = {"secondo", 1};
  LazyTable<Named, 10> copy(named);
  copy = shorter;
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(copy[i].Name, i == 2 ? "secondo" : "") << i;
    EXPECT_EQ(copy[i].Count, i == 2 ? 1 : 7) << i;
  }
  EXPECT_EQ(named[5].Name, "quinto");
}

}  // namespace
