#include <gtest/gtest.h>

#include <string>

#include "common/lazy_table.h"

namespace {

struct Named {
  std::string Name;
  int Count = 7;  // not zero: a record not yet made must still read as 7
};

// Records are made on the first write to them or past them; a copy of a
// table made less far brings the records past it back to their default.
TEST(LazyTable, RecordsReadAsDefaultUntilWrittenAndCopiesMatchTheirSource) {
  LazyTable<Named, 10> named;
  named[5].Name = "quinto";
  LazyTable<Named, 10> shorter;
  shorter[2] = {"secondo", 1};
  LazyTable<Named, 10> copy(named);
  copy = shorter;
  for (int i = 1; i <= 10; ++i) {
    const auto& readOnly = named;
    EXPECT_EQ(readOnly[i].Name, i == 5 ? "quinto" : "") << i;
    EXPECT_EQ(readOnly[i].Count, 7) << i;
    EXPECT_EQ(copy[i].Name, i == 2 ? "secondo" : "") << i;
    EXPECT_EQ(copy[i].Count, i == 2 ? 1 : 7) << i;
  }
}

}  // namespace
