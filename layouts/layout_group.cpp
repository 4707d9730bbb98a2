#include "layouts/layout_group.h"

LayoutNode NodeAt(const Layout& layout, int point) {
  return {layout.NodeIndex[point], layout.RefVertex[point], layout.Y[point], layout.Z[point],
          layout.AngDistortion[point]};
}

void SetNodeAt(Layout& layout, int point, const LayoutNode& node) {
  layout.NodeIndex[point] = node.NodeIndex;
  layout.RefVertex[point] = node.RefVertex;
  layout.Y[point] = node.Y;
  layout.Z[point] = node.Z;
  layout.AngDistortion[point] = node.AngDistortion;
}
