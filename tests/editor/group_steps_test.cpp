#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editor/add_remove_layouts.h"
#include "editor/change_header.h"
#include "editor/change_layout.h"
#include "editor/change_point.h"
#include "editor/group_history.h"
#include "editor/replace_group.h"
#include "layouts/group_file.h"
#include "layouts/layout_operations.h"

namespace {

// A long random run of every kind of step, each made as the window makes it
// (plain operation first, step recorded after), undone to the start and
// redone to the end: the group file bytes must match at both ends, and every
// step must report what it keeps without holding the 11 MB table.
TEST(GroupSteps, RandomRunUndoesToTheStartAndRedoesToTheEnd) {
  auto group = std::make_unique<LayoutGroup>();
  std::string fileName = "primo.cap";
  int shownCount = 0;
  const auto shown = [&shownCount] { ++shownCount; };
  GroupHistory history;
  int notified = 0;
  history.AddListener([&notified] { ++notified; });
  std::mt19937 random(14);
  const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)) + 1; };
  int recorded = 0;
  // The group file and file name after each step, to compare every undo
  // and redo with.
  std::vector<std::string> states;
  const auto push = [&](GroupStep* step) {
    EXPECT_LT(step->Bytes(), 200u * 1024u);
    if (!history.Record(step)) return;
    ++recorded;
    states.push_back(LayoutGroupFileBytes(*group) + fileName);
  };
  auto addLayout = [&] {
    const GroupSelection before = SelectionOf(*group);
    const int layout = group->LayoutCount + 1;
    group->LayoutCount = static_cast<int16_t>(layout);
    Layout& item = group->Layouts[layout];
    item = Layout{};
    item.Name = static_cast<int16_t>(pick(50));
    item.CableType = static_cast<int16_t>(pick(3));
    item.NodeCount = static_cast<int16_t>(pick(30));
    for (int p = 1; p <= item.NodeCount; ++p) {
      SetNodeAt(item, p, {static_cast<int16_t>(pick(9)), 0, pick(1000) / 7.0, -pick(1000) / 3.0, 0.1 * p});
    }
    group->ActiveLayout = static_cast<int16_t>(layout);
    group->ActiveNode = 1;
    push(AddRemoveLayouts::Added(*group, before, shown, layout, 1));
  };
  for (int i = 0; i < 3; ++i) addLayout();
  const int startSteps = recorded;

  for (int step = 0; step < 300; ++step) {
    const GroupSelection before = SelectionOf(*group);
    const int layout = group->LayoutCount > 0 ? pick(group->LayoutCount) : 0;
    switch (layout == 0 ? 0 : pick(6)) {
      case 0:
      case 1:
        if (group->LayoutCount < kEditorMaxLayouts) addLayout();
        break;
      case 2: {
        Layout& item = group->Layouts[layout];
        if (item.NodeCount == 0) break;
        const int point = pick(item.NodeCount);
        const LayoutNode was = NodeAt(item, point);
        item.Y[point] = pick(100) / 9.0;
        push(new ChangePoint(*group, before, shown, layout, point, was));
        break;
      }
      case 3: {
        LayoutSnapshot was = TakeLayout(*group, layout);
        group->Layouts[layout].Name = static_cast<int16_t>(pick(5));
        push(new ChangeLayout(*group, before, shown, layout, std::move(was)));
        break;
      }
      case 4: {
        auto removed = std::vector<LayoutSnapshot>{TakeLayout(*group, layout)};
        RemoveLayout(*group, layout);
        group->ActiveLayout = static_cast<int16_t>(group->LayoutCount);
        push(AddRemoveLayouts::Removed(*group, before, shown, layout, std::move(removed)));
        break;
      }
      case 5: {
        GroupHeader was = TakeHeader(*group);
        group->LoadCondition = static_cast<int16_t>(pick(100));
        push(new ChangeHeader(*group, before, shown, std::move(was)));
        break;
      }
      case 6: {
        GroupSnapshot was = TakeGroup(*group);
        const std::string wasName = fileName;
        RemoveAllLayouts(*group);
        fileName = "altro" + std::to_string(step) + ".cap";
        push(new ReplaceGroup(*group, before, shown, std::move(was), &fileName, wasName));
        break;
      }
    }
  }
  const GroupSelection endSelection = SelectionOf(*group);
  ASSERT_GT(recorded, 200);

  for (int i = recorded - 1; i >= startSteps; --i) {
    history.Undo();
    ASSERT_EQ(LayoutGroupFileBytes(*group) + fileName, states[static_cast<std::size_t>(i - 1)])
        << "undo of step " << i;
  }
  EXPECT_EQ(group->ActiveLayout, 3);
  for (int i = startSteps; i < recorded; ++i) {
    history.Redo();
    ASSERT_EQ(LayoutGroupFileBytes(*group) + fileName, states[static_cast<std::size_t>(i)])
        << "redo of step " << i;
  }
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(group->ActiveLayout, endSelection.ActiveLayout);
  EXPECT_EQ(shownCount, 2 * (recorded - startSteps));
  EXPECT_EQ(notified, recorded + shownCount);
}

// A store that leaves the group as it was records nothing.
TEST(GroupSteps, UnchangedStoresAreNoSteps) {
  auto group = std::make_unique<LayoutGroup>();
  group->LayoutCount = 1;
  group->Layouts[1].NodeCount = 1;
  const GroupSelection here = SelectionOf(*group);
  EXPECT_FALSE(ChangePoint(*group, here, {}, 1, 1, NodeAt(group->Layouts[1], 1)).Changes());
  EXPECT_FALSE(ChangeLayout(*group, here, {}, 1, TakeLayout(*group, 1)).Changes());
  EXPECT_FALSE(ChangeHeader(*group, here, {}, TakeHeader(*group)).Changes());
}

}  // namespace
