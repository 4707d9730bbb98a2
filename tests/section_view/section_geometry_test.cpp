// Vertex codes, relocation, the scale and order of the section drawing and
// the cable points, on a recording picture.

#include <gtest/gtest.h>

#include <tuple>

#include "section_view/section_drawing.h"
#include "section_view/relocate_section.h"
#include "structure/section_geometry.h"
#include "tests/section_view/recording_canvas.h"

namespace {

using Op = RecordingCanvas::Op;

void ExpectOp(const Op& op, char kind, double a, double b, double c, double d = 0) {
  EXPECT_EQ(op.kind, kind);
  EXPECT_DOUBLE_EQ(op.a, a);
  EXPECT_DOUBLE_EQ(op.b, b);
  EXPECT_DOUBLE_EQ(op.c, c);
  EXPECT_DOUBLE_EQ(op.d, d);
}

// Int is the floor (-1 is contour 0, vertex 99); codes that name nothing
// leave the start values alone and never index outside the tables; a
// vertex past the contour's count reads its empty slot.
TEST(VertexCode, SplitAndCoordinates) {
  Section s = Square40();
  s.ContourCount = 2;
  s.VertexZ[2][3] = 7;
  s.VertexY[2][3] = 8;
  const std::tuple<int16_t, int, int, double, double> cases[] = {
      {0, 0, 0, 20, 20},   {103, 2, 3, 7, 8},   {50, 1, 50, 0, 0},          {100, 2, 0, -1, -1},
      {600, 7, 0, -1, -1}, {-1, 0, 99, -1, -1}, {-32768, -327, 32, -1, -1},
  };
  for (const auto& [code, contour, vertex, z0, y0] : cases) {
    EXPECT_EQ(SplitVertexCode(code).Contour, contour) << code;
    EXPECT_EQ(SplitVertexCode(code).Vertex, vertex) << code;
    double z = -1, y = -1;
    VertexCoordinates(s, code, z, y);
    EXPECT_EQ(z, z0) << code;
    EXPECT_EQ(y, y0) << code;
  }
}

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
  EXPECT_EQ(copy.VertexY[1][1], -40);

  l.RefVertex[1] = 0;  // from (450.1, 39.7) to the centre (20, 20)
  RelocateSection(copy, s, r->group, m, 1, 3);
  EXPECT_DOUBLE_EQ(l.Z[1], 430.1);
  EXPECT_DOUBLE_EQ(l.Y[1], 19.7);
  EXPECT_EQ(copy.RefPointZ, 0);
}

TEST(DrawSection, TheSquareInAWidePicture) {
  RecordingCanvas picture(400, 300);
  double radius = -1;
  DrawSection(picture, Square40(), radius);
  EXPECT_TRUE(picture.enabled);
  EXPECT_DOUBLE_EQ(picture.ScaleWidth(), 80);  // 400 * 1.5 / 300 * 40
  EXPECT_DOUBLE_EQ(picture.ScaleHeight(), 60);
  EXPECT_DOUBLE_EQ(picture.ScaleLeft(), -5);
  EXPECT_DOUBLE_EQ(picture.ScaleTop(), -55);  // -50 - (50 - 40) * 0.5
  EXPECT_DOUBLE_EQ(radius, 0.8);

  // Cleared; yellow axes 2 % short of each edge; the outline; the centre.
  ASSERT_EQ(picture.ops.size(), 8u);
  EXPECT_EQ(picture.ops[0].kind, 'X');
  ExpectOp(picture.ops[1], 'L', -5 + 1.6, 0, 75 - 1.6, 0);
  ExpectOp(picture.ops[2], 'L', 0, -55 + 1.2, 0, 5 - 1.2);
  ExpectOp(picture.ops[4], 'L', 40, 0, 40, -40);
  ExpectOp(picture.ops[6], 'L', 0, -40, 0, 0);
  ExpectOp(picture.ops[7], 'C', 20, -20, 0.8);
  EXPECT_EQ(picture.ops[2].colour, QBColor(14));
  EXPECT_EQ(picture.ops[6].colour, kForeColor);

  // Int(1.25 * -12.5) is -16, where truncation would give -15.
  Section moved = Square40();
  for (int v = 1; v <= 4; ++v) moved.VertexZ[1][v] -= 12.5;
  DrawSection(picture, moved, radius);
  EXPECT_DOUBLE_EQ(picture.ScaleLeft(), -16 - 5);
}

TEST(DrawSection, DegenerateSections) {
  RecordingCanvas picture(400, 300);
  double radius = 3;
  Section none = Square40();
  none.ContourCount = 0;
  DrawSection(picture, none, radius);  // the picture stays as it was
  EXPECT_TRUE(picture.ops.empty());

  Section flat = Square40();
  flat.SizeY = 0;
  DrawSection(picture, flat, radius);  // cleared, nothing drawn
  ASSERT_EQ(picture.ops.size(), 1u);
  EXPECT_EQ(radius, 3);

  Section dot = Square40();  // one vertex: only a closing line of no length
  dot.ContourCount = 2;
  dot.VertexCount[2] = 1;
  dot.VertexZ[2][1] = 10;
  dot.VertexY[2][1] = 12;
  DrawSection(picture, dot, radius);
  const auto lines = picture.Only('L');
  ASSERT_EQ(lines.size(), 2u + 4u + 1u);
  ExpectOp(lines.back(), 'L', 10, -12, 10, -12);
}

// Code 100 names nothing, so the section keeps its own system; code 0
// centres the axes on the reference point. No point without a cable type.
TEST(RedrawActiveSection, TheOriginFollowsTheReferenceCode) {
  for (const auto& [code, z, y] : {std::tuple{100, 20.0, -20.0}, {0, 0.0, 0.0}, {3, -20.0, 20.0}}) {
    auto r = MakeRecords();
    AddLayout(r->group, 0, {2}, static_cast<int16_t>(code));
    r->group.ActiveLayout = r->group.ActiveNode = 1;
    RecordingCanvas picture(400, 300);
    SectionViewState state;
    RedrawActiveSection(picture, state, r->group, r->structure, r->sections);
    const auto circles = picture.Only('C');
    ASSERT_EQ(circles.size(), 1u) << code;
    ExpectOp(circles[0], 'C', z, y, 0.8);
  }
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

  RecordingCanvas picture(400, 300);
  DrawCablePoints(picture, g, r->structure, r->sections, 2, 0.5);
  ASSERT_EQ(picture.ops.size(), 3u);
  ExpectOp(picture.ops[0], 'C', -1, 2, 0.5);
  ExpectOp(picture.ops[1], 'C', 10 - 40, -5 + 40, 0.5);
  ExpectOp(picture.ops[2], 'C', 1 - 40 + 20, 40 - 20, 0.5);
  EXPECT_EQ(picture.ops[2].colour, QBColor(12));

  g.Layouts[active].CableType = 0;
  picture.ops.clear();
  DrawCablePoints(picture, g, r->structure, r->sections, 2, 0.5);
  EXPECT_EQ(picture.ops.size(), 2u);

  g.ShowAllLayouts = 0;
  picture.ops.clear();
  DrawCablePoints(picture, g, r->structure, r->sections, 2, 0.5);
  DrawCablePoints(picture, g, r->structure, r->sections, 4, 0.5);  // not passed through
  ASSERT_EQ(picture.ops.size(), 1u);
  ExpectOp(picture.ops[0], 'C', -1, 2, 0.5);
}

}  // namespace
