#pragma once

#include <QUndoCommand>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "layouts/layout_group.h"

// Where the window stands in the group: the active layout and point, and the
// items in the first row of each grid (0: as the grids stand).
struct GroupSelection {
  int16_t ActiveLayout = 0;
  int16_t ActiveNode = 0;
  int16_t FirstLayoutShown = 0;
  int16_t FirstNodeShown = 0;
};
GroupSelection SelectionOf(const LayoutGroup& group);

// The window's hook that shows the group after an undo or redo, with the
// grids where the selection had them.
using ShowStep = std::function<void(const GroupSelection&)>;

// One change of the group, recorded after the window made it. A step keeps
// the other side of the change (the part of the group it touched as it was
// before) and swaps it with the group on every undo and redo, so it holds one
// copy, never two. After each swap it calls `shown`, the window's one hook
// that shows the group again as the same change by hand would.
class GroupStep : public QUndoCommand {
 public:
  GroupStep(LayoutGroup& group, GroupSelection before, ShowStep shown);

  // The change is already made when the step is pushed: the first redo only
  // marks it done.
  void redo() override;
  void undo() override;

  // False when the change left the group as it was: no step then.
  virtual bool Changes() const = 0;
  // What the step keeps in memory.
  virtual std::size_t Bytes() const = 0;
  // Gives up what the step keeps; it is never undone or redone afterwards.
  virtual void Drop() {}
  // The active layout and point the change left, which a redo restores.
  void SetAfter(GroupSelection after) { after_ = after; }

 protected:
  // Swaps the kept part with the group's.
  virtual void SwapRecords() = 0;
  LayoutGroup& group_;

 private:
  void Swap(GroupSelection selection);
  GroupSelection before_;
  GroupSelection after_;
  ShowStep shown_;
  bool pushed_ = false;
};
