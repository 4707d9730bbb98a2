#pragma once

#include <QUndoStack>
#include <cstddef>
#include <functional>
#include <vector>

class GroupStep;

// The window's history of group steps, and the one place that learns the
// group changed: every step recorded, undone or redone calls the listeners,
// so a window showing the group follows every change by one hook.
class GroupHistory {
 public:
  // At least this many steps are kept, however large they are; older ones
  // are dropped once the history holds more than kMaxBytes.
  static constexpr int kSteps = 100;
  static constexpr std::size_t kMaxBytes = std::size_t{256} * 1024 * 1024;

  GroupHistory();

  // Takes the step: pushes it when it changed the group, deletes it when the
  // change left the group as it was. True when it was recorded.
  bool Record(GroupStep* step);
  void Undo();
  void Redo();
  bool CanUndo() const { return stack_.index() > floor_; }
  bool CanRedo() const { return stack_.canRedo(); }

  void AddListener(std::function<void()> listener);

  // What the steps held keep in memory.
  std::size_t Bytes() const;
  QUndoStack& Stack() { return stack_; }

 private:
  void Notify();
  void DropOldSteps();
  QUndoStack stack_;
  // Steps below this index were dropped: undo stops there.
  int floor_ = 0;
  std::vector<std::function<void()>> listeners_;
};
