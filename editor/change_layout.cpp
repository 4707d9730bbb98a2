#include "editor/change_layout.h"

#include <utility>

ChangeLayout::ChangeLayout(LayoutGroup& group, GroupSelection before, ShowStep shown, int layout,
                           LayoutSnapshot was)
    : GroupStep(group, before, std::move(shown)), layout_(layout), other_(std::move(was)) {
  setText("Modifica tracciato");
}

bool ChangeLayout::Changes() const { return TakeLayout(group_, layout_) != other_; }

void ChangeLayout::SwapRecords() {
  LayoutSnapshot now = TakeLayout(group_, layout_);
  RestoreLayout(group_, layout_, other_);
  other_ = std::move(now);
}
