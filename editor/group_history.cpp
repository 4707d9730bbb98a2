#include "editor/group_history.h"

#include <utility>

#include "editor/group_step.h"

GroupHistory::GroupHistory() = default;

bool GroupHistory::Record(GroupStep* step) {
  if (!step->Changes()) {
    delete step;
    return false;
  }
  stack_.push(step);
  DropOldSteps();
  Notify();
  return true;
}

void GroupHistory::Undo() {
  if (!CanUndo()) return;
  stack_.undo();
  Notify();
}

void GroupHistory::Redo() {
  if (!stack_.canRedo()) return;
  stack_.redo();
  Notify();
}

void GroupHistory::AddListener(std::function<void()> listener) {
  listeners_.push_back(std::move(listener));
}

std::size_t GroupHistory::Bytes() const {
  std::size_t bytes = 0;
  for (int i = 0; i < stack_.count(); ++i) {
    bytes += static_cast<const GroupStep*>(stack_.command(i))->Bytes();
  }
  return bytes;
}

// The stack cannot forget its oldest commands, so a dropped step gives up
// what it keeps and stays below the floor, never to be undone.
void GroupHistory::DropOldSteps() {
  std::size_t bytes = Bytes();
  while (bytes > kMaxBytes && stack_.index() - floor_ > kSteps) {
    auto* oldest = const_cast<GroupStep*>(static_cast<const GroupStep*>(stack_.command(floor_)));
    const std::size_t before = oldest->Bytes();
    oldest->Drop();
    bytes -= before - oldest->Bytes();
    ++floor_;
  }
}

void GroupHistory::Notify() {
  for (const auto& listener : listeners_) listener();
}
