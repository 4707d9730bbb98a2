#pragma once

#include <functional>
#include <string>
#include <utility>

#include "editor/group_history.h"
#include "editor/group_step.h"
#include "layouts/group_snapshot.h"

// Turns whatever the window's handlers changed in the group into one step of
// the history, so that no handler has to know undo exists: the window calls
// Check() once an input event has been handled. It keeps a copy of the
// entries in use (up to 200 x 1999 points of 32 bytes for a full group) to
// compare with, and updates only the part a step touched.
class GroupRecorder {
 public:
  // fileName: the group file's name, which "Apri" changes with the group.
  // shown: the window's hook that shows the group after an undo or redo.
  GroupRecorder(LayoutGroup& group, GroupHistory& history, std::string& fileName, ShowStep shown);

  // Records the change since the last call, if any.
  void Check();
  // Takes the group as it is as the base, without a step (start-up).
  void Reset();
  // rows: adds where the window's grids stand to the selection a step keeps.
  void WatchRows(std::function<void(GroupSelection&)> rows) { rows_ = std::move(rows); }

 private:
  GroupStep* MakeStep();
  GroupSelection Selection() const;
  LayoutGroup& group_;
  GroupHistory& history_;
  std::string& fileName_;
  ShowStep shown_;
  GroupSnapshot mirror_;
  std::string mirrorFileName_;
  GroupSelection selection_;
  std::function<void(GroupSelection&)> rows_;
  bool checking_ = false;
};
