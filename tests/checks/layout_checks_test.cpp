#include "checks/layout_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "checks/section_contours.h"

namespace {

// A 100 x 100 box with a 60 x 60 void in the middle, its reference point at
// the centre (in the void).
Section Box() {
  Section s;
  s.ContourCount = 2;
  for (int c = 1; c <= 2; ++c) {
    const double low = c == 1 ? 0 : 20, high = 100 - low;
    const double z[] = {low, high, high, low}, y[] = {low, low, high, high};
    s.VertexCount[c] = 4;
    for (int v = 1; v <= 4; ++v) {
      s.VertexZ[c][v] = z[v - 1];
      s.VertexY[c][v] = y[v - 1];
    }
  }
  s.RefPointZ = s.RefPointY = 50;
  return s;
}

// A straight member along X through nodes 11, 12, ... at the given
// abscissas, every node with the box section except the last one given as
// without.
struct Job {
  std::unique_ptr<StructureModel> structure = std::make_unique<StructureModel>();
  std::unique_ptr<SectionTable> sections = std::make_unique<SectionTable>();
  std::unique_ptr<LayoutGroup> group = std::make_unique<LayoutGroup>();

  Job(const std::vector<double>& abscissas, int nodeWithoutSection) {
    sections->SectionCount = 1;
    sections->Sections[1] = Box();
    const auto nodes = static_cast<int16_t>(abscissas.size());
    structure->StructureNodeCount = nodes;
    structure->ElementCount = structure->MemberElementCount = static_cast<int16_t>(nodes - 1);
    for (int16_t j = 1; j <= nodes; ++j) {
      const int16_t section = j == nodeWithoutSection ? kNoSection : int16_t{1};
      structure->StructureNodes[j] = {static_cast<int16_t>(10 + j), section,
                                      static_cast<int16_t>(j - 1)};
      structure->NodeCoordinates[j] = {abscissas[static_cast<std::size_t>(j - 1)], 0.0, 0.0};
      if (j == nodes) continue;
      structure->Elements[j] = {j, 0, j, static_cast<int16_t>(j + 1)};
      structure->MemberElements[j] = j;
    }
  }

  void Add(const std::vector<LayoutNode>& points) {
    Layout& layout = group->Layouts[++group->LayoutCount];
    layout.NodeCount = static_cast<int16_t>(points.size());
    for (int j = 1; j <= layout.NodeCount; ++j) SetNodeAt(layout, j, points[j - 1]);
  }

  CheckReport Check(CheckOptions options = {}) const {
    return CheckLayouts(*group, *structure, *sections, options);
  }
};

// Each point is measured from its own reference vertex: the section's
// reference point, a vertex of the outline, a vertex of the void.
TEST(LayoutChecks, PointsAreMeasuredFromTheirReferenceVertex) {
  Job job({0, 10, 20, 30, 40, 50, 60, 70}, 8);
  job.Add({
      {1, 0, 0, 0, 0},      // the reference point: in the void, 30 from its edge
      {2, 2, 50, 0, 0},     // on the outline, 50 above outer vertex 2 (100, 0)
      {3, 3, 1, 1, 0},      // outer vertex 3 (100, 100): outside, off the corner
      {4, 101, -2, 10, 0},  // void vertex 1 (20, 20): 2 into the bottom slab
      {5, 103, -2, -2, 0},  // void vertex 3 (80, 80): inside the void
      {5, 100, 50, 50, 0},  // code 100 names vertex 0 of contour 2: nothing
      {6, 5, 10, 10, 0},    // vertex 5 of a 4-vertex contour
      {7, 205, 10, 10, 0},  // a third contour the section does not have
      {8, 0, 0, 0, 0},      // a node without a section
  });
  const CheckReport report = job.Check({3.0, 0.0});
  const struct {
    int point, node;
    FindingKind kind;
    double value;
  } expected[] = {
      {1, 11, FindingKind::InVoid, 30},       {2, 12, FindingKind::CoverTooSmall, 0},
      {3, 13, FindingKind::OutsideConcrete, std::sqrt(2.0)},
      {4, 14, FindingKind::CoverTooSmall, 2}, {5, 15, FindingKind::InVoid, 2},
      {6, 15, FindingKind::NoVertex, 100},    {6, 15, FindingKind::SameNodeTwice, 0},
      {7, 16, FindingKind::NoVertex, 5},      {8, 17, FindingKind::NoVertex, 205},
      {9, 18, FindingKind::NoSection, 0},
  };
  ASSERT_EQ(report.Findings.size(), std::size(expected));
  for (std::size_t k = 0; k < std::size(expected); ++k) {
    const Finding& f = report.Findings[k];
    EXPECT_EQ(f.Layout, 1);
    EXPECT_EQ(f.Point, expected[k].point) << k;
    EXPECT_EQ(f.Node, expected[k].node) << k;
    EXPECT_EQ(f.Kind, expected[k].kind) << k;
    EXPECT_NEAR(f.Value, expected[k].value, 1e-12) << k;
  }
}

// A layout through (0, 0), (10, -5), (20, 0) from the reference point. By hand: the circle through
// those points has its centre on s = 10 at height k with 10² + k² = (k + 5)², so k = 7.5 and the
// radius is 12.5. A straight layout and one of a single point have no radius.
TEST(LayoutChecks, ParabolaRadiusAndLayoutsWithoutBends) {
  Job job({0, 10, 20}, 0);
  job.Add({{1, 0, 0, 0, 0}, {2, 0, -5, 0, 0}, {3, 0, 0, 0, 0}});
  job.Add({{1, 0, -40, 0, 0}, {2, 0, -40, 0, 0}, {3, 0, -40, 0, 0}});
  job.Add({{1, 0, -40, 0, 0}});

  const CheckReport report = job.Check({0.0, 12.6});
  ASSERT_EQ(report.Smallest.size(), 3u);
  const SmallestRadius& bend = report.Smallest[0];
  EXPECT_EQ(bend.Point, 2);
  EXPECT_EQ(bend.Node, 12);
  EXPECT_FALSE(bend.InPlan);
  EXPECT_NEAR(bend.Radius, 12.5, 12.5e-9);
  EXPECT_EQ(report.Smallest[1].Point, 0) << "a straight layout has no radius";
  EXPECT_EQ(report.Smallest[2].Point, 0);

  // The bent layout's points are in the void (the reference point is there);
  // below 12.6 its bend is reported, at its own radius not; the short layout
  // has too few points.
  std::vector<FindingKind> kinds;
  for (const Finding& f : report.Findings) kinds.push_back(f.Kind);
  EXPECT_EQ(kinds, (std::vector<FindingKind>{FindingKind::InVoid, FindingKind::InVoid,
                                             FindingKind::RadiusInElevation, FindingKind::InVoid,
                                             FindingKind::TooFewPoints}));
  EXPECT_EQ(job.Check({0.0, bend.Radius}).Findings.size(), 4u) << "the minimum itself is no bend";
}

}  // namespace
