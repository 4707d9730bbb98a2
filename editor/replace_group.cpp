#include "editor/replace_group.h"

#include <utility>

ReplaceGroup::ReplaceGroup(LayoutGroup& group, GroupSelection before, ShowStep shown,
                           GroupSnapshot was, std::string* fileName, std::string wasFileName)
    : GroupStep(group, before, std::move(shown)),
      other_(std::move(was)),
      fileName_(fileName),
      otherFileName_(std::move(wasFileName)) {
  setText("Nuovo gruppo");
}

void ReplaceGroup::SwapRecords() {
  GroupSnapshot now = TakeGroup(group_);
  RestoreGroup(group_, other_);
  other_ = std::move(now);
  if (fileName_ != nullptr) std::swap(*fileName_, otherFileName_);
}
