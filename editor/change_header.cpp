#include "editor/change_header.h"

#include <utility>

ChangeHeader::ChangeHeader(LayoutGroup& group, GroupSelection before, ShowStep shown,
                           GroupHeader was)
    : GroupStep(group, before, std::move(shown)), other_(std::move(was)) {
  setText("Modifica intestazione");
}

bool ChangeHeader::Changes() const {
  return group_.GroupDescription != other_.GroupDescription ||
         group_.LoadCondition != other_.LoadCondition || group_.GroupParamA != other_.GroupParamA ||
         group_.GroupParamB != other_.GroupParamB;
}

// Only the header's own values: the counts and the selection are other
// steps' business.
void ChangeHeader::SwapRecords() {
  GroupHeader now = TakeHeader(group_);
  group_.GroupDescription = std::move(other_.GroupDescription);
  group_.LoadCondition = other_.LoadCondition;
  group_.GroupParamA = other_.GroupParamA;
  group_.GroupParamB = other_.GroupParamB;
  other_ = std::move(now);
}
