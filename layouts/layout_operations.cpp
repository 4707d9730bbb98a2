#include "layouts/layout_operations.h"

#include <cassert>
#include <string>
#include <utility>

#include "common/message_catalogue.h"
#include "structure/structure_reader.h"

namespace {

Message Refusal(std::string text) { return {std::move(text), kCaptionProblem, kStyleCritical}; }

Message CatalogueRefusal(int id) { return Refusal(CatalogueText(id)); }

// A first point needs a node of the member; without one nothing is made.
Message NoFirstNode(const char* what) {
  return Refusal(std::string("Primo elemento della membratura non trovato: impossibile creare ") +
                 what);
}

Layout& ActiveLayoutOf(LayoutGroup& group) {
  assert(group.ActiveLayout >= 1 && group.ActiveLayout <= kMaxLayouts && "no active layout");
  return group.Layouts[group.ActiveLayout];
}

}  // namespace

int16_t MemberFirstNode(const StructureModel& structure) {
  if (structure.MemberElementCount < 1) return -1;
  const int16_t element = FindElementByNumber(structure, structure.MemberElements[1]);
  if (element == -1) return -1;
  const int16_t node = structure.Elements[element].FirstNode;
  if (node < 1 || node > structure.StructureNodeCount) return -1;
  return node;
}

std::optional<Message> SetNewTrac(LayoutGroup& group, const StructureModel& structure, int layout) {
  // One past a full table (a file may bring 200 layouts) is refused, not
  // trusted.
  assert(layout >= 1 && "layout outside the table");
  if (layout > kEditorMaxLayouts) return CatalogueRefusal(kMsgTooManyLayouts);
  if (layout == 1 && MemberFirstNode(structure) == -1) return NoFirstNode("il tracciato");

  group.LayoutCount = static_cast<int16_t>(layout);
  Layout& made = group.Layouts[layout];
  if (layout == 1) {
    made.Name = 1;
    made.CableType = 1;
    // Cannot refuse: point 1 is within the table and the first node exists.
    (void)SetNewNodeL(group, structure, 1, 1);
    return std::nullopt;
  }
  CopyLayout(group, layout - 1, layout);
  made.Name = static_cast<int16_t>(layout);
  return std::nullopt;
}

std::optional<Message> SetNewNodeL(LayoutGroup& group, const StructureModel& structure, int layout,
                                   int point) {
  assert(point >= 1 && "point outside the table");
  if (point > kEditorMaxLayoutNodes) return CatalogueRefusal(kMsgTooManyNodes);
  Layout& l = group.Layouts[layout];
  if (point > 1) {
    l.NodeCount = static_cast<int16_t>(point);
    SetNodeAt(l, point, NodeAt(l, point - 1));
    return std::nullopt;
  }
  const int16_t firstNode = MemberFirstNode(structure);
  if (firstNode == -1) return NoFirstNode("il nodo");
  l.NodeCount = 1;
  SetNodeAt(l, 1, LayoutNode{firstNode, 0, 0.0, 0.0, 0.0});
  return std::nullopt;
}

void CopyLayout(LayoutGroup& group, int source, int destination) {
  if (source == destination) return;
  const Layout& from = group.Layouts[source];
  Layout& to = group.Layouts[destination];
  to.Name = from.Name;
  to.NodeCount = from.NodeCount;
  to.CableType = from.CableType;
  for (int j = 1; j <= from.NodeCount; ++j) SetNodeAt(to, j, NodeAt(from, j));
}

void RemoveLayout(LayoutGroup& group, int layout) {
  if (group.LayoutCount < 1) return;
  for (int i = layout; i <= group.LayoutCount - 1; ++i) CopyLayout(group, i + 1, i);
  --group.LayoutCount;
}

void CopyNode(LayoutGroup& group, int source, int destination) {
  Layout& l = ActiveLayoutOf(group);
  SetNodeAt(l, destination, NodeAt(l, source));
}

void RemoveNode(LayoutGroup& group, int point) {
  Layout& l = ActiveLayoutOf(group);
  if (l.NodeCount < 1) return;
  for (int i = point; i <= l.NodeCount - 1; ++i) CopyNode(group, i + 1, i);
  --l.NodeCount;
}

int16_t FindNodeInLayout(const LayoutGroup& group, int layout, int nodeIndex) {
  const Layout& l = group.Layouts[layout];
  for (int j = 1; j <= l.NodeCount; ++j) {
    if (l.NodeIndex[j] == nodeIndex) return static_cast<int16_t>(j);
  }
  return -1;
}

void RemoveAllLayouts(LayoutGroup& group) {
  for (int i = 1; i <= group.LayoutCount; ++i) group.Layouts[i].NodeCount = 0;
  group.LayoutCount = 0;
}

void RemoveAllNodes(LayoutGroup& group) { ActiveLayoutOf(group).NodeCount = 0; }
