// Vertex codes, relocation, the scale and order of the section drawing and
// the cable points, picking, both mouse-down modes, the cursor texts and the
// mirror commands, on a recording picture.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "section_view/picking.h"
#include "section_view/relocate_section.h"
#include "section_view/section_drawing.h"
#include "section_view/symmetry.h"
#include "structure/section_geometry.h"
#include "tests/section_view/recording_canvas.h"

namespace {

using Ops = std::vector<std::string>;

// A plain relocation leaves Z and Y exactly as stored (adding and taking
// away 450 would change 0.1 in its last digits at every redraw); a change
// of vertex keeps the cable where it is in the section.
TEST(RelocateSection, KeepsThePointInPlace) {
  auto r = MakeRecords();
  Section& s = r->sections.Sections[1];
  s.VertexZ[1][3] = 450;
  const int m = AddLayout(r->group, 1, {1}, 3);
  Layout& l = r->group.Layouts[m];
  l.Z[1] = 0.1;
  l.Y[1] = -0.3;
  Section copy;
  for (int i = 0; i < 3; ++i) RelocateSection(copy, s, r->group, m, 1, 3);
  EXPECT_EQ(l.Z[1], 0.1);
  EXPECT_EQ(l.Y[1], -0.3);
  EXPECT_EQ(copy.VertexZ[1][1], -450);
}

// The square in a wide picture: cleared; yellow axes 2 % short of each
// edge; the outline; the centre. Then sections that draw nothing.
TEST(DrawSection, TheSquareInAWidePictureAndDegenerateSections) {
  RecordingCanvas picture(400, 300);
  double radius = -1;
  DrawSection(picture, Square40(), radius);
  // The scale 80 wide (400 * 1.5 / 300 * 40) and 60 high from (-5, -55)
  // (-50 - (50 - 40) * 0.5): the axes end 1.6 and 1.2 short of its edges.
  EXPECT_DOUBLE_EQ(radius, 0.8);
  EXPECT_EQ(picture.ops, (Ops{"X", "L -3.4 0 73.4 0", "L 0 -53.8 0 3.8", "L 0 0 40 0",
                              "L 40 0 40 -40", "L 40 -40 0 -40", "L 0 -40 0 0", "C 20 -20 0.8"}));
  const Colour yellow = QBColor(14), fore = kForeColor;
  EXPECT_EQ(picture.colours,
            (std::vector<Colour>{fore, yellow, yellow, fore, fore, fore, fore, fore}));

  // Int(1.25 * -12.5) is -16, where truncation would give -15.
  Section moved = Square40();
  for (int v = 1; v <= 4; ++v) moved.VertexZ[1][v] -= 12.5;
  DrawSection(picture, moved, radius);
  EXPECT_DOUBLE_EQ(picture.ScaleLeft(), -16 - 5);
  RecordingCanvas tall(300, 400);  // the width governs
  DrawSection(tall, Square40(), radius);
  EXPECT_DOUBLE_EQ(tall.ScaleWidth(), 60);
  EXPECT_DOUBLE_EQ(tall.ScaleHeight(), 80);

  picture.Clear();
  radius = 3;
  Section none = Square40();
  none.ContourCount = 0;
  DrawSection(picture, none, radius);  // the picture stays as it was
  EXPECT_TRUE(picture.ops.empty());
  Section flat = Square40();
  flat.SizeY = 0;
  DrawSection(picture, flat, radius);  // cleared, nothing drawn
  EXPECT_EQ(picture.ops, Ops{"X"});
  EXPECT_EQ(radius, 3);
}

// All layouts: each point moved into the active point's system; none
// without a cable type, the active one included; the first of two passages.
// Active layout only: its point as stored, whatever its cable type.
TEST(DrawCablePoints, AllLayoutsOrOnlyTheActiveOne) {
  auto r = MakeRecords();
  LayoutGroup& g = r->group;
  const int active = AddLayout(g, 1, {1, 2}, 3);    // drawn from (40, 40)
  const int corner = AddLayout(g, 1, {2}, 1);       // from (0, 0)
  const int twice = AddLayout(g, 2, {2, 3, 2}, 0);  // from (20, 20)
  AddLayout(g, 1, {3}, 1);
  g.Layouts[active].Z[2] = -1;
  g.Layouts[active].Y[2] = -2;
  g.Layouts[corner].Z[1] = 10;
  g.Layouts[corner].Y[1] = 5;
  g.Layouts[twice].Z[1] = 1;
  g.Layouts[twice].Z[3] = 99;
  g.ActiveLayout = static_cast<int16_t>(active);
  g.ActiveNode = 2;

  // (10, -5) from (0, 0) is (-30, 35) from (40, 40); (1, 0) from (20, 20)
  // is (-19, 20).
  RecordingCanvas picture(400, 300);
  DrawCablePoints(picture, g, r->structure, r->sections, 2, 0.5);
  EXPECT_EQ(picture.ops, (Ops{"C -1 2 0.5", "C -30 35 0.5", "C -19 20 0.5"}));
  EXPECT_EQ(picture.colours, std::vector<Colour>(3, QBColor(12)));
  g.Layouts[active].CableType = 0;
  picture.Clear();
  DrawCablePoints(picture, g, r->structure, r->sections, 2, 0.5);
  EXPECT_EQ(picture.ops, (Ops{"C -30 35 0.5", "C -19 20 0.5"}));
  g.ShowAllLayouts = 0;
  picture.Clear();
  DrawCablePoints(picture, g, r->structure, r->sections, 2, 0.5);
  DrawCablePoints(picture, g, r->structure, r->sections, 4, 0.5);  // not passed through
  EXPECT_EQ(picture.ops, Ops{"C -1 2 0.5"});
}

// The square and a second contour (5, 5), (15, 5), (10, 10); y is -Y.
// Boxes are inclusive; the first hit in contour order, then vertex order,
// wins; the reference point only when no vertex is hit. The tolerance is
// 5 radii rounded halves to even: 2 for 0.4, 3 for 0.6, 0 for 0.1.
// The vertex codes: Int is the floor (-1 is contour 0, vertex 99); codes
// that name nothing leave the start values alone and never index outside
// the tables; a vertex past the contour's count reads its empty slot.
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
      {0.1, 0, 0, 1},      {0.1, 0.001f, 0, -1}, {0.3, 12, -12, 103},
  };
  SectionViewState state;
  for (const auto& [radius, x, py, code] : cases) {
    state.PointRadius = radius;
    EXPECT_EQ(PickVertex(state, s, x, py), code) << x << " " << py;
  }
  const std::tuple<int16_t, int, int, double, double> codes[] = {
      {0, 0, 0, 20, 20},   {103, 2, 3, 10, 10}, {50, 1, 50, 0, 0},          {100, 2, 0, -1, -1},
      {600, 7, 0, -1, -1}, {-1, 0, 99, -1, -1}, {-32768, -327, 32, -1, -1},
  };
  for (const auto& [code, contour, vertex, z0, y0] : codes) {
    EXPECT_EQ(SplitVertexCode(code).Contour, contour) << code;
    EXPECT_EQ(SplitVertexCode(code).Vertex, vertex) << code;
    double z = -1, y = -1;
    VertexCoordinates(s, code, z, y);
    EXPECT_EQ(z, z0) << code;
    EXPECT_EQ(y, y0) << code;
  }
  s.RefPointZ = s.RefPointY = 40;  // a vertex on the reference point wins
  EXPECT_EQ(PickVertex(state, s, 40, -40), 3);
}

