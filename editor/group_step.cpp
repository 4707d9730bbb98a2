#include "editor/group_step.h"

#include <utility>

GroupSelection SelectionOf(const LayoutGroup& group) {
  return {group.ActiveLayout, group.ActiveNode};
}

GroupStep::GroupStep(LayoutGroup& group, GroupSelection before, std::function<void()> shown)
    : group_(group), selection_(before), shown_(std::move(shown)) {}

void GroupStep::redo() {
  if (!pushed_) {
    pushed_ = true;
    return;
  }
  Swap();
}

void GroupStep::undo() { Swap(); }

void GroupStep::Swap() {
  SwapRecords();
  const GroupSelection now = SelectionOf(group_);
  group_.ActiveLayout = selection_.ActiveLayout;
  group_.ActiveNode = selection_.ActiveNode;
  selection_ = now;
  if (shown_) shown_();
}
