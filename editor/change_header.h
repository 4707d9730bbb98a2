#pragma once

#include "editor/group_step.h"
#include "layouts/group_snapshot.h"

// The description or the load condition stored. Keeps the header only.
class ChangeHeader : public GroupStep {
 public:
  ChangeHeader(LayoutGroup& group, GroupSelection before, ShowStep shown, GroupHeader was);
  bool Changes() const override;
  std::size_t Bytes() const override { return sizeof *this + other_.GroupDescription.capacity(); }

 private:
  void SwapRecords() override;
  GroupHeader other_;
};
