#include "drawing/layout_views.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "tests/drawing/drawing_test_support.h"

namespace {

TEST(LayoutViews, TitlesAndFileNames) {
  const std::string group = "\\Memb001Gr_002.cap";
  EXPECT_EQ(LayoutTitle("001", group, 2), "MEMBRATURA 001 GRUPPO 002 - Tracciato 2");
  EXPECT_EQ(LayoutTitle(" TRAVE 1 ", "", 13), "MEMBRATURA TRAVE 1 Tracciato 13");
  EXPECT_EQ(LayoutDrawingFileName("001", group, 120), "\\Memb001G002Trac120.dis");
  const std::string unfit("A/B\\C:D*E?F\"G<H>I|J\tK\0L", 23);
  EXPECT_EQ(LayoutDrawingFileName(unfit, "", 1), "\\MembA_B_C_D_E_F_G_H_I_J_K_LTmpTrac001.dis");
  EXPECT_EQ(PreviewDrawingFileName(unfit), "\\MembA_B_C_D_E_F_G_H_I_J_K_LTmpTrac.dis");
  EXPECT_EQ(LayoutTitle(unfit, "", 1), "MEMBRATURA " + unfit + " Tracciato 1");
}

// A member of nodes at the given coordinates, element k joining nodes k and
// k + 1, every node with section 1: 50 high about its reference point (20
// below, 30 above) and 20 wide.
struct Member {
  Member(std::initializer_list<NodeCoordinate> nodes) {
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

// The outline and the cable are laid across the axis along the element's
// normal: in elevation for a rising element (not straight up), in plan for
// the top view (an element along Y puts local z towards negative X).
// Element numbers missing from the table are skipped; a point at a node off
// the member goes to the view's origin; nothing is drawn for one point.
TEST(LayoutViews, CrossLinesMissingElementsAndNodesOffTheMember) {
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

  Member m{{0, 0, 0}, {100, 0, 0}, {200, 0, 0}, {500, 500, 0}};
  m.structure->MemberElementCount = 3;
  m.structure->MemberElements[1] = 77;  // not in the table
  m.structure->MemberElements[2] = 1;
  m.structure->MemberElements[3] = 2;
  cable = CableThrough({2, 4}, 5.0, 2.0);  // node 4 is off the member
  ResetDrawing(*d);
  offsets = DrawMemberViews(*d, m.Inputs(), *cable, "");
  EXPECT_EQ(LinesOf(*d, 5).size(), 4u);
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
