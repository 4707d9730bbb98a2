// Picking, both mouse-down modes, the cursor texts and the mirror commands.

#include "section_view/picking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "section_view/symmetry.h"
#include "tests/section_view/recording_canvas.h"

namespace {

// The square and a second contour (5, 5), (15, 5), (10, 10); y is -Y.
// Boxes are inclusive; the first hit in contour order, then vertex order,
// wins; the reference point only when no vertex is hit. The tolerance is
// 5 radii rounded halves to even: 2 for 0.4, 3 for 0.6, 0 for 0.1.
TEST(PickVertex, FirstHitInContourThenVertexOrder) {
  Section s = Square40();
  s.ContourCount = 2;
  s.VertexCount[2] = 3;
  const double z[] = {5, 15, 10}, y[] = {5, 5, 10};
  for (int v = 1; v <= 3; ++v) {
    s.VertexZ[2][v] = z[v - 1];
    s.VertexY[2][v] = y[v - 1];
  }
  const std::tuple<double, float, float, int16_t> cases[] = {
      {0.4, 10, -10, 103}, {0.4, 10, 10, -1},    {0.4, 12, -12, 103},   {0.4, 12.01f, -10, -1},
      {0.4, 6, -4, 101},   {0.4, 20, -20, 0},    {0.6, 2.5f, -2.5f, 1}, {0.6, 12.5f, -7.5f, 102},
      {0.1, 0, 0, 1},      {0.1, 0.001f, 0, -1},
  };
  SectionViewState state;
  for (const auto& [radius, x, py, code] : cases) {
    state.PointRadius = radius;
    EXPECT_EQ(PickVertex(state, s, x, py), code) << x << " " << py;
  }
  EXPECT_EQ(state.PickTolerance, 0);
  EXPECT_EQ(PickToleranceFor(0.3), 2);
  s.RefPointZ = s.RefPointY = 40;  // a vertex on the reference point wins
  EXPECT_EQ(PickVertex(state, s, 40, -40), 3);
}

struct Click : ::testing::Test {
  void SetUp() override {
    AddLayout(r->group, 1, std::vector<int>(20, 2), 1);  // 20 points from vertex 1
    r->group.ActiveLayout = 1;
    r->group.ActiveNode = 2;
  }
  std::optional<NodeRows> Press(int16_t mode, float x, float y, int first = 1) {
    return SectionMouseDown(mode, x, y, first, r->group, r->structure, r->sections, state, picture);
  }

  std::unique_ptr<ViewRecords> r = MakeRecords();
  Layout& l = r->group.Layouts[1];
  SectionViewState state{0.8, 0};
  RecordingCanvas picture{400, 300};
};

// The single-precision mouse value is stored widened; the rows keep their
// first point; the view is drawn again.
TEST_F(Click, CableCoordinatesModePlacesThePoint) {
  EXPECT_EQ(*Press(kViewModeCableCoordinates, 12.34f, -5.5f, 14), (NodeRows{14, 20}));
  EXPECT_EQ(l.Z[2], static_cast<double>(12.34f));
  EXPECT_EQ(l.Y[2], 5.5);
  EXPECT_EQ(picture.ops.front().kind, 'X');
  EXPECT_EQ(*Press(kViewModeCableCoordinates, 0, 0, 3), (NodeRows{3, 9}));
}

TEST_F(Click, ReferenceSystemModeMovesTheOriginNotTheCable) {
  l.Z[2] = 12;  // (12, 7) of the section
  l.Y[2] = 7;
  EXPECT_FALSE(Press(kViewModeReferenceSystem, 20, -30));  // no vertex there
  EXPECT_TRUE(picture.ops.empty());
  ASSERT_TRUE(Press(kViewModeReferenceSystem, 41, -39));  // near vertex 3, (40, 40)
  EXPECT_EQ(l.RefVertex[2], 3);
  EXPECT_EQ(l.Z[2], 12 - 40);
  EXPECT_EQ(l.Y[2], 7 - 40);
  ASSERT_GE(picture.ops.size(), 4u);  // drawn from vertex 3: vertex 1 at (-40, 40)
  EXPECT_EQ(picture.ops[3].a, -40);
  EXPECT_EQ(picture.ops[3].b, 40);
  ASSERT_TRUE(Press(kViewModeReferenceSystem, 0, 0));  // the vertex in use again
  EXPECT_EQ(l.Z[2], -28);
  EXPECT_EQ(l.Y[2], -33);

  r->group.ActiveNode = 21;
  EXPECT_FALSE(Press(kViewModeCableCoordinates, 5, 5));
  EXPECT_FALSE(Press(kViewModeReferenceSystem, 0, 0));
}

// Floor, not truncation, in single precision; a leading blank when not
// negative; no zero before the point, as the group file writes numbers.
TEST(CursorText, FloorToOneDecimal) {
  const std::tuple<float, const char*, const char*> cases[] = {
      {-0.04f, "-.1", " .1"},      {0.07f, " 0", " 0"},
      {-0.0f, " 0", " 0"},         {12.36f, " 12.3", "-12.3"},
      {-12.34f, "-12.4", " 12.4"}, {12345678.0f, " 1.234568E+07", "-1.234568E+07"},
  };
  for (const auto& [value, z, y] : cases) {
    EXPECT_EQ(CursorZText(value), z) << value;
    EXPECT_EQ(CursorYText(value), y) << value;
  }
  EXPECT_EQ(ViewModeCaption(NextViewMode(kViewModeCableCoordinates)), "SIST. RIFER.");
  EXPECT_EQ(ViewModeCaption(NextViewMode(kViewModeReferenceSystem)), "COORD. CAVI");
}

TEST(MirrorLayout, NegatesOneCoordinateOfTheActiveLayoutAndTwiceRestores) {
  auto r = MakeRecords();
  LayoutGroup& g = r->group;
  AddLayout(g, 1, {1, 2, 3}, 3);
  AddLayout(g, 1, {1}, 1);
  g.Layouts[1].Z[1] = 1.5;
  g.Layouts[1].Y[2] = 4.25;
  g.Layouts[2].Y[1] = 9;
  g.ActiveLayout = 1;
  MirrorLayout(g, 2);  // "Simmetria Z"
  EXPECT_EQ(g.Layouts[1].Y[2], -4.25);
  EXPECT_EQ(g.Layouts[1].Z[1], 1.5);
  EXPECT_FALSE(std::signbit(g.Layouts[1].Y[1]));  // on the axis it stays a plain 0
  MirrorLayout(g, 1);
  EXPECT_EQ(g.Layouts[1].Z[1], -1.5);
  MirrorLayout(g, 3);  // no such axis
  MirrorLayout(g, 1);
  MirrorLayout(g, 2);
  EXPECT_EQ(g.Layouts[1].Y[2], 4.25);
  EXPECT_EQ(g.Layouts[1].Z[1], 1.5);
  EXPECT_EQ(g.Layouts[2].Y[1], 9);

  for (const auto& [count, first, last] : {std::tuple{3, 1, 3}, {20, 14, 20}, {0, 1, 0}}) {
    g.Layouts[1].NodeCount = static_cast<int16_t>(count);
    EXPECT_EQ(RowsAfterMirror(g),
              (NodeRows{static_cast<int16_t>(first), static_cast<int16_t>(last)}));
  }
}

}  // namespace
