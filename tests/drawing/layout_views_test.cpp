#include "drawing/layout_views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "drawing/compact_drawing.h"
#include "tests/drawing/drawing_test_support.h"

namespace {

TEST(LayoutViews, TitlesAndFileNames) {
  const std::string group = "\\Memb001Gr_002.cap";
  EXPECT_EQ(LayoutTitle("001", group, 2), "MEMBRATURA 001 GRUPPO 002 - Tracciato 2");
  EXPECT_EQ(LayoutTitle(" TRAVE 1 ", "", 13), "MEMBRATURA TRAVE 1 Tracciato 13");
  EXPECT_EQ(LayoutDrawingFileName("001", group, 1), "\\Memb001G002Trac001.dis");
  EXPECT_EQ(LayoutDrawingFileName("001", group, 120), "\\Memb001G002Trac120.dis");
  EXPECT_EQ(LayoutDrawingFileName("001", "", 3), "\\Memb001TmpTrac003.dis");
  EXPECT_EQ(PreviewDrawingFileName("001"), "\\Memb001TmpTrac.dis");
  const std::string unfit("A/B\\C:D*E?F\"G<H>I|J\tK\0L", 23);
  EXPECT_EQ(LayoutDrawingFileName(unfit, "", 1), "\\MembA_B_C_D_E_F_G_H_I_J_K_LTmpTrac001.dis");
  EXPECT_EQ(PreviewDrawingFileName(unfit), "\\MembA_B_C_D_E_F_G_H_I_J_K_LTmpTrac.dis");
  EXPECT_EQ(LayoutTitle(unfit, "", 1), "MEMBRATURA " + unfit + " Tracciato 1");
}

// A member of nodes at the given coordinates, element k joining nodes k and
// k + 1, every node with section 1: 50 high about its reference point (20
// below, 30 above) and 20 wide. Its font draws only I, an upright bar.
struct Member {
  Member(std::initializer_list<NodeCoordinate> nodes) {
    font->GlyphPointCount['I'] = 2;
    font->GlyphX['I'] = {0, 0};
    font->GlyphY['I'] = {30, 99};
    int n = 0;
    for (const NodeCoordinate& c : nodes) {
      structure->StructureNodes[++n] = {static_cast<int16_t>(100 + n), 1, static_cast<int16_t>(n)};
      structure->NodeCoordinates[n] = c;
      if (n == 1) continue;
      const auto e = static_cast<int16_t>(n - 1);
      structure->Elements[e] = {e, 0, e, static_cast<int16_t>(n)};
      structure->MemberElements[e] = e;
    }
    structure->StructureNodeCount = static_cast<int16_t>(n);
    structure->ElementCount = structure->MemberElementCount = static_cast<int16_t>(n - 1);
    sections->SectionCount = 1;
    Section& s = sections->Sections[1];
    s.MinY = -15.0;
    s.MaxY = 35.0;
    s.RefPointY = 5.0;
    s.MinZ = -8.0;
    s.MaxZ = 12.0;
    s.RefPointZ = 2.0;
  }

  ViewInputs Inputs() const { return {*structure, *sections, *font}; }

