#include "layouts/layout_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/layouts/layouts_fixture.h"
#include "tests/support/messages.h"

namespace {

// Gives layout l a name and `points` points that differ in all five values.
void Fill(LayoutGroup& group, int l, int points, int name) {
  Layout& layout = group.Layouts[l];
  layout.Name = static_cast<int16_t>(name);
  layout.CableType = static_cast<int16_t>(l + 1);
  layout.NodeCount = static_cast<int16_t>(points);
  for (int j = 1; j <= points; ++j) {
    SetNodeAt(layout, j,
              {static_cast<int16_t>(j), static_cast<int16_t>(l), l + j * 0.5, -j * 0.25, j * 0.01});
  }
}

class LayoutOperations : public ::testing::Test {
 protected:
  std::unique_ptr<StructureModel> structure = MakeStructure(10);
  std::unique_ptr<LayoutGroup> group = MakeGroup();
};

// The default point comes from the member's first element looked up by
// number: element 7 (first end at position 7), not element 1 or node 1.
TEST_F(LayoutOperations, NewLayoutsStartFromTheMemberOrCopyTheLastOne) {
  structure->MemberElements[1] = 7;
  group->ActiveLayout = 3;
  group->ActiveNode = 4;

  EXPECT_FALSE(SetNewTrac(*group, *structure, 1));
  EXPECT_EQ(group->LayoutCount, 1);
  EXPECT_EQ(group->Layouts[1].Name, 1);
  EXPECT_EQ(group->Layouts[1].CableType, 1);
  EXPECT_EQ(group->Layouts[1].NodeCount, 1);
  EXPECT_EQ(NodeAt(group->Layouts[1], 1), (LayoutNode{7, 0, 0.0, 0.0, 0.0}));

  Fill(*group, 1, 3, 60);
  EXPECT_FALSE(SetNewNodeL(*group, *structure, 1, 4));
  EXPECT_EQ(NodeAt(group->Layouts[1], 4), NodeAt(group->Layouts[1], 3));

  // A later layout copies the one before, whatever its name, named by position.
  EXPECT_FALSE(SetNewTrac(*group, *structure, 2));
  const Layout& made = group->Layouts[2];
  EXPECT_EQ(made.Name, 2);
  EXPECT_EQ(made.CableType, 2);
  ASSERT_EQ(made.NodeCount, 4);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(NodeAt(made, j), NodeAt(group->Layouts[1], j));
  EXPECT_EQ(group->ActiveLayout, 3);
  EXPECT_EQ(group->ActiveNode, 4);
}

TEST_F(LayoutOperations, TheLimitsAreRefusedAndNothingChanges) {
  for (int l = 1; l <= 199; ++l) Fill(*group, l, 1, l);
  group->LayoutCount = 199;
  group->Layouts[200].Name = 777;
  EXPECT_EQ(SetNewTrac(*group, *structure, 200), Problem("Numero di tracciati eccessivo "));
  EXPECT_EQ(group->LayoutCount, 199);
  EXPECT_EQ(group->Layouts[200].Name, 777);

  Fill(*group, 1, 1999, 1);
  group->Layouts[1].NodeIndex[2000] = 9;
  EXPECT_EQ(SetNewNodeL(*group, *structure, 1, 2000), Problem("Numero di nodi eccessivo "));
  EXPECT_EQ(group->Layouts[1].NodeCount, 1999);
  EXPECT_EQ(group->Layouts[1].NodeIndex[2000], 9);

  // A file may fill the whole table; "Nuovo" then asks for one slot past it.
  group->LayoutCount = 200;
  EXPECT_EQ(SetNewTrac(*group, *structure, 201), Problem("Numero di tracciati eccessivo "));
  EXPECT_EQ(group->LayoutCount, 200);
  group->Layouts[1].NodeCount = 2000;
  EXPECT_EQ(SetNewNodeL(*group, *structure, 1, 2001), Problem("Numero di nodi eccessivo "));
  EXPECT_EQ(group->Layouts[1].NodeCount, 2000);
}

// Without a first node the first point would name no node of the structure.
TEST_F(LayoutOperations, WithoutTheMembersFirstNodeNothingIsMade) {
  const std::string noFirst = "Primo elemento della membratura non trovato: impossibile creare ";
  void (*const breakages[])(StructureModel&) = {
      [](StructureModel& s) { s.MemberElementCount = 0; },
      [](StructureModel& s) { s.MemberElements[1] = 999; },    // not in the table
      [](StructureModel& s) { s.Elements[1].FirstNode = 0; },  // unresolved
      [](StructureModel& s) { s.Elements[1].FirstNode = 11; },
  };
  for (auto breakIt : breakages) {
    breakIt(*structure);
    group->Layouts[1].Name = 55;
    EXPECT_EQ(SetNewTrac(*group, *structure, 1), Problem(noFirst + "il tracciato"));
    EXPECT_EQ(group->LayoutCount, 0);
    EXPECT_EQ(group->Layouts[1].Name, 55);
    EXPECT_EQ(SetNewNodeL(*group, *structure, 1, 1), Problem(noFirst + "il nodo"));
    EXPECT_EQ(group->Layouts[1].NodeCount, 0);
    structure = MakeStructure(10);
  }
}

// Removal moves whole records down, names and points beyond the old
// destination's count included; only the points in use travel.
TEST_F(LayoutOperations, RemovingALayoutClosesTheGap) {
  for (int l = 1; l <= 3; ++l) Fill(*group, l, 5 - l, 10 * l);
  group->LayoutCount = 3;

  RemoveLayout(*group, 1);
  EXPECT_EQ(group->LayoutCount, 2);
  EXPECT_EQ(group->Layouts[1].Name, 20);
  EXPECT_EQ(group->Layouts[2].Name, 30);
  EXPECT_EQ(group->Layouts[2].CableType, 4);
  ASSERT_EQ(group->Layouts[1].NodeCount, 3);
  EXPECT_EQ(NodeAt(group->Layouts[1], 3), (LayoutNode{3, 2, 3.5, -0.75, 0.03}));
  EXPECT_EQ(NodeAt(group->Layouts[1], 4), (LayoutNode{4, 1, 3.0, -1.0, 0.04}));  // stale

  RemoveLayout(*group, 2);  // the last: only the count drops
  EXPECT_EQ(group->LayoutCount, 1);
  EXPECT_EQ(group->Layouts[2].Name, 30);

  auto empty = MakeGroup();
  RemoveLayout(*empty, 1);
  EXPECT_EQ(empty->LayoutCount, 0);
}

TEST_F(LayoutOperations, PointOperationsActOnTheActiveLayoutOnly) {
  Fill(*group, 1, 3, 1);
  Fill(*group, 2, 4, 2);
  group->LayoutCount = 2;
  group->ActiveLayout = 2;
  group->ActiveNode = 2;
  const LayoutNode second = NodeAt(group->Layouts[2], 2);
  const LayoutNode fourth = NodeAt(group->Layouts[2], 4);

  CopyNode(*group, 4, 1);
  EXPECT_EQ(NodeAt(group->Layouts[2], 1), fourth);
  RemoveNode(*group, 1);
  EXPECT_EQ(group->Layouts[2].NodeCount, 3);
  EXPECT_EQ(NodeAt(group->Layouts[2], 1), second);
  EXPECT_EQ(NodeAt(group->Layouts[2], 3), fourth);
  EXPECT_EQ(group->Layouts[1].NodeCount, 3);

  EXPECT_EQ(FindNodeInLayout(*group, 2, 3), 2);
  EXPECT_EQ(FindNodeInLayout(*group, 2, 1), -1);
  RemoveAllNodes(*group);
  EXPECT_EQ(group->Layouts[2].NodeCount, 0);
  EXPECT_EQ(FindNodeInLayout(*group, 2, 3), -1);  // still in the table, not in use
  RemoveNode(*group, 1);
  EXPECT_EQ(group->Layouts[2].NodeCount, 0);

  RemoveAllLayouts(*group);
  EXPECT_EQ(group->LayoutCount, 0);
  EXPECT_EQ(group->Layouts[1].NodeCount, 0);
  EXPECT_EQ(group->ActiveLayout, 2);
  EXPECT_EQ(group->ActiveNode, 2);
}

}  // namespace
