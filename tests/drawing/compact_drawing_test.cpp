#include "drawing/compact_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "drawing/drawing_writer.h"
#include "tests/drawing/drawing_test_support.h"
#include "tests/drawing/literal_compaction.h"

namespace {

// Uniform draws from one seeded engine: a real in [a, b), an index below count.
struct Draws {
  explicit Draws(uint64_t seed) : engine(seed) {}
  double operator()(double a, double b) { return std::uniform_real_distribution(a, b)(engine); }
  int32_t operator()(int32_t count) { return std::uniform_int_distribution(0, count - 1)(engine); }
  std::mt19937_64 engine;
};

// Random drawings full of the cases compaction must get right: repeated,
// reversed, contained, collinear and overlapping segments, points equal to
// others or just inside or outside the tolerance, lines of every colour and
// type, repeated arcs, a marker and a text; in every seventh drawing,
// coordinates no member has and no numbers at all.
void FillRandomly(DrawingFile& d, uint64_t seed, int points, int lines, int arcs, double scale) {
  Draws uniform(seed), &index = uniform;
  const double inf = std::numeric_limits<double>::infinity();
  const double wild[] = {1e13, 1e13 + 0.00005, std::nan(""), inf, -inf, 1e300, -1e300, 5e-5};
  for (int i = 0; i < points; ++i) {
    if (seed % 7 == 0 && index(8) == 0) {
      AddPoint(d, wild[index(8)], index(2) ? wild[index(8)] : 0.0);
      continue;
    }
    if (d.PointCount < 2 || uniform(0, 1) < 0.3) {
      AddPoint(d, std::round(uniform(-5, 5)) * scale, std::round(uniform(-5, 5)) * scale);
      continue;
    }
    const DrawingPoint a = PointAt(d, index(d.PointCount));
    const DrawingPoint b = PointAt(d, index(d.PointCount));
    const double steps[] = {0.0, 0.00003, 0.00005, 0.0000999, 0.0001, 0.00015};
    const double ts[] = {0.0, 0.25, 0.5, 1.0, uniform(0, 1), -0.5, 1.5, 2.0};
    const double t = ts[index(8)];
    // Across the segment, up to and just beyond the tolerance's reach there.
    const double length = std::hypot(b.X - a.X, b.Y - a.Y);
    const double reach = std::sqrt(kDrawingTolerance * length / 2.0) / std::max(length, 1e-9);
    const double factors[] = {0.0, 0.0, 0.5, 0.999, 1.001, 300.0};
    const double off = factors[index(6)] * reach * (index(2) ? 1 : -1);
    if (index(3) == 0) {
      AddPoint(d, a.X + steps[index(6)] * (index(2) ? 1 : -1), a.Y + steps[index(6)]);
    } else {
      AddPoint(d, a.X + t * (b.X - a.X) - off * (b.Y - a.Y),
               a.Y + t * (b.Y - a.Y) + off * (b.X - a.X));
    }
  }
  const int16_t colours[] = {-1, 0, 1, 1, 3, 5, 5, 5};
  const int16_t types[] = {-1, 0, 1, 1, 1, 1};
  for (int i = 0; i < lines; ++i) {
    int32_t a = index(d.PointCount), b = index(d.PointCount);
    if (d.LineCount > 0 && index(5) == 0) {  // again, maybe reversed
      const DrawingLine& copy = d.Lines[static_cast<std::size_t>(index(d.LineCount))];
      a = index(2) ? copy.StartPoint : copy.EndPoint;
      b = a == copy.StartPoint ? copy.EndPoint : copy.StartPoint;
    }
    AddLineEntry(d, a, b, colours[index(8)], types[index(6)]);
  }
  for (int i = 0; i < arcs; ++i) {
    const int32_t centre = index(d.PointCount), start = index(d.PointCount);
    DrawingArc arc{centre, start, centre, index(d.PointCount), int16_t(1 + index(2)), 0};
    if (d.ArcCount > 0 && index(3) > 0) arc = d.Arcs[static_cast<std::size_t>(index(d.ArcCount))];
    d.Arcs[static_cast<std::size_t>(d.ArcCount++)] = arc;
  }
  if (index(5) == 0) {
    d.Markers[0] = {index(d.PointCount), 1, 2};
    d.Texts[0] = {index(d.PointCount)};
    d.MarkerCount = d.TextCount = 1;
  }
}

// The same entries, in the same order, with the same indices (markers and
// texts too): the same bytes in the file. The two copies are made once for
// all calls: fresh tables of 2 MB for each of thousands of drawings cost
// more than the comparison, ten times more under wine.
void ExpectSameAsLiteral(const DrawingFile& original, const std::string& what) {
  static const auto fast = std::make_unique<DrawingFile>();
  static const auto literal = std::make_unique<DrawingFile>();
  *fast = original;
  *literal = original;
  CompactDrawing(*fast);
  CompactDrawingLiterally(*literal);
  ASSERT_EQ(DrawingFileBytes(*fast, "."), DrawingFileBytes(*literal, ".")) << what;
}

// 3000 small drawings at two scales, and a dozen larger ones with many
// lines to a grid cell.
// The sanitizers slow every step about tenfold: there a sample of the small
// drawings keeps the comparison within the test's time; the large ones all
// run.
#ifdef __SANITIZE_ADDRESS__
constexpr uint64_t kSmallSeedStep = 10;
#else
constexpr uint64_t kSmallSeedStep = 1;
#endif

TEST(CompactDrawing, AgreesWithThePairwiseStepsOnRandomDrawings) {
  auto d = NewDrawing();
  for (uint64_t seed = 1; seed <= 3012; seed += seed < 3000 ? kSmallSeedStep : 1) {
    ResetDrawing(*d);
    const int n = static_cast<int>(seed);
    if (seed <= 3000) FillRandomly(*d, seed, 4 + n % 60, n % 50, n % 12, n % 3 ? 1.0 : 1000.0);
    if (seed > 3000) FillRandomly(*d, seed, 1500, 1500, 300, n % 2 ? 1.0 : 100.0);
    ExpectSameAsLiteral(*d, "seed " + std::to_string(seed));
    if (HasFatalFailure()) return;
  }
}

// Short lines across long ones at the edge of the tolerance, which reaches
// farther across the middle of a longer line (some lie just there), among
// many tiny strokes (as text makes) so that the long lines cross many cells.
TEST(CompactDrawing, AgreesAtTheToleranceOfLongLines) {
  Draws uniform(77);
  const double factors[] = {0.8, 0.97, 0.995, 0.999, 1.005, 1.03};
  for (int round = 0; round < 40; ++round) {
    auto d = NewDrawing();
    for (int i = 0; i < 2000; ++i) {
      const double x = uniform(-5000, 5000), y = uniform(-5000, 5000);
      AddLineEntry(*d, AddPoint(*d, x, y), AddPoint(*d, x + uniform(0, 0.5), y + uniform(0, 0.5)),
                   0, 0);
    }
    for (int k = 0; k < 4; ++k) {
      const double ax = uniform(-5000, 5000), ay = uniform(-5000, 5000);
      const double bx = k == 1 ? ax : uniform(-5000, 5000);  // along a column
      const double by = k == 0 ? ay : uniform(-5000, 5000);  // along a row
      AddLineEntry(*d, AddPoint(*d, ax, ay), AddPoint(*d, bx, by), 0, 0);
      const double length = std::hypot(bx - ax, by - ay);
      const double nx = -(by - ay) / length, ny = (bx - ax) / length;
      for (int s = 0; s < 40; ++s) {
        const double t1 = s % 4 == 0 ? 0.4985 : uniform(0.1, 0.9);
        int32_t ends[2];
        for (int e = 0; e < 2; ++e) {
          const double t = t1 + e * uniform(0.0005, 0.003);
          const double off = factors[(s + e + round) % 6] * (s % 2 ? 1 : -1) *
                             std::sqrt(2.0 * kDrawingTolerance * length * t * (1.0 - t));
          ends[e] = AddPoint(*d, ax + t * (bx - ax) + off * nx, ay + t * (by - ay) + off * ny);
        }
        AddLineEntry(*d, ends[0], ends[1], 3, 1);
      }
    }
    ExpectSameAsLiteral(*d, "round " + std::to_string(round));
    if (HasFatalFailure()) return;
  }
}

}  // namespace
