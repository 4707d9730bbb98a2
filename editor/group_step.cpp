#include "editor/group_step.h"

#include <utility>

GroupSelection SelectionOf(const LayoutGroup& group) {
  return {group.ActiveLayout, group.ActiveNode};
}

GroupStep::GroupStep(LayoutGroup& group, GroupSelection before, ShowStep shown)
    : group_(group), before_(before), after_(before), shown_(std::move(shown)) {}

void GroupStep::redo() {
  if (!pushed_) {
    pushed_ = true;
    return;
  }
  Swap(after_);
}

void GroupStep::undo() { Swap(before_); }

void GroupStep::Swap(GroupSelection selection) {
  SwapRecords();
  group_.ActiveLayout = selection.ActiveLayout;
  group_.ActiveNode = selection.ActiveNode;
  if (shown_) shown_(selection);
}