// Cable coordinates: the single-precision mouse value is stored widened; the
// rows keep their first point; the view is drawn again. Reference system:
// the origin moves to the vertex picked, not the cable; a click on nothing
// changes nothing and draws nothing, as does an unknown mode. Without an
// active point neither mode acts.
TEST(SectionMouseDown, PlacesThePointOrMovesTheOrigin) {
  auto r = MakeRecords();
  AddLayout(r->group, 1, std::vector<int>(20, 2), 1);  // 20 points from vertex 1
  r->group.ActiveLayout = 1;
  r->group.ActiveNode = 2;
  Layout& l = r->group.Layouts[1];
  SectionViewState state{0.8, 0};
  RecordingCanvas picture{400, 300};
  const auto press = [&](int16_t mode, float x, float y, int first = 1) {
    return SectionMouseDown(mode, x, y, first, r->group, r->structure, r->sections, state, picture);
  };
  EXPECT_EQ(*press(kViewModeCableCoordinates, 12.34f, -5.5f, 14), (NodeRows{14, 20}));
  EXPECT_EQ(l.Z[2], static_cast<double>(12.34f));
  EXPECT_EQ(l.Y[2], 5.5);
  EXPECT_EQ(picture.ops.front(), "X");
  EXPECT_EQ(*press(kViewModeCableCoordinates, 12, -7, 3), (NodeRows{3, 9}));

  picture.Clear();
  EXPECT_FALSE(press(kViewModeReferenceSystem, 20, -30));  // no vertex there
  EXPECT_FALSE(press(3, 41, -39));                         // an unknown mode
  EXPECT_TRUE(picture.ops.empty());
  ASSERT_TRUE(press(kViewModeReferenceSystem, 41, -39));  // near vertex 3, (40, 40)
  EXPECT_EQ(l.RefVertex[2], 3);
  EXPECT_EQ(l.Z[2], 12 - 40);
  EXPECT_EQ(l.Y[2], 7 - 40);
  EXPECT_EQ(picture.ops.at(3), "L -40 40 0 40");  // drawn from vertex 3: vertex 1 at (-40, 40)

  r->group.ActiveNode = 21;
  EXPECT_FALSE(press(kViewModeCableCoordinates, 5, 5));
  EXPECT_FALSE(press(kViewModeReferenceSystem, 0, 0));
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
}

// "Simmetria Z" negates Y, the other Z, of the active layout only; on the
// axis a point stays a plain 0; an unknown axis changes nothing. The rows
// then show the last seven points.
TEST(MirrorLayout, NegatesOneCoordinateOfTheActiveLayoutOnly) {
  auto r = MakeRecords();
  LayoutGroup& g = r->group;
  AddLayout(g, 1, {1, 2, 3}, 3);
  AddLayout(g, 1, {1}, 1);
  g.Layouts[1].Z[1] = 1.5;
  g.Layouts[1].Y[3] = 4.25;
  g.Layouts[2].Y[1] = 9;
  g.ActiveLayout = 1;
  MirrorLayout(g, 2);
  EXPECT_EQ(g.Layouts[1].Y[3], -4.25);
  EXPECT_FALSE(std::signbit(g.Layouts[1].Y[1]));
  MirrorLayout(g, 1);
  EXPECT_EQ(g.Layouts[1].Z[1], -1.5);
  MirrorLayout(g, 3);
  EXPECT_EQ(g.Layouts[1].Z[1], -1.5);
  EXPECT_EQ(g.Layouts[2].Y[1], 9);
  for (const auto& [count, first, last] : {std::tuple{3, 1, 3}, {20, 14, 20}, {0, 1, 0}}) {
    g.Layouts[1].NodeCount = static_cast<int16_t>(count);
    EXPECT_EQ(RowsAfterMirror(g),
              (NodeRows{static_cast<int16_t>(first), static_cast<int16_t>(last)}));
  }
}

}  // namespace
