#include "section_view/symmetry.h"

#include "common/min_max.h"

namespace {

int ActivePointCount(const LayoutGroup& group) {
  const int layout = group.ActiveLayout;
  if (layout < 1 || layout > MinOf<int>(group.LayoutCount, kMaxLayouts)) return 0;
  return MinOf<int>(group.Layouts[layout].NodeCount, kMaxLayoutNodes);
}

}  // namespace

void MirrorLayout(LayoutGroup& group, int axis) {
  const int count = ActivePointCount(group);
  if (count < 1 || (axis != 1 && axis != 2)) return;
  auto& values =
      axis == 1 ? group.Layouts[group.ActiveLayout].Z : group.Layouts[group.ActiveLayout].Y;
  // 0 - v rather than -v: a point on the axis stays at 0, not at a negative
  // zero that a number form could spell "-0".
  for (int p = 1; p <= count; ++p) values[p] = 0.0 - values[p];
}

NodeRows RowsAfterMirror(const LayoutGroup& group) {
  const int count = ActivePointCount(group);
  return {static_cast<int16_t>(MaxOf(count - (kNodeRowsShown - 1), 1)),
          static_cast<int16_t>(count)};
}
