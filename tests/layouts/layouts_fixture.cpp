#include "tests/layouts/layouts_fixture.h"

#include <algorithm>

std::unique_ptr<StructureModel> MakeStructure(int nodes,
                                              std::initializer_list<int> withoutSection) {
  auto model = std::make_unique<StructureModel>();
  model->StructureNodeCount = static_cast<int16_t>(nodes);
  for (int j = 1; j <= nodes; ++j) {
    model->StructureNodes[j] = {static_cast<int16_t>(100 + j), 1, static_cast<int16_t>(j - 1)};
    model->NodeCoordinates[j] = {static_cast<double>(j), 0.0, 0.0};
  }
  for (const int j : withoutSection) model->StructureNodes[j].SectionIndex = kNoSection;
  for (int e = 1; e < nodes; ++e) {
    model->Elements[e] = {static_cast<int16_t>(e), 0, static_cast<int16_t>(e),
                          static_cast<int16_t>(e + 1)};
    model->MemberElements[e] = static_cast<int16_t>(e);
  }
  model->ElementCount = static_cast<int16_t>(nodes > 0 ? nodes - 1 : 0);
  model->MemberElementCount = model->ElementCount;
  return model;
}

void FillLayout(LayoutGroup& group, int layout, int name, int points) {
  group.LayoutCount = static_cast<int16_t>(std::max<int>(group.LayoutCount, layout));
  Layout& item = group.Layouts[layout];
  item.Name = static_cast<int16_t>(name);
  item.CableType = 2;
  item.NodeCount = static_cast<int16_t>(points);
  for (int p = 1; p <= points; ++p) {
    SetNodeAt(item, p, {static_cast<int16_t>(1 + p % 3), static_cast<int16_t>(100 * (p % 2) + p),
                        0.1 + 0.2 * p + layout, -1.0 / (3 * p), p * 1e-17});
  }
}
