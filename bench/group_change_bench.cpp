// The step check the window runs after every input event, on a full group
// (200 layouts of 1999 points) where one point changed: it must stay far
// below what a user notices (a few milliseconds).

#include <benchmark/benchmark.h>

#include <memory>

#include "layouts/group_change.h"
#include "layouts/group_snapshot.h"

namespace {

std::unique_ptr<LayoutGroup> FullGroup() {
  auto group = std::make_unique<LayoutGroup>();
  group->LayoutCount = kEditorMaxLayouts;
  for (int l = 1; l <= kEditorMaxLayouts; ++l) {
    Layout& layout = group->Layouts[l];
    layout.NodeCount = kEditorMaxLayoutNodes;
    for (int p = 1; p <= kEditorMaxLayoutNodes; ++p) SetNodeAt(layout, p, {1, 0, p * 0.1, -p * 0.2, 0.0});
  }
  return group;
}

void BM_FindGroupChangeOnFullGroup(benchmark::State& state) {
  auto group = FullGroup();
  const GroupSnapshot was = TakeGroup(*group);
  group->Layouts[kEditorMaxLayouts].Y[kEditorMaxLayoutNodes] = 7.0;
  for (auto _ : state) benchmark::DoNotOptimize(FindGroupChange(was, *group));
  state.counters["mirror_bytes"] = static_cast<double>(SnapshotBytes(was));
}
BENCHMARK(BM_FindGroupChangeOnFullGroup)->Unit(benchmark::kMillisecond);

void BM_TakeFullGroup(benchmark::State& state) {
  auto group = FullGroup();
  for (auto _ : state) benchmark::DoNotOptimize(TakeGroup(*group));
}
BENCHMARK(BM_TakeFullGroup)->Unit(benchmark::kMillisecond);

}  // namespace
