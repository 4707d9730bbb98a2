#pragma once

#include "editor/group_step.h"
#include "layouts/group_snapshot.h"

// One layout changed as a whole: name, cable type, points added, copied,
// removed or pasted, Simmetria, "Crea parabolico". Keeps that layout's points
// in use (32 bytes each), not the table.
class ChangeLayout : public GroupStep {
 public:
  ChangeLayout(LayoutGroup& group, GroupSelection before, ShowStep shown, int layout,
               LayoutSnapshot was);
  bool Changes() const override;
  void Drop() override { other_ = {}; }
  std::size_t Bytes() const override { return sizeof *this + SnapshotBytes(other_); }

 private:
  void SwapRecords() override;
  int layout_;
  LayoutSnapshot other_;
};
