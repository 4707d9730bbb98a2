#include "tests/layouts/layouts_fixture.h"

#include <algorithm>
#include <numeric>

std::unique_ptr<StructureModel> MemberAt(const std::vector<double>& abscissas, int first,
                                         std::initializer_list<int> withoutSection) {
  auto model = std::make_unique<StructureModel>();
  const int nodes = static_cast<int>(abscissas.size());
  model->StructureNodeCount = static_cast<int16_t>(nodes);
  for (int j = 1; j <= nodes; ++j) {
    const double s = abscissas[static_cast<std::size_t>(j - 1)];
    const auto number = static_cast<int16_t>(first + j - 1);
    model->StructureNodes[j] = {number, 1, static_cast<int16_t>(j - 1)};
    model->NodeCoordinates[j] = {0.6 * s, 0.8 * s, 7.0 * j};
  }
  for (const int j : withoutSection) model->StructureNodes[j].SectionIndex = kNoSection;
  const int elements = nodes - 1;
  model->ElementCount = static_cast<int16_t>(elements);
  model->MemberElementCount = static_cast<int16_t>(elements);
  for (int e = 1; e <= elements; ++e) {
    model->Elements[elements - e + 1] = {static_cast<int16_t>(20 + e), 0, static_cast<int16_t>(e),
                                         static_cast<int16_t>(e + 1)};
    model->MemberElements[e] = static_cast<int16_t>(20 + e);
  }
  return model;
}

std::unique_ptr<StructureModel> MakeStructure(int nodes,
                                              std::initializer_list<int> withoutSection) {
  std::vector<double> abscissas(static_cast<std::size_t>(nodes));
  std::iota(abscissas.begin(), abscissas.end(), 0.0);
  return MemberAt(abscissas, 101, withoutSection);
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
