#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editor/change_header.h"
#include "editor/change_layout.h"
#include "editor/change_point.h"
#include "editor/group_history.h"
#include "editor/group_recorder.h"
#include "layouts/group_file.h"
#include "layouts/layout_operations.h"

namespace {

// A long random run of every kind of change, made by the plain operations as
// the window's handlers make them and recorded after each: every undo and
// redo must give back the group file (and file name) as it stood, and no
// step but a replacement may keep more than a layout.
TEST(GroupSteps, RandomRunUndoesAndRedoesEveryStep) {
  auto group = std::make_unique<LayoutGroup>();
  std::string fileName = "primo.cap";
  int shownCount = 0;
  GroupHistory history;
  GroupRecorder recorder(*group, history, fileName,
                         [&shownCount](const GroupSelection&) { ++shownCount; });
  std::mt19937 random(14);
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n)) + 1;
  };
  std::vector<std::string> states{LayoutGroupFileBytes(*group) + fileName};
  int recorded = 0;
  int replaced = 0;
  const auto record = [&] {
    const int before = history.Stack().count();
    recorder.Check();
    if (history.Stack().count() == before) return;
    ++recorded;
    states.push_back(LayoutGroupFileBytes(*group) + fileName);
    const auto* step = static_cast<const GroupStep*>(history.Stack().command(before));
    if (dynamic_cast<const ChangePoint*>(step) != nullptr ||
        dynamic_cast<const ChangeHeader*>(step) != nullptr) {
      EXPECT_LT(step->Bytes(), 256u);
    }
  };
  auto addLayout = [&] {
    const int layout = group->LayoutCount + 1;
    group->LayoutCount = static_cast<int16_t>(layout);
    Layout& item = group->Layouts[layout];
    item.Name = static_cast<int16_t>(pick(50));
    item.CableType = static_cast<int16_t>(pick(3));
    item.NodeCount = static_cast<int16_t>(pick(30));
    for (int p = 1; p <= item.NodeCount; ++p) {
      SetNodeAt(item, p,
                {static_cast<int16_t>(pick(9)), 0, pick(1000) / 7.0, -pick(1000) / 3.0, 0.1 * p});
    }
    group->ActiveLayout = static_cast<int16_t>(layout);
  };
  for (int step = 0; step < 400; ++step) {
    const int layout = group->LayoutCount > 0 ? pick(group->LayoutCount) : 0;
    Layout& item = group->Layouts[layout > 0 ? layout : 1];
    switch (layout == 0 ? 0 : pick(8)) {
      case 0:
      case 1:
        if (group->LayoutCount < kEditorMaxLayouts) addLayout();
        break;
      case 2:
        if (item.NodeCount > 0) item.Y[pick(item.NodeCount)] = pick(100) / 9.0;
        break;
      case 3:
        item.Name = static_cast<int16_t>(pick(5));
        break;
      case 4:
        if (item.NodeCount > 1) {
          group->ActiveLayout = static_cast<int16_t>(layout);
          RemoveNode(*group, pick(item.NodeCount));
        }
        break;
      case 5:
        RemoveLayout(*group, layout);
        break;
      case 6:
        group->LoadCondition = static_cast<int16_t>(pick(100));
        break;
      case 7:
        group->ActiveNode = static_cast<int16_t>(pick(9));  // navigation only: no step
        break;
      case 8:
        if (pick(4) == 1) {
          RemoveAllLayouts(*group);
          fileName = "altro" + std::to_string(step) + ".cap";
          ++replaced;
        }
        break;
    }
    record();
  }
  ASSERT_GT(recorded, 250);
  ASSERT_GT(replaced, 0);

  for (int i = recorded; i >= 1; --i) {
    history.Undo();
    ASSERT_EQ(LayoutGroupFileBytes(*group) + fileName, states[static_cast<std::size_t>(i - 1)])
        << "undo of step " << i;
  }
  EXPECT_FALSE(history.CanUndo());
  for (int i = 1; i <= recorded; ++i) {
    history.Redo();
    recorder.Check();  // an undo or redo is no new step
    ASSERT_EQ(LayoutGroupFileBytes(*group) + fileName, states[static_cast<std::size_t>(i)])
        << "redo of step " << i;
  }
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(shownCount, 2 * recorded);
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