  std::unique_ptr<StructureModel> structure = std::make_unique<StructureModel>();
  std::unique_ptr<SectionTable> sections = std::make_unique<SectionTable>();
  std::unique_ptr<StrokeFont> font = NewFont();
};

// A layout through the given node positions, every point measured from its
// section's reference point (vertex code 0): Y and Z are the cable's local y
// and z.
std::unique_ptr<Layout> CableThrough(std::initializer_list<int> nodes, double y, double z) {
  auto layout = std::make_unique<Layout>();
  for (int n : nodes) {
    const int j = ++layout->NodeCount;
    layout->NodeIndex[j] = static_cast<int16_t>(n);
    layout->Y[j] = y;
    layout->Z[j] = z;
  }
  return layout;
}

// A flat, straight member still gets a height R from its sections: the
// title, the view names and the top view stand clear of the side view.
TEST(LayoutViews, AStraightHorizontalMember) {
  const Member m{{0, 0, 0}, {100, 0, 0}, {300, 0, 0}};
  auto cable = CableThrough({1, 3}, 5.0, 2.0);
  auto d = NewDrawing();
  const ViewOffsets offsets = DrawMemberViews(*d, m.Inputs(), *cable, "II");

  // V runs from -20 to 30: R = 50; the top view's Y(O) sits at -20 - 5R.
  EXPECT_EQ(offsets.SideX + offsets.SideY + offsets.TopX, 0.0);
  EXPECT_EQ(offsets.TopY, -270.0);

  const auto axis = LinesOf(*d, 5);
  ASSERT_EQ(axis.size(), 4u);  // two in each view
  ExpectLine(axis[0], 0, 0, 100, 0);
  ExpectLine(axis[1], 100, 0, 300, 0);
  ExpectLine(axis[2], 0, -270, 100, -270);
  EXPECT_EQ(axis[0].lineType, 1);

  // Outline: cross line at the start, at the end, low edge, high edge.
  const auto outline = LinesOf(*d, 1);
  ASSERT_GE(outline.size(), 16u);
  ExpectLine(outline[0], 0, -20, 0, 30);
  ExpectLine(outline[1], 100, -20, 100, 30);
  ExpectLine(outline[2], 0, -20, 100, -20);
  ExpectLine(outline[3], 0, 30, 100, 30);
  ExpectLine(outline[8], 0, -270 - 10, 0, -270 + 10);  // top view: Z from -10 to 10

  // The element dimensions: end circles on the row at -20 - 1.5R, and at
  // -10 - 1.5 * 20 below the top view.
  ASSERT_EQ(d->ArcCount, 8);
  EXPECT_EQ(PointAt(*d, d->Arcs[0].CentrePoint).Y, -95.0);
  EXPECT_EQ(PointAt(*d, d->Arcs[4].CentrePoint).Y, -270.0 - 40.0);

  // The title 2.5R above, centred over the member's 300; then the I of
  // each VISTA, 1.5R above the side view and 3.5R below it.
  const auto labels = LinesOf(*d, 7);
  ASSERT_EQ(labels.size(), 4u);
  ExpectLine(labels[0], 150 - 20, 30 + 125, 150 - 20, 30 + 125 + 20);
  EXPECT_NEAR(labels[2].y1 - labels[3].y1, (30 + 75) - (-20 - 175), 1e-9);

  DrawCableViews(*d, m.Inputs(), *cable, offsets);
  const auto lines = LinesOf(*d, 4);
  ASSERT_EQ(lines.size(), 2u);
  // At the last node the cable takes the last element and the whole length.
  ExpectLine(lines[0], 0, 5, 300, 5);
  ExpectLine(lines[1], 0, 2 - 270, 300, 2 - 270);
  EXPECT_EQ(lines[0].lineType, 0);
}

// The outline and the cable are laid across the axis along the element's
// normal: in elevation for a rising element (not straight up), in plan for
// the top view (an element along Y puts local z towards negative X).
TEST(LayoutViews, CrossLinesFollowTheElementsNormal) {
  const double k = 1.0 / std::sqrt(2.0);
  const Member rising{{0, 0, 0}, {100, 0, 100}};
  auto cable = CableThrough({1, 2}, 10.0, 0.0);
  auto d = NewDrawing();
  ViewOffsets offsets = DrawMemberViews(*d, rising.Inputs(), *cable, "");
  ExpectLine(LinesOf(*d, 1).at(0), 20 * k, -20 * k, -30 * k, 30 * k);
  ResetDrawing(*d);
  DrawCableViews(*d, rising.Inputs(), *cable, offsets);
  ExpectLine(LinesOf(*d, 4).at(0), -10 * k, 10 * k, 100 - 10 * k, 100 + 10 * k);

  const Member alongY{{0, 0, 0}, {0, 100, 0}};
  cable = CableThrough({1, 2}, 0.0, 5.0);
  offsets = DrawMemberViews(*d, alongY.Inputs(), *cable, "");
  ResetDrawing(*d);
  DrawCableViews(*d, alongY.Inputs(), *cable, offsets);
  ExpectLine(LinesOf(*d, 4).at(1), -5, offsets.TopY, -5, 100 + offsets.TopY);
}

// Element numbers missing from the table are skipped; a point at a node off
// the member goes to the view's origin. An interior node gets a cross line
// from each of its elements, and both survive compaction (line type 0);
// nothing is drawn for one point.
TEST(LayoutViews, MissingElementsNodesOffTheMemberAndInteriorCrossLines) {
  Member m{{0, 0, 0}, {100, 0, 0}, {200, 0, 0}, {500, 500, 0}};
  m.structure->MemberElementCount = 3;
  m.structure->MemberElements[1] = 77;  // not in the table
  m.structure->MemberElements[2] = 1;
  m.structure->MemberElements[3] = 2;
  auto cable = CableThrough({2, 4}, 5.0, 2.0);  // node 4 is off the member
  auto d = NewDrawing();
  const ViewOffsets offsets = DrawMemberViews(*d, m.Inputs(), *cable, "");
  EXPECT_EQ(LinesOf(*d, 5).size(), 4u);
  CompactDrawing(*d);
  const auto outline = LinesOf(*d, 1);
  EXPECT_EQ(std::count_if(outline.begin(), outline.end(),
                          [](const LineSeen& l) {
                            return l.x1 == 100 && l.x2 == 100 && l.y1 == -20 && l.y2 == 30;
                          }),
            2);
  ResetDrawing(*d);
  DrawCableViews(*d, m.Inputs(), *cable, offsets);
  const auto lines = LinesOf(*d, 4);
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], 100, 5, 0, 0);

  auto one = CableThrough({1}, 0, 0);
  ResetDrawing(*d);
  DrawMemberViews(*d, m.Inputs(), *one, "");
  DrawCableViews(*d, m.Inputs(), *one, {});
  EXPECT_EQ(d->PointCount, 0);
}

}  // namespace
