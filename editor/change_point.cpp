#include "editor/change_point.h"

ChangePoint::ChangePoint(LayoutGroup& group, GroupSelection before, ShowStep shown, int layout,
                         int point, const LayoutNode& was)
    : GroupStep(group, before, std::move(shown)), layout_(layout), point_(point), other_(was) {
  setText("Modifica punto");
}

bool ChangePoint::Changes() const { return NodeAt(group_.Layouts[layout_], point_) != other_; }

void ChangePoint::SwapRecords() {
  Layout& layout = group_.Layouts[layout_];
  const LayoutNode now = NodeAt(layout, point_);
  SetNodeAt(layout, point_, other_);
  other_ = now;
}
