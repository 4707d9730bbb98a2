#include "parabolic/parabolic_profile.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/layouts/layouts_fixture.h"
#include "tests/support/messages.h"

namespace {

// Initial, intermediate, final node names; Z; Y at the three nodes.
using Cable = ParabolicCableState;

// Plan lengths 4, 6, 10, 5: positions 1..5 at abscissas 0, 4, 10, 20, 25.
const std::vector<double> kWorkedMember = {0, 4, 10, 20, 25};

class Profile : public ::testing::Test {
 protected:
  std::unique_ptr<StructureModel> structure_ = MemberAt(kWorkedMember);
  std::unique_ptr<LayoutGroup> group_ = std::make_unique<LayoutGroup>();
};

TEST_F(Profile, WorkedExampleGivesTheParabolaThroughTheThreePoints) {
  group_->ActiveLayout = 0;
  Cable state = {11, 13, 14, 12.5, 0, -5, 0};
  ASSERT_FALSE(CreaFunzione(*group_, *structure_, state));

  // The diagonal's lengths are 4, 6, 10, 5 only to the last bit.
  EXPECT_NEAR(state.a, 0.05, 1e-15);
  EXPECT_NEAR(state.b, -1.0, 1e-13);
  EXPECT_EQ(state.c, 0.0);
  ASSERT_EQ(group_->LayoutCount, 1);
  EXPECT_EQ(group_->ActiveLayout, 0) << "making it active is the window's job";
  const Layout& made = group_->Layouts[1];
  EXPECT_EQ(made.Name, 1);
  EXPECT_EQ(made.CableType, 1);
  ASSERT_EQ(made.NodeCount, 4);
  const double expectedY[] = {0.0, -3.2, -5.0, 0.0};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(NodeAt(made, j), (LayoutNode{static_cast<int16_t>(j), 0, made.Y[j], 12.5, 0.0}));
    EXPECT_NEAR(made.Y[j], expectedY[j - 1], 1e-12) << "point " << j;
  }
}

// The last position is the second end of the last element, not the first
// end of an element past the member's end.
TEST_F(Profile, FinalNodeAtTheMembersEndTakesTheLastElementsLength) {
  Cable state = {12, 14, 15, 0, 1, 1, 6};  // s = 0, 16, 21
  ASSERT_FALSE(CreaFunzione(*group_, *structure_, state));
  const Layout& made = group_->Layouts[1];
  ASSERT_EQ(made.NodeCount, 4);
  EXPECT_EQ(made.NodeIndex[4], 5);
  const Parabola p = ParabolaThrough(0, 1, 16, 1, 21, 6);
  EXPECT_NEAR(made.Y[4], 6.0, 1e-9);
  EXPECT_NEAR(made.Y[2], p.a * 36 + p.b * 6 + p.c, 1e-9);  // node 13 at s = 6
}

TEST(ParabolaThrough, PassesThroughItsThreePoints) {
  const double cases[][6] = {
      {0, 0, 10, -5, 20, 0},
      {0, 3.5, 7.25, -12, 31, 4},
      {0, -40, 1500, -80, 3000, 60},
      {0, 1, 0.001, 2, 0.002, 1},
  };
  for (const auto& c : cases) {
    const Parabola p = ParabolaThrough(c[0], c[1], c[2], c[3], c[4], c[5]);
    for (int k = 0; k < 3; ++k) {
      const double s = c[2 * k];
      EXPECT_NEAR(p.a * s * s + p.b * s + p.c, c[2 * k + 1], 1e-6) << "s = " << s;
    }
  }
}

struct Refusal {
  std::vector<double> member;
  Cable cable;
  const char* text;
};

