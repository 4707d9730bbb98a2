#include "layouts/group_snapshot.h"

#include <cassert>

LayoutSnapshot TakeLayout(const LayoutGroup& group, int layout) {
  const Layout& item = group.Layouts[layout];
  LayoutSnapshot snapshot{item.Name, item.CableType, {}};
  snapshot.nodes.reserve(static_cast<std::size_t>(item.NodeCount));
  for (int point = 1; point <= item.NodeCount; ++point) {
    snapshot.nodes.push_back(NodeAt(item, point));
  }
  return snapshot;
}

void RestoreLayout(LayoutGroup& group, int layout, const LayoutSnapshot& snapshot) {
  assert(snapshot.nodes.size() <= static_cast<std::size_t>(kMaxLayoutNodes) &&
         "more points than the table holds");
  Layout& item = group.Layouts[layout];
  item.Name = snapshot.Name;
  item.CableType = snapshot.CableType;
  item.NodeCount = static_cast<int16_t>(snapshot.nodes.size());
  for (int point = 1; point <= item.NodeCount; ++point) {
    SetNodeAt(item, point, snapshot.nodes[static_cast<std::size_t>(point - 1)]);
  }
}

GroupHeader TakeHeader(const LayoutGroup& group) {
  return {group.GroupDescription, group.LoadCondition, group.GroupParamA, group.GroupParamB,
          group.LayoutCount,      group.ActiveLayout,  group.ActiveNode,  group.ShowAllLayouts};
}

void RestoreHeader(LayoutGroup& group, const GroupHeader& header) {
  group.GroupDescription = header.GroupDescription;
  group.LoadCondition = header.LoadCondition;
  group.GroupParamA = header.GroupParamA;
  group.GroupParamB = header.GroupParamB;
  group.LayoutCount = header.LayoutCount;
  group.ActiveLayout = header.ActiveLayout;
  group.ActiveNode = header.ActiveNode;
  group.ShowAllLayouts = header.ShowAllLayouts;
}

GroupSnapshot TakeGroup(const LayoutGroup& group) {
  GroupSnapshot snapshot{TakeHeader(group), {}};
  snapshot.layouts.reserve(static_cast<std::size_t>(group.LayoutCount));
  for (int layout = 1; layout <= group.LayoutCount; ++layout) {
    snapshot.layouts.push_back(TakeLayout(group, layout));
  }
  return snapshot;
}

void RestoreGroup(LayoutGroup& group, const GroupSnapshot& snapshot) {
  RestoreHeader(group, snapshot.header);
  group.LayoutCount = static_cast<int16_t>(snapshot.layouts.size());
  for (std::size_t i = 0; i < snapshot.layouts.size(); ++i) {
    RestoreLayout(group, static_cast<int>(i) + 1, snapshot.layouts[i]);
  }
}

std::size_t SnapshotBytes(const LayoutSnapshot& snapshot) {
  return sizeof snapshot + snapshot.nodes.capacity() * sizeof(LayoutNode);
}

std::size_t SnapshotBytes(const GroupSnapshot& snapshot) {
  std::size_t bytes = sizeof snapshot + snapshot.header.GroupDescription.capacity();
  for (const LayoutSnapshot& layout : snapshot.layouts) bytes += SnapshotBytes(layout);
  return bytes;
}

void InsertLayout(LayoutGroup& group, int layout, const LayoutSnapshot& snapshot) {
  assert(group.LayoutCount < kMaxLayouts && layout >= 1 && layout <= group.LayoutCount + 1 &&
         "layout insertion outside the table");
  for (int j = group.LayoutCount; j >= layout; --j) {
    Layout& to = group.Layouts[j + 1];
    const Layout& from = group.Layouts[j];
    to.Name = from.Name;
    to.CableType = from.CableType;
    to.NodeCount = from.NodeCount;
    for (int point = 1; point <= from.NodeCount; ++point) SetNodeAt(to, point, NodeAt(from, point));
  }
  ++group.LayoutCount;
  RestoreLayout(group, layout, snapshot);
}

void InsertNodes(LayoutGroup& group, int layout, int after, const std::vector<LayoutNode>& nodes) {
  Layout& item = group.Layouts[layout];
  const int added = static_cast<int>(nodes.size());
  assert(after >= 0 && after <= item.NodeCount && item.NodeCount + added <= kMaxLayoutNodes &&
         "point insertion outside the table");
  for (int point = item.NodeCount; point > after; --point) {
    SetNodeAt(item, point + added, NodeAt(item, point));
  }
  for (int i = 0; i < added; ++i) SetNodeAt(item, after + 1 + i, nodes[static_cast<std::size_t>(i)]);
  item.NodeCount = static_cast<int16_t>(item.NodeCount + added);
}

void RemoveNodes(LayoutGroup& group, int layout, int first, int count) {
  Layout& item = group.Layouts[layout];
  assert(first >= 1 && count >= 0 && first + count - 1 <= item.NodeCount &&
         "point removal outside the layout");
  for (int point = first + count; point <= item.NodeCount; ++point) {
    SetNodeAt(item, point - count, NodeAt(item, point));
  }
  item.NodeCount = static_cast<int16_t>(item.NodeCount - count);
}
