#pragma once

#include "editor/group_step.h"

// One point's values changed: a field stored, a reference vertex picked.
// Keeps one point (32 bytes).
class ChangePoint : public GroupStep {
 public:
  ChangePoint(LayoutGroup& group, GroupSelection before, ShowStep shown, int layout, int point,
              const LayoutNode& was);
  bool Changes() const override;
  std::size_t Bytes() const override { return sizeof *this; }

 private:
  void SwapRecords() override;
  int layout_;
  int point_;
  LayoutNode other_;
};
