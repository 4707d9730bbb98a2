#pragma once

#include <vector>

#include "editor/group_step.h"
#include "layouts/group_snapshot.h"

// Layouts first..first+n-1 made (new, copy, paste) or removed. Keeps the
// layouts taken out of the group: none while they are in it.
class AddRemoveLayouts : public GroupStep {
 public:
  // added: the layouts are in the group now. removed: `layouts` holds them.
  static AddRemoveLayouts* Added(LayoutGroup& group, GroupSelection before, ShowStep shown,
                                 int first, int count);
  static AddRemoveLayouts* Removed(LayoutGroup& group, GroupSelection before, ShowStep shown,
                                   int first, std::vector<LayoutSnapshot> layouts);
  bool Changes() const override { return count_ > 0; }
  void Drop() override { out_ = {}; }
  std::size_t Bytes() const override;

 private:
  AddRemoveLayouts(LayoutGroup& group, GroupSelection before, ShowStep shown, int first, int count,
                   std::vector<LayoutSnapshot> layouts);
  void SwapRecords() override;
  int first_;
  int count_;
  std::vector<LayoutSnapshot> out_;  // empty while the layouts are in the group
};
