#include "tests/layouts/layouts_fixture.h"

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
