#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "layouts/group_file.h"
#include "layouts/group_snapshot.h"
#include "layouts/group_table_text.h"
#include "layouts/layout_operations.h"
#include "layouts/point_table_text.h"
#include "layouts/table_paste.h"
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

struct Refused {
  bool group;  // a group table, else a point table
  const char* text;
  int room;
  const char* message;
  int line;
};

// A refusal names the first bad line and brings nothing back.
TEST_F(Exchange, TablesAreRefusedNamingTheFirstBadLine) {
  const char* const notNumeric = "Valore non numerico nella colonna \"Coord. Y\"";
  const char* const badSystem = "Sistema di riferimento non valido";
  for (const Refused& c : {
           Refused{false, "101\t\t0\tabc\t0\t0", 10, notNumeric, 1},
           Refused{false, "101\t\t0\t1.234,5", 10, notNumeric, 1},
           Refused{false, "Nodo\r\n101\r\n999\r\n101", 10, "Nodo non esistente", 3},
           Refused{false, "101\n104", 10,
                   "Nodo non associato a nessuna sezione o non appartenente alla membratura attiva",
                   2},
           Refused{false, "101\t\t-1", 10, badSystem, 1},
           Refused{false, "101\t\t1,5", 10, badSystem, 1},
           Refused{false, "101\t\t0\t0\t0\t0\t0", 10,
                   "Troppe colonne: ne sono attese al massimo 6", 1},
           Refused{false, "Nodo\n101\n\n102\n103", 2, "Numero di nodi eccessivo", 5},
           Refused{true, "1\t12T15\r\n101\r\n\r\n2\t7T15\r\n101", 10,
                   "Tipo di cavo sconosciuto", 4},
           Refused{true, "1\t12T15\nNodo\n101\n999", 10, "Nodo non esistente", 4},
           Refused{true, "1,5\t12T15\n101", 10, "Nome del tracciato non valido", 1},
           Refused{true, "1\t12T15\n\n2\t12T15\n", 1, "Numero di tracciati eccessivo", 3},
       }) {
    const PointTableRead points =
        c.group ? PointTableRead{} : ReadPointTable(c.text, *structure, c.room);
    const GroupTableRead layouts =
        c.group ? ReadGroupTable(c.text, *structure, *sections, c.room) : GroupTableRead{};
    const std::optional<Message> refusal = c.group ? layouts.refusal : points.refusal;
    ASSERT_TRUE(refusal) << c.text;
    EXPECT_EQ(*refusal, (Message{std::string(c.message) + " (riga " + std::to_string(c.line) +
                                     " del testo incollato)",
                                 "PROBLEMA", refusal->style}));
    EXPECT_TRUE(points.nodes.empty() && layouts.layouts.empty());
  }
}

// Copy from one layout, paste into another after its first point: the
// points arrive in order and equal. Copy the whole group and paste it: every
// layout comes back after the last, a negative name, another cable type and
// a layout without points included. A refused paste changes no byte.
TEST_F(Exchange, PastesWholeOrNotAtAll) {
  FillLayout(*group, 1, 1, 4);
  FillLayout(*group, 2, -12, 2);
  FillLayout(*group, 3, 9, 0);
  group->Layouts[1].CableType = 1;
  const std::vector<LayoutNode> copied = TakeLayout(*group, 1).nodes;
  std::vector<LayoutNode> expected = TakeLayout(*group, 2).nodes;
  expected.insert(expected.begin() + 1, copied.begin(), copied.end());
  ASSERT_FALSE(PastePoints(*group, *structure, 2, 1,
                           PointTableText(group->Layouts[1], *structure, *sections, ',')));
  EXPECT_EQ(TakeLayout(*group, 2).nodes, expected);
  EXPECT_EQ(group->ActiveNode, 5);

  ASSERT_FALSE(PasteLayouts(*group, *structure, *sections,
                            GroupTableText(*group, *structure, *sections, '.')));
  ASSERT_EQ(group->LayoutCount, 6);
  for (int l = 1; l <= 3; ++l) EXPECT_EQ(TakeLayout(*group, l + 3), TakeLayout(*group, l)) << l;
  EXPECT_EQ(group->ActiveLayout, 6);
  EXPECT_EQ(group->ActiveNode, 0);

  const std::string before = LayoutGroupFileBytes(*group);
  EXPECT_TRUE(PastePoints(*group, *structure, 2, 1, "101\n999\n"));
  EXPECT_TRUE(PasteLayouts(*group, *structure, *sections, "1\t12T15\n101\n\n2\tnessuno\n"));
  EXPECT_EQ(LayoutGroupFileBytes(*group), before);
}

// The inverse pairs an undo step relies on, judged by the file the group
// would be saved as.
TEST_F(Exchange, SnapshotsPutTheGroupBack) {
  FillLayout(*group, 1, 1, 5);
  FillLayout(*group, 2, 2, 4);
  FillLayout(*group, 3, 3, 6);
  group->GroupDescription = "Trave";
  const std::string before = LayoutGroupFileBytes(*group);
  const GroupSnapshot whole = TakeGroup(*group);

  const LayoutSnapshot second = TakeLayout(*group, 2);
  RemoveLayout(*group, 2);
  InsertLayout(*group, 2, second);
  EXPECT_EQ(LayoutGroupFileBytes(*group), before);

  const std::vector<LayoutNode> middle(second.nodes.begin() + 1, second.nodes.begin() + 3);
  RemoveNodes(*group, 2, 2, 2);
  EXPECT_EQ(group->Layouts[2].NodeCount, 2);
  InsertNodes(*group, 2, 1, middle);
  EXPECT_EQ(LayoutGroupFileBytes(*group), before);

  RemoveAllLayouts(*group);
  group->GroupDescription = "Altro";
  RestoreGroup(*group, whole);
  EXPECT_EQ(LayoutGroupFileBytes(*group), before);
}

}  // namespace
