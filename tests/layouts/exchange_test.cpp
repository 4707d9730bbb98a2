#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "layouts/group_change.h"
#include "layouts/group_file.h"
#include "layouts/group_snapshot.h"
#include "layouts/group_table_text.h"
#include "layouts/layout_operations.h"
#include "layouts/point_table_text.h"
#include "layouts/table_paste.h"
#include "tests/layouts/case_file.h"
#include "tests/layouts/layouts_fixture.h"
#include "tests/support/messages.h"

namespace {

// Nodes 101..105 at positions 1..5, node 104 without section; section 1
// named "S1"; cable types "12T15" and "19T15".
struct Exchange : ::testing::Test {
  std::unique_ptr<StructureModel> structure = MakeStructure(5, {4});
  std::unique_ptr<SectionTable> sections = std::make_unique<SectionTable>();
  std::unique_ptr<LayoutGroup> group = MakeGroup();

  void SetUp() override {
    sections->SectionCount = 1;
    sections->Sections[1].Name = "S1";
    sections->CableTypeCount = 2;
    sections->CableTypeNames[1] = "12T15";
    sections->CableTypeNames[2] = "19T15";
  }
};

// Every double comes back exactly, with either separator, and the section
// cell is only shown.
TEST_F(Exchange, PointTableWritesShortestNumbersAndReadsThemBack) {
  FillLayout(*group, 1, 7, 40);
  group->Layouts[1].Y[1] = 0.1 + 0.2;
  const std::string text = PointTableText(group->Layouts[1], *structure, *sections, ',');
  EXPECT_EQ(text.substr(0, text.find("\n103")),
            "Nodo\tSezione\tSist. rif.\tCoord. Y\tCoord. Z\tDistorsione angolare\n"
            "102\tS1\t101\t0,30000000000000004\t-0,3333333333333333\t1e-17");
  for (const char separator : {',', '.'}) {
    const PointTableRead read =
        ReadPointTable(PointTableText(group->Layouts[1], *structure, *sections, separator),
                       *structure, kEditorMaxLayoutNodes);
    ASSERT_FALSE(read.refusal) << read.refusal->text;
    EXPECT_EQ(read.nodes, TakeLayout(*group, 1).nodes) << separator;
  }
}

// As a spreadsheet puts cells on the clipboard: no header, decimal comma, CR
// LF, blanks around numbers, blank and missing cells as 0, a trailing empty
// line.
TEST_F(Exchange, SpreadsheetTablePastes) {
  const PointTableRead read =
      ReadPointTable("101\t\t0\t1,5\t-2,25\t\r\n 103 \tx\t201\t 7 \r\n105\r\n\r\n", *structure, 3);
  ASSERT_FALSE(read.refusal) << read.refusal->text;
  const std::vector<LayoutNode> expected = {
      {1, 0, 1.5, -2.25, 0.0}, {3, 201, 7.0, 0.0, 0.0}, {5, 0, 0.0, 0.0, 0.0}};
  EXPECT_EQ(read.nodes, expected);
}

// A refusal names the first bad line and brings nothing back.
TEST_F(Exchange, TablesAreRefusedNamingTheFirstBadLine) {
  for (const std::vector<std::string>& c : CaseRows("refused_tables.txt")) {
    const bool isGroup = c[0] == "gruppo";
    const int room = std::stoi(c[2]);
    const PointTableRead points =
        isGroup ? PointTableRead{} : ReadPointTable(c[1], *structure, room);
    const GroupTableRead layouts =
        isGroup ? ReadGroupTable(c[1], *structure, *sections, room) : GroupTableRead{};
    const std::optional<Message> refusal = isGroup ? layouts.refusal : points.refusal;
    ASSERT_TRUE(refusal) << c[1];
    EXPECT_EQ(*refusal, (Message{c[3] + " (riga " + c[4] + " del testo incollato)", "PROBLEMA",
                                 refusal->style}));
    EXPECT_TRUE(points.nodes.empty() && layouts.layouts.empty());
  }
}

// Copy the whole group and paste it: every layout comes back after the
// last, a negative name, another cable type and a layout without points
// included. A refused paste changes no byte.
TEST_F(Exchange, PastesWholeOrNotAtAll) {
  FillLayout(*group, 1, 1, 4);
  FillLayout(*group, 2, -12, 2);
  FillLayout(*group, 3, 9, 0);
  group->Layouts[1].CableType = 1;
  group->ActiveNode = 5;
  ASSERT_FALSE(PasteLayouts(*group, *structure, *sections,
                            GroupTableText(*group, *structure, *sections, '.')));
  ASSERT_EQ(group->LayoutCount, 6);
  for (int l = 1; l <= 3; ++l) EXPECT_EQ(TakeLayout(*group, l + 3), TakeLayout(*group, l)) << l;
  EXPECT_EQ(group->ActiveLayout, 6);
  EXPECT_EQ(group->ActiveNode, 0);

  const std::string before = LayoutGroupFileBytes(*group);
  EXPECT_TRUE(PasteLayouts(*group, *structure, *sections, "1\t12T15\n101\n\n2\tnessuno\n"));
  EXPECT_EQ(LayoutGroupFileBytes(*group), before);
}

// The inverse pair the undo of a point removal relies on, judged by the file
// the group would be saved as: points go back in the middle of the layout.
TEST_F(Exchange, RemovedPointsGoBackInPlace) {
  FillLayout(*group, 1, 1, 4);
  const std::string before = LayoutGroupFileBytes(*group);
  const std::vector<LayoutNode> nodes = TakeLayout(*group, 1).nodes;
  RemoveNodes(*group, 1, 2, 2);
  EXPECT_EQ(TakeLayout(*group, 1).nodes, (std::vector<LayoutNode>{nodes[0], nodes[3]}));
  InsertNodes(*group, 1, 1, {nodes[1], nodes[2]});
  EXPECT_EQ(LayoutGroupFileBytes(*group), before);
}

// The undo history records each edit as the smallest part that holds it,
// whichever of a point's five values changed.
TEST_F(Exchange, AnEditIsFoundAsTheSmallestPartThatHoldsIt) {
  using Kind = GroupChange::Kind;
  FillLayout(*group, 1, 1, 3);
  FillLayout(*group, 2, 2, 3);
  group->LayoutCount = 2;
  const GroupSnapshot was = TakeGroup(*group);
  const struct {
    void (*edit)(LayoutGroup&);
    Kind kind;
    int layout, point;
  } cases[] = {
      {[](LayoutGroup&) {}, Kind::kNone, 0, 0},
      {[](LayoutGroup& g) { g.Layouts[2].NodeIndex[2] = 5; }, Kind::kPoint, 2, 2},
      {[](LayoutGroup& g) { g.Layouts[2].RefVertex[2] = 7; }, Kind::kPoint, 2, 2},
      {[](LayoutGroup& g) { g.Layouts[1].Y[1] = -1; }, Kind::kPoint, 1, 1},
      {[](LayoutGroup& g) { g.Layouts[1].Z[3] = 9; }, Kind::kPoint, 1, 3},
      {[](LayoutGroup& g) { g.Layouts[2].AngDistortion[1] = 1; }, Kind::kPoint, 2, 1},
      {[](LayoutGroup& g) { g.Layouts[1].Z[1] = g.Layouts[1].Z[2] = 0; }, Kind::kLayout, 1, 0},
      {[](LayoutGroup& g) { g.Layouts[1].CableType = 1; }, Kind::kLayout, 1, 0},
      {[](LayoutGroup& g) { g.GroupDescription = "altro"; }, Kind::kHeader, 0, 0},
      {[](LayoutGroup& g) { g.Layouts[1].Z[1] = g.Layouts[2].Z[1] = 0; }, Kind::kReplaced, 0, 0},
      {[](LayoutGroup& g) { g.LayoutCount = 1; }, Kind::kRemoved, 2, 0},
  };
  for (const auto& c : cases) {
    auto now = std::make_unique<LayoutGroup>(*group);
    c.edit(*now);
    const GroupChange change = FindGroupChange(was, *now);
    EXPECT_EQ(std::tuple(change.kind, change.layout, change.point),
              std::tuple(c.kind, c.layout, c.point))
        << &c - cases;
  }
}

}  // namespace
