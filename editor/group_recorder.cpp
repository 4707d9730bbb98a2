#include "editor/group_recorder.h"

#include <utility>

#include "editor/add_remove_layouts.h"
#include "editor/change_header.h"
#include "editor/change_layout.h"
#include "editor/change_point.h"
#include "editor/replace_group.h"
#include "layouts/group_change.h"

GroupRecorder::GroupRecorder(LayoutGroup& group, GroupHistory& history, std::string& fileName,
                             ShowStep shown)
    : group_(group), history_(history), fileName_(fileName), shown_(std::move(shown)) {
  Reset();
  // Undo and redo change the group behind the recorder's back.
  history_.AddListener([this] {
    if (!checking_) Reset();
  });
}

void GroupRecorder::Reset() {
  mirror_ = TakeGroup(group_);
  mirrorFileName_ = fileName_;
  selection_ = Selection();
}

GroupSelection GroupRecorder::Selection() const {
  GroupSelection selection = SelectionOf(group_);
  if (rows_) rows_(selection);
  return selection;
}

void GroupRecorder::Check() {
  checking_ = true;
  if (GroupStep* step = MakeStep()) {
    step->SetAfter(Selection());
    history_.Record(step);
  }
  checking_ = false;
  selection_ = Selection();
}

GroupStep* GroupRecorder::MakeStep() {
  using Kind = GroupChange::Kind;
  if (fileName_ != mirrorFileName_) {
    auto* step = new ReplaceGroup(group_, selection_, shown_, std::move(mirror_), &fileName_,
                                  mirrorFileName_);
    Reset();
    return step;
  }
  const GroupChange change = FindGroupChange(mirror_, group_);
  auto& layouts = mirror_.layouts;
  const auto index = static_cast<std::size_t>(change.layout - 1);
  switch (change.kind) {
    case Kind::kNone:
      return nullptr;
    case Kind::kHeader: {
      GroupHeader was = mirror_.header;
      mirror_.header = TakeHeader(group_);
      return new ChangeHeader(group_, selection_, shown_, std::move(was));
    }
    case Kind::kPoint: {
      LayoutNode& kept = layouts[index].nodes[static_cast<std::size_t>(change.point - 1)];
      const LayoutNode was = kept;
      kept = NodeAt(group_.Layouts[change.layout], change.point);
      return new ChangePoint(group_, selection_, shown_, change.layout, change.point, was);
    }
    case Kind::kLayout: {
      LayoutSnapshot was = std::exchange(layouts[index], TakeLayout(group_, change.layout));
      return new ChangeLayout(group_, selection_, shown_, change.layout, std::move(was));
    }
    case Kind::kAdded:
      for (int i = 0; i < change.count; ++i)
        layouts.push_back(TakeLayout(group_, change.layout + i));
      return AddRemoveLayouts::Added(group_, selection_, shown_, change.layout, change.count);
    case Kind::kRemoved: {
      std::vector<LayoutSnapshot> removed(
          std::make_move_iterator(layouts.begin() + static_cast<std::ptrdiff_t>(index)),
          std::make_move_iterator(layouts.begin() + static_cast<std::ptrdiff_t>(index) +
                                  change.count));
      layouts.erase(layouts.begin() + static_cast<std::ptrdiff_t>(index),
                    layouts.begin() + static_cast<std::ptrdiff_t>(index) + change.count);
      mirror_.header = TakeHeader(group_);
      return AddRemoveLayouts::Removed(group_, selection_, shown_, change.layout,
                                       std::move(removed));
    }
    case Kind::kReplaced: {
      auto* step = new ReplaceGroup(group_, selection_, shown_, std::move(mirror_), nullptr, {});
      Reset();
      return step;
    }
  }
  return nullptr;
}
