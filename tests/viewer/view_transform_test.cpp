#include "viewer/view_transform.h"

#include <gtest/gtest.h>

namespace {

constexpr double kEps = 1e-9;

// Wheel zoom around the cursor and drag are driven through the window
// (viewer_window_test.cpp); here the fit and the limits.
TEST(ViewTransform, FitCentresTheBoundsWithEqualUnits) {
  struct Case {
    DrawingBounds bounds;
    double width, height, margin;
    double scale;
  };
  const Case cases[] = {
      {{0, 0, 100, 50}, 400, 300, 0, 4},       // width decides
      {{5, 0, 5, 40}, 300, 200, 0, 5},         // a vertical line: its height decides
      {{0, 7, 60, 7}, 300, 200, 0, 5},         // a horizontal line: its width decides
      {{3, 3, 3, 3}, 300, 200, 0, 1},          // a single point: centred
      {{0, 0, 100, 50}, 200, 200, 0.05, 1.8},  // 10 pixels of margin each side
      {{0, 0, 50, 100}, 200, 200, 0.05, 1.8},
  };
  for (const Case& c : cases) {
    const ViewTransform t = ViewTransform::Fit(c.bounds, c.width, c.height, c.margin);
    EXPECT_NEAR(t.scale, c.scale, kEps);
    const auto centre =
        t.ToWindow((c.bounds.xmin + c.bounds.xmax) / 2, (c.bounds.ymin + c.bounds.ymax) / 2);
    EXPECT_NEAR(centre.x, c.width / 2, kEps);
    EXPECT_NEAR(centre.y, c.height / 2, kEps);
    // Drawing Y upwards, and back again.
    const auto corner = t.ToWindow(c.bounds.xmin + 1, c.bounds.ymin + 1);
    EXPECT_NEAR(t.ToWindow(c.bounds.xmin, c.bounds.ymin).y - corner.y, c.scale, kEps);
    EXPECT_NEAR(t.ToDrawing(corner.x, corner.y).y, c.bounds.ymin + 1, kEps);
  }
}

// The point under the cursor staying put is checked on the wheel in the window.
TEST(ViewTransform, PanMovesAndZoomStopsBeforeCoordinatesOverflow) {
  ViewTransform t;
  t.Pan(15.5, -40);
  EXPECT_NEAR(t.ToWindow(37, -12).y, 12 - 40, kEps);
  for (int k = 0; k < 200; ++k) t.ZoomAt(10, 10, 1000);
  EXPECT_EQ(t.scale, 1e9);
  const auto p = t.ToDrawing(10, 10);
  EXPECT_NEAR(t.ToWindow(p.x, p.y).x, 10, 1e-3);
  t.ZoomAt(10, 10, 0);  // meaningless factors change nothing
  t.ZoomAt(10, 10, -2);
  EXPECT_EQ(t.scale, 1e9);
  for (int k = 0; k < 400; ++k) t.ZoomAt(10, 10, 0.001);
  EXPECT_EQ(t.scale, 1e-9);
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
