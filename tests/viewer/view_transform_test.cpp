#include "viewer/view_transform.h"

#include <gtest/gtest.h>

namespace {

constexpr double kEps = 1e-9;

TEST(ViewTransform, FitCentresTheBoundsWithEqualUnits) {
  struct Case {
    DrawingBounds bounds;
    double width, height;
    double scale;  // with no margin
  };
  const Case cases[] = {
      {{0, 0, 100, 50}, 400, 300, 4},        // width decides
      {{0, 0, 100, 50}, 400, 100, 2},        // height decides
      {{-20, 1000, 20, 1010}, 80, 1000, 2},  // away from the origin
      {{5, 0, 5, 40}, 300, 200, 5},          // a vertical line: its height decides
      {{0, 7, 60, 7}, 300, 200, 5},          // a horizontal line: its width decides
      {{3, 3, 3, 3}, 300, 200, 1},           // a single point: centred
  };
  for (const Case& c : cases) {
    const ViewTransform t = ViewTransform::Fit(c.bounds, c.width, c.height, 0.0);
    EXPECT_NEAR(t.scale, c.scale, kEps);
    const auto centre =
        t.ToWindow((c.bounds.xmin + c.bounds.xmax) / 2, (c.bounds.ymin + c.bounds.ymax) / 2);
    EXPECT_NEAR(centre.x, c.width / 2, kEps);
    EXPECT_NEAR(centre.y, c.height / 2, kEps);
    // Equal units, drawing Y upwards.
    const auto o = t.ToWindow(0, 0);
    const auto ux = t.ToWindow(1, 0);
    const auto uy = t.ToWindow(0, 1);
    EXPECT_NEAR(ux.x - o.x, -(uy.y - o.y), kEps);
    EXPECT_GT(ux.x - o.x, 0);
    // The whole box is inside the window.
    const auto low = t.ToWindow(c.bounds.xmin, c.bounds.ymin);
    const auto high = t.ToWindow(c.bounds.xmax, c.bounds.ymax);
    EXPECT_GE(low.x, -kEps);
    EXPECT_LE(high.x, c.width + kEps);
    EXPECT_GE(high.y, -kEps);
    EXPECT_LE(low.y, c.height + kEps);
  }
}

TEST(ViewTransform, FitLeavesTheMargin) {
  const ViewTransform t = ViewTransform::Fit({0, 0, 100, 100}, 200, 200, 0.05);
  EXPECT_NEAR(t.ToWindow(0, 0).x, 10, kEps);
  EXPECT_NEAR(t.ToWindow(100, 0).x, 190, kEps);
}

TEST(ViewTransform, ZoomKeepsThePointUnderTheCursor) {
  ViewTransform t = ViewTransform::Fit({0, 0, 100, 50}, 400, 300);
  const double cursors[][2] = {{0, 0}, {123.5, 77.25}, {400, 300}, {-50, 999}};
  for (const auto& cursor : cursors) {
    for (double factor : {1.25, 0.8, 10.0, 0.01}) {
      ViewTransform z = t;
      const auto before = z.ToDrawing(cursor[0], cursor[1]);
      z.ZoomAt(cursor[0], cursor[1], factor);
      EXPECT_NEAR(z.scale, t.scale * factor, 1e-12);
      const auto after = z.ToWindow(before.x, before.y);
      EXPECT_NEAR(after.x, cursor[0], 1e-6);
      EXPECT_NEAR(after.y, cursor[1], 1e-6);
    }
  }
}

TEST(ViewTransform, ZoomStopsBeforeCoordinatesOverflow) {
  ViewTransform t;
  for (int k = 0; k < 200; ++k) t.ZoomAt(10, 10, 1000);
  EXPECT_LE(t.scale, 1e9);
  const auto p = t.ToDrawing(10, 10);
  EXPECT_NEAR(t.ToWindow(p.x, p.y).x, 10, 1e-3);
  t.ZoomAt(10, 10, 0);  // meaningless factors change nothing
  t.ZoomAt(10, 10, -2);
  EXPECT_LE(t.scale, 1e9);
  EXPECT_GT(t.scale, 0);
}

TEST(ViewTransform, PanMovesEveryPointByTheDraggedDistance) {
  ViewTransform t = ViewTransform::Fit({0, 0, 100, 50}, 400, 300);
  const auto before = t.ToWindow(37, -12);
  t.Pan(15.5, -40);
  const auto after = t.ToWindow(37, -12);
  EXPECT_NEAR(after.x - before.x, 15.5, kEps);
  EXPECT_NEAR(after.y - before.y, -40, kEps);
}

TEST(ViewTransform, ClipKeepsThePartInsideTheRectangle) {
  using P = ViewTransform::Point;
  const auto inside = ClipSegment(P{1, 1}, P{5, 5}, 0, 0, 10, 10);
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->second.x, 5);
  const auto crossing = ClipSegment(P{-10, 5}, P{1e12, 5}, 0, 0, 10, 10);
  ASSERT_TRUE(crossing);
  EXPECT_NEAR(crossing->first.x, 0, kEps);
  EXPECT_NEAR(crossing->second.x, 10, 1e-3);
  EXPECT_FALSE(ClipSegment(P{-10, 20}, P{20, 20}, 0, 0, 10, 10));
  EXPECT_FALSE(ClipSegment(P{11, 11}, P{20, 20}, 0, 0, 10, 10));
}

}  // namespace