// Every refusal names the first fault, as the user checks them in that order,
// and leaves the group as it was. Nodes one above the other give no abscissa
// to fit a parabola on; values near the largest double overflow to
// coordinates no file can hold.
TEST_F(Profile, RefusedNodesLeaveTheGroupUnchanged) {
  const double big = 1.7e308;
  const Refusal cases[] = {
      {kWorkedMember, {99, 13, 98, 0, 0, -1, 0}, "Punto iniziale non valido"},
      {kWorkedMember, {11, 99, 98, 0, 0, -1, 0}, "Punto intermedio non valido"},
      {kWorkedMember, {11, 13, 98, 0, 0, -1, 0}, "Punto finale non valido"},
      {kWorkedMember, {15, 13, 11, 0, 0, -1, 0}, "Punti non in sequenza"},  // reverse order
      {kWorkedMember, {11, 11, 14, 0, 0, -1, 0}, "Punti non in sequenza"},
      {kWorkedMember, {11, 15, 14, 0, 0, -1, 0}, "Punti non in sequenza"},
      {{0, 0, 0, 0}, {11, 12, 14, 0, 0, -1, 0}, "Punti non validi"},
      {{0, 5, 5, 9}, {11, 12, 13, 0, 0, -1, 0}, "Punti non validi"},
      {{0, 0.00005, 3, 4}, {11, 12, 13, 0, 0, -1, 0}, "Punti non validi"},  // under 1e-4 apart
      {kWorkedMember, {11, 12, 14, 0, big, -big, big},
       "Quote del tracciato troppo grandi: ridurre i valori"},
  };
  group_->LayoutCount = 1;
  for (const Refusal& r : cases) {
    Cable state = r.cable;
    EXPECT_EQ(CreaFunzione(*group_, *MemberAt(r.member), state),
              (Message{r.text, kCaptionProblem, kStyleExclamation}));
    EXPECT_EQ(group_->LayoutCount, 1);
    EXPECT_EQ(group_->Layouts[2].NodeCount, 0);
  }
}

// The new layout takes the previous one's cable type and the next place; the
// editor stops at 199 layouts, the 200th slot is for files only.
TEST_F(Profile, TheNewLayoutFollowsThePreviousOneUpTo199) {
  group_->LayoutCount = 197;
  group_->Layouts[197].CableType = 2;
  group_->ActiveLayout = 2;
  Cable state = {11, 13, 14, 0, 0, -5, 0};
  ASSERT_FALSE(CreaFunzione(*group_, *structure_, state));
  EXPECT_EQ(group_->LayoutCount, 198);
  EXPECT_EQ(group_->Layouts[198].Name, 198);
  EXPECT_EQ(group_->Layouts[198].CableType, 2);
  EXPECT_EQ(group_->ActiveLayout, 2);
  ASSERT_FALSE(CreaFunzione(*group_, *structure_, state));
  ASSERT_EQ(group_->LayoutCount, 199);

  const int16_t pointsBefore = group_->Layouts[200].NodeCount;
  EXPECT_EQ(CreaFunzione(*group_, *structure_, state), Problem("Numero di tracciati eccessivo "));
  EXPECT_EQ(group_->LayoutCount, 199);
  EXPECT_EQ(group_->Layouts[200].NodeCount, pointsBefore);
}

// 2000 nodes would not fit in a layout the editor makes; 1999 do.
TEST(ProfileSpan, MoreThan1999PointsAreRefused) {
  std::vector<double> abscissas(2000);
  for (std::size_t k = 0; k < abscissas.size(); ++k) abscissas[k] = 10.0 * static_cast<double>(k);
  auto structure = MemberAt(abscissas);
  auto group = std::make_unique<LayoutGroup>();

  Cable tooLong = {11, 1000, 2010, 0, 0, -1, 0};
  EXPECT_EQ(CreaFunzione(*group, *structure, tooLong),
            (Message{"Troppi nodi tra il punto iniziale e il punto finale (massimo 1999)",
                     kCaptionProblem, kStyleExclamation}));
  EXPECT_EQ(group->LayoutCount, 0);

  Cable longest = {12, 1000, 2010, 0, 0, -1, 0};
  ASSERT_FALSE(CreaFunzione(*group, *structure, longest));
  EXPECT_EQ(group->Layouts[1].NodeCount, 1999);
  EXPECT_EQ(group->Layouts[1].NodeIndex[1999], 2000);
}

// A member naming an element the structure lacks must not be read through.
TEST_F(Profile, AChainBrokenInTheStructureIsRefusedNotFollowed) {
  structure_->MemberElements[2] = 999;
  EXPECT_EQ(MemberPositionNode(*structure_, 2), -1);
  Cable state = {11, 13, 15, 0, 0, -1, 0};
  const auto fault = CreaFunzione(*group_, *structure_, state);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->text, "Punti non validi");
  EXPECT_EQ(group_->LayoutCount, 0);

  // An element end left unresolved is skipped, never read as a node.
  structure_->MemberElements[2] = 22;
  structure_->Elements[3].SecondNode = 0;  // element 22
  EXPECT_EQ(MemberPositionOfName(*structure_, 13), 3);
}

}  // namespace
