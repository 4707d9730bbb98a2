#include "editor/add_remove_layouts.h"

#include <utility>

#include "layouts/layout_operations.h"

AddRemoveLayouts::AddRemoveLayouts(LayoutGroup& group, GroupSelection before, ShowStep shown,
                                   int first, int count, std::vector<LayoutSnapshot> layouts)
    : GroupStep(group, before, std::move(shown)),
      first_(first),
      count_(count),
      out_(std::move(layouts)) {
  setText(out_.empty() ? "Nuovi tracciati" : "Rimozione tracciati");
}

AddRemoveLayouts* AddRemoveLayouts::Added(LayoutGroup& group, GroupSelection before, ShowStep shown,
                                          int first, int count) {
  return new AddRemoveLayouts(group, before, std::move(shown), first, count, {});
}

AddRemoveLayouts* AddRemoveLayouts::Removed(LayoutGroup& group, GroupSelection before,
                                            ShowStep shown, int first,
                                            std::vector<LayoutSnapshot> layouts) {
  const int count = static_cast<int>(layouts.size());
  return new AddRemoveLayouts(group, before, std::move(shown), first, count, std::move(layouts));
}

std::size_t AddRemoveLayouts::Bytes() const {
  std::size_t bytes = sizeof *this;
  for (const LayoutSnapshot& layout : out_) bytes += SnapshotBytes(layout);
  return bytes;
}

void AddRemoveLayouts::SwapRecords() {
  if (out_.empty()) {
    for (int i = 0; i < count_; ++i) out_.push_back(TakeLayout(group_, first_ + i));
    for (int i = 0; i < count_; ++i) RemoveLayout(group_, first_);
    return;
  }
  for (int i = 0; i < count_; ++i) {
    InsertLayout(group_, first_ + i, out_[static_cast<std::size_t>(i)]);
  }
  out_.clear();
  out_.shrink_to_fit();
}
