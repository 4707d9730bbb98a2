#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "drawing/compact_drawing.h"
#include "drawing/drawing_writer.h"
#include "tests/drawing/drawing_test_support.h"
#include "tests/drawing/literal_compaction.h"

namespace {

// Lines in every direction, all about as long as each other, with pieces of
// them drawn again on top (some moved off to the side just beyond reach):
// a holder that crosses the side or the corner of a grid cell must still
// find the pieces that start in any cell it touches, whichever the cells
// turn out to be for the drawing.
TEST(CompactDrawing, AgreesOnPiecesOfLinesOfSimilarLength) {
  std::mt19937_64 random(31);
  const auto uniform = [&](double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(random);
  };
  for (int round = 0; round < 30; ++round) {
    auto d = NewDrawing();
    const auto add = [&](double x, double y) {
      d->Points[static_cast<std::size_t>(d->PointCount)] = {x, y};
      return d->PointCount++;
    };
    const double size = round % 2 == 0 ? 1.0 : 250.0;
    for (int holder = 0; holder < 150; ++holder) {
      const double ax = uniform(-20, 20) * size, ay = uniform(-20, 20) * size;
      const double angle = uniform(0, 6.3), length = uniform(0.5, 1.5) * size;
      const double dx = length * std::cos(angle), dy = length * std::sin(angle);
      d->Lines[static_cast<std::size_t>(d->LineCount++)] = {add(ax, ay), add(ax + dx, ay + dy), 0,
                                                            0};
      for (int piece = 0; piece < 2; ++piece) {
        const double t1 = uniform(0, 1), t2 = uniform(0, 1);
        const double off = piece == 1 && holder % 3 == 0 ? 1.5 * kDrawingTolerance / length : 0.0;
        d->Lines[static_cast<std::size_t>(d->LineCount++)] = {
            add(ax + t1 * dx - off * dy, ay + t1 * dy + off * dx),
            add(ax + t2 * dx - off * dy, ay + t2 * dy + off * dx), 3, 1};
      }
    }
    auto literal = std::make_unique<DrawingFile>(*d);
    CompactDrawing(*d);
    CompactDrawingLiterally(*literal);
    ASSERT_EQ(DrawingFileBytes(*d, "."), DrawingFileBytes(*literal, ".")) << "round " << round;
  }
}

}  // namespace
