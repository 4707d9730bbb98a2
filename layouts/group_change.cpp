#include "layouts/group_change.h"

#include <algorithm>
#include <cstddef>

namespace {

bool SameContentHeader(const GroupHeader& was, const LayoutGroup& now) {
  return was.GroupDescription == now.GroupDescription && was.LoadCondition == now.LoadCondition &&
         was.GroupParamA == now.GroupParamA && was.GroupParamB == now.GroupParamB;
}

const LayoutSnapshot& At(const GroupSnapshot& snapshot, int layout) {
  return snapshot.layouts[static_cast<std::size_t>(layout - 1)];
}

// The one point where layout `layout` differs from `was`, or 0 when the
// difference is wider (name, cable type, count, more than one point).
int SinglePointDifference(const LayoutGroup& now, int layout, const LayoutSnapshot& was) {
  const Layout& item = now.Layouts[layout];
  if (item.Name != was.Name || item.CableType != was.CableType ||
      item.NodeCount != static_cast<int>(was.nodes.size())) {
    return 0;
  }
  int found = 0;
  for (int point = 1; point <= item.NodeCount; ++point) {
    if (NodeAt(item, point) == was.nodes[static_cast<std::size_t>(point - 1)]) continue;
    if (found != 0) return 0;
    found = point;
  }
  return found;
}

}  // namespace

bool LayoutEquals(const LayoutGroup& group, int layout, const LayoutSnapshot& snapshot) {
  const Layout& item = group.Layouts[layout];
  if (item.Name != snapshot.Name || item.CableType != snapshot.CableType ||
      item.NodeCount != static_cast<int>(snapshot.nodes.size())) {
    return false;
  }
  for (int point = 1; point <= item.NodeCount; ++point) {
    if (!(NodeAt(item, point) == snapshot.nodes[static_cast<std::size_t>(point - 1)])) return false;
  }
  return true;
}

GroupChange FindGroupChange(const GroupSnapshot& was, const LayoutGroup& now) {
  using Kind = GroupChange::Kind;
  const int wasCount = static_cast<int>(was.layouts.size());
  const int nowCount = now.LayoutCount;
  int firstDifferent = 0;
  for (int layout = 1; layout <= std::min(wasCount, nowCount); ++layout) {
    if (!LayoutEquals(now, layout, At(was, layout))) {
      firstDifferent = layout;
      break;
    }
  }
  const bool headerSame = SameContentHeader(was.header, now);
  if (nowCount > wasCount) {
    if (firstDifferent != 0 || !headerSame) return {Kind::kReplaced};
    return {Kind::kAdded, wasCount + 1, 0, nowCount - wasCount};
  }
  if (nowCount < wasCount) {
    const int removed = wasCount - nowCount;
    const int first = firstDifferent == 0 ? nowCount + 1 : firstDifferent;
    for (int layout = first; layout <= nowCount; ++layout) {
      if (!LayoutEquals(now, layout, At(was, layout + removed))) return {Kind::kReplaced};
    }
    if (!headerSame) return {Kind::kReplaced};
    return {Kind::kRemoved, first, 0, removed};
  }
  if (firstDifferent == 0) return {headerSame ? Kind::kNone : Kind::kHeader};
  if (!headerSame) return {Kind::kReplaced};
  for (int layout = firstDifferent + 1; layout <= nowCount; ++layout) {
    if (!LayoutEquals(now, layout, At(was, layout))) return {Kind::kReplaced};
  }
  const int point = SinglePointDifference(now, firstDifferent, At(was, firstDifferent));
  if (point != 0) return {Kind::kPoint, firstDifferent, point};
  return {Kind::kLayout, firstDifferent};
}
