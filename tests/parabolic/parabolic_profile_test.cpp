#include "parabolic/parabolic_profile.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/layouts/case_file.h"
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
  Cable state = {11, 13, 14, 12.5, 0, -5, 0};
  ASSERT_FALSE(CreaFunzione(*group_, *structure_, state));
  // The diagonal's lengths are 4, 6, 10, 5 only to the last bit.
  EXPECT_NEAR(state.a, 0.05, 1e-15);
  EXPECT_NEAR(state.b, -1.0, 1e-13);
  EXPECT_EQ(state.c, 0.0);
  const Layout& made = group_->Layouts[1];
  ASSERT_EQ(made.NodeCount, 4);
  const double expectedY[] = {0.0, -3.2, -5.0, 0.0};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(NodeAt(made, j), (LayoutNode{static_cast<int16_t>(j), 0, made.Y[j], 12.5, 0.0}));
    EXPECT_NEAR(made.Y[j], expectedY[j - 1], 1e-12) << "point " << j;
  }
}

// Every refusal leaves the group as it was.
TEST_F(Profile, RefusedNodesLeaveTheGroupUnchanged) {
  group_->LayoutCount = 1;
  for (const std::vector<std::string>& c : CaseRows("refused_cables.txt")) {
    std::vector<double> member;
    std::istringstream abscissas(c[0]);
    for (double x; abscissas >> x;) member.push_back(x);
    Cable state;
    std::istringstream values(c[1]);
    values >> state.InitialName >> state.MiddleName >> state.FinalName >> state.CableZ >>
        state.InitialY >> state.MiddleY >> state.FinalY;
    ASSERT_TRUE(values) << c[1];
    EXPECT_EQ(CreaFunzione(*group_, *MemberAt(member), state),
              (Message{c[2], kCaptionProblem, kStyleExclamation}));
    EXPECT_EQ(group_->LayoutCount, 1);
    EXPECT_EQ(group_->Layouts[2].NodeCount, 0);
  }
}

// The editor stops at 199 layouts, the 200th slot is for files only; making
// the new layout active is the window's job.
TEST_F(Profile, TheNewLayoutFollowsThePreviousOneUpTo199) {
  group_->LayoutCount = 198;
  group_->ActiveLayout = 2;
  Cable state = {11, 13, 14, 0, 0, -5, 0};
  ASSERT_FALSE(CreaFunzione(*group_, *structure_, state));
  ASSERT_EQ(group_->LayoutCount, 199);
  EXPECT_EQ(group_->ActiveLayout, 2);
  EXPECT_EQ(CreaFunzione(*group_, *structure_, state), Problem("Numero di tracciati eccessivo "));
  EXPECT_EQ(group_->LayoutCount, 199);
  EXPECT_EQ(group_->Layouts[200].NodeCount, 0);
}

// 2000 nodes would not fit in a layout the editor makes; 1999 do. The last
// position is the second end of the last element, not the first end of an
// element past the member's end.
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
