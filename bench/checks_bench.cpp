// Time of "Verifica" on a full group: 199 layouts of 1999 points on a girder
// curved in elevation and plan, every node with the example's box section
// (outline of 12 vertices, void of 6), cover and radius both asked. The user
// waits for it after pressing the button.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "checks/layout_checks.h"

namespace {

constexpr int kNodes = kEditorMaxLayoutNodes;

struct Job {
  std::unique_ptr<StructureModel> structure = std::make_unique<StructureModel>();
  std::unique_ptr<SectionTable> sections = std::make_unique<SectionTable>();
  std::unique_ptr<LayoutGroup> group = std::make_unique<LayoutGroup>();
};

void SetContour(Section& s, int contour, const double (*zy)[2], int count) {
  s.VertexCount[contour] = static_cast<int16_t>(count);
  for (int v = 1; v <= count; ++v) {
    s.VertexZ[contour][v] = zy[v - 1][0];
    s.VertexY[contour][v] = zy[v - 1][1];
  }
}

std::unique_ptr<Job> MakeJob() {
  auto job = std::make_unique<Job>();
  StructureModel& s = *job->structure;
  for (int n = 1; n <= kNodes; ++n) {
    s.StructureNodes[n] = {static_cast<int16_t>(1000 + n), 1, static_cast<int16_t>(n - 1)};
    const double x = 100.0 * (n - 1);
    s.NodeCoordinates[n] = {x, 0.002 * x * std::sin(x / 9000.0), 150.0 * std::sin(x / 20000.0)};
  }
  for (int e = 1; e < kNodes; ++e) {
    s.Elements[e] = {static_cast<int16_t>(e), 0, static_cast<int16_t>(e),
                     static_cast<int16_t>(e + 1)};
    s.MemberElements[e] = static_cast<int16_t>(e);
  }
  s.StructureNodeCount = kNodes;
  s.ElementCount = s.MemberElementCount = kNodes - 1;

  const double outer[12][2] = {{-240, 0},   {240, 0},    {250, 10},   {300, 170},
                               {360, 185},  {450, 198},  {450, 220},  {-450, 220},
                               {-450, 198}, {-360, 185}, {-300, 170}, {-250, 10}};
  const double inner[6][2] = {{-205, 25}, {-248, 162}, {-190, 192},
                              {190, 192}, {248, 162},  {205, 25}};
  job->sections->SectionCount = 1;
  Section& box = job->sections->Sections[1];
  box.ContourCount = 2;
  SetContour(box, 1, outer, 12);
  SetContour(box, 2, inner, 6);
  box.RefPointY = 135.0;

  LayoutGroup& g = *job->group;
  g.LayoutCount = kEditorMaxLayouts;
  for (int l = 1; l <= g.LayoutCount; ++l) {
    Layout& layout = g.Layouts[l];
    layout.NodeCount = kEditorMaxLayoutNodes;
    for (int j = 1; j <= layout.NodeCount; ++j) {
      const double sag = -100.0 * std::sin(j / 40.0) * std::sin(j / 40.0);
      SetNodeAt(layout, j, {static_cast<int16_t>(j), 0, sag, -230.0 + l, 0.0});
    }
  }
  return job;
}

void BM_VerifyFullGroup(benchmark::State& state) {
  const auto job = MakeJob();
  const CheckOptions options{5.0, 1000.0};
  for (auto _ : state) {
    const CheckReport report = CheckLayouts(*job->group, *job->structure, *job->sections, options);
    benchmark::DoNotOptimize(report.Findings.data());
  }
}
BENCHMARK(BM_VerifyFullGroup)->Unit(benchmark::kMillisecond);

}  // namespace
