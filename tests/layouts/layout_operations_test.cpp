#include "layouts/layout_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "layouts/group_entry.h"
#include "layouts/group_snapshot.h"
#include "tests/layouts/case_file.h"
#include "tests/layouts/layouts_fixture.h"
#include "tests/support/messages.h"

namespace {

class LayoutOperations : public ::testing::Test {
 protected:
  std::unique_ptr<StructureModel> structure = MakeStructure(10);
  std::unique_ptr<LayoutGroup> group = MakeGroup();
};

// The default point comes from the member's first element looked up by
// number: element 27 (first end at position 7), not the table's first. A
// later layout copies the one before, whatever its name, named by position. The active layout and point stay.
TEST_F(LayoutOperations, NewLayoutsStartFromTheMemberOrCopyTheLastOne) {
  structure->MemberElements[1] = 27;
  group->ActiveLayout = 3;
  group->ActiveNode = 4;
  EXPECT_FALSE(SetNewTrac(*group, *structure, 1));
  EXPECT_EQ(group->LayoutCount, 1);
  EXPECT_EQ(TakeLayout(*group, 1), (LayoutSnapshot{1, 1, {{7, 0, 0.0, 0.0, 0.0}}}));

  FillLayout(*group, 1, 60, 3);
  EXPECT_FALSE(SetNewTrac(*group, *structure, 2));
  LayoutSnapshot copy = TakeLayout(*group, 1);
  copy.Name = 2;
  EXPECT_EQ(TakeLayout(*group, 2), copy);
  EXPECT_EQ(group->ActiveLayout, 3);
  EXPECT_EQ(group->ActiveNode, 4);
}

// The editor makes up to 199 layouts and 1999 points; past them a refusal
// changes nothing.
TEST_F(LayoutOperations, TheLimitsAreRefusedAndNothingChanges) {
  for (int l = 1; l <= 198; ++l) FillLayout(*group, l, l, 1);
  FillLayout(*group, 1, 1, 1998);
  ASSERT_FALSE(SetNewTrac(*group, *structure, 199));
  ASSERT_FALSE(SetNewNodeL(*group, *structure, 1, 1999));
  EXPECT_EQ(SetNewTrac(*group, *structure, 200), Problem("Numero di tracciati eccessivo "));
  EXPECT_EQ(SetNewNodeL(*group, *structure, 1, 2000), Problem("Numero di nodi eccessivo "));
  EXPECT_EQ(group->LayoutCount, 199);
  EXPECT_EQ(group->Layouts[1].NodeCount, 1999);
}

// Without a first node the first point would name no node of the structure.
TEST_F(LayoutOperations, WithoutTheMembersFirstNodeNothingIsMade) {
  const std::string noFirst = "Primo elemento della membratura non trovato: impossibile creare ";
  void (*const breakages[])(StructureModel&) = {
      [](StructureModel& s) { s.MemberElementCount = 0; },
      [](StructureModel& s) { s.MemberElements[1] = 999; },    // not in the table
      [](StructureModel& s) { s.Elements[s.ElementCount].FirstNode = 0; },  // unresolved
      [](StructureModel& s) { s.Elements[s.ElementCount].FirstNode = 11; },
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

// Removal moves whole records down, points beyond the old destination's
// count included; only the points in use travel. Point operations act on
// the active layout only.
TEST_F(LayoutOperations, RemovingLayoutsAndPointsClosesTheGap) {
  for (int l = 1; l <= 3; ++l) FillLayout(*group, l, 10 * l, 5 - l);
  const LayoutSnapshot second = TakeLayout(*group, 2);
  const LayoutSnapshot third = TakeLayout(*group, 3);
  const LayoutNode stale = NodeAt(group->Layouts[1], 4);
  RemoveLayout(*group, 1);
  EXPECT_EQ(group->LayoutCount, 2);
  EXPECT_EQ(TakeLayout(*group, 1), second);
  EXPECT_EQ(TakeLayout(*group, 2), third);
  EXPECT_EQ(NodeAt(group->Layouts[1], 4), stale);
  RemoveLayout(*group, 2);  // the last: only the count drops
  EXPECT_EQ(group->LayoutCount, 1);
  EXPECT_EQ(group->Layouts[2].Name, 30);

  FillLayout(*group, 2, 2, 4);
  group->ActiveLayout = 2;
  group->ActiveNode = 2;
  const std::vector<LayoutNode> nodes = TakeLayout(*group, 2).nodes;
  RemoveNode(*group, 1);
  EXPECT_EQ(TakeLayout(*group, 2).nodes, (std::vector<LayoutNode>{nodes[1], nodes[2], nodes[3]}));
  EXPECT_EQ(TakeLayout(*group, 1), second);
  EXPECT_EQ(FindNodeInLayout(*group, 2, nodes[3].NodeIndex), 3);
  EXPECT_EQ(FindNodeInLayout(*group, 2, 4), -1);
  RemoveAllNodes(*group);
  EXPECT_EQ(group->Layouts[2].NodeCount, 0);
  EXPECT_EQ(FindNodeInLayout(*group, 2, nodes[3].NodeIndex), -1);  // in the table, not in use
  RemoveNode(*group, 1);
  EXPECT_EQ(group->Layouts[2].NodeCount, 0);

  RemoveAllLayouts(*group);
  EXPECT_EQ(group->LayoutCount, 0);
  EXPECT_EQ(group->Layouts[1].NodeCount, 0);
  EXPECT_EQ(group->ActiveLayout, 2);
  EXPECT_EQ(group->ActiveNode, 2);
  RemoveLayout(*group, 1);
  EXPECT_EQ(group->LayoutCount, 0);
}

// The description keeps 20 characters, not bytes.
TEST(GroupEntry, EachBoxKeepsWhatItsRuleAllows) {
  auto group = MakeGroup();
  for (const std::vector<std::string>& c : CaseRows("group_entries.txt")) {
    group->Layouts[3].Name = group->LoadCondition = 7;
    const bool isName = c[0] == "nome";
    const std::optional<Message> refusal =
        isName ? RenameLayout(*group, 3, c[1]) : SetLoadCondition(*group, c[1]);
    EXPECT_EQ(isName ? group->Layouts[3].Name : group->LoadCondition,
              c[2] == "-" ? 7 : std::stoi(c[2])) << c[1];
    EXPECT_EQ(refusal.value_or(Message{}),
              (c.size() < 4 ? Message{} : Message{c[3], kCaptionProblem, kStyleExclamation}));
  }
  SetGroupDescription(*group, "Città è più là, però già");
  EXPECT_EQ(group->GroupDescription, "Città è più là, però");
}

}  // namespace
