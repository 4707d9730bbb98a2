#include "editor/change_header.h"

#include <utility>

ChangeHeader::ChangeHeader(LayoutGroup& group, GroupSelection before, std::function<void()> shown,
                           GroupHeader was)
    : GroupStep(group, before, std::move(shown)), other_(std::move(was)) {
  setText("Modifica intestazione");
}

bool ChangeHeader::Changes() const { return TakeHeader(group_) != other_; }

void ChangeHeader::SwapRecords() {
  GroupHeader now = TakeHeader(group_);
  RestoreHeader(group_, other_);
  other_ = std::move(now);
}
