#include "drawing/drawing_file.h"

#include <gtest/gtest.h>

#include <numbers>

#include "tests/drawing/drawing_test_support.h"
#include "tests/support/scripted_prompter.h"

namespace {

// The look-back reaches exactly 31 points, and the tolerance is strict in
// both coordinates; farther duplicates are added again, for the compaction.
TEST(DrawingPoints, FindOrAddLooksBackThirtyOnePoints) {
  auto d = NewDrawing();
  for (int i = 0; i < 32; ++i) ASSERT_EQ(FindOrAddPoint(*d, i, 0.0), i);
  EXPECT_EQ(FindOrAddPoint(*d, 1.00009, -0.00009), 1);  // 31 back, within tolerance
  EXPECT_EQ(FindOrAddPoint(*d, 0.0, 0.0), 32);          // 32 back: added anew
  EXPECT_EQ(FindOrAddPoint(*d, 0.0, 0.0001), 33);       // not within tolerance
  EXPECT_EQ(d->Points[1].X, 1.0);                       // stored unchanged
}

// Lines and arcs move by the offset; lines take the current pen; arcs store
// colour 0 as 1; without an end angle the arc ends where it starts. Too short
// a line or too small an arc is not drawn.
TEST(DrawingLines, LinesAndArcsMoveByTheOffsetAndTakeThePen) {
  auto d = NewDrawing();
  d->DrawOffsetX = 10.0;
  d->DrawOffsetY = -5.0;
  d->CurrentColour = 4;
  DrawLine(*d, 0.0, 0.0, 1.0, 2.0);
  DrawLine(*d, 5.0, 5.0, 5.00009, 4.99991);
  const auto lines = LinesOf(*d);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], 10.0, -5.0, 11.0, -3.0);
  EXPECT_EQ(lines[0].colour, 4);

  DrawArc(*d, 0.0, 0.0, 4.0, int16_t{0});
  DrawArc(*d, 0.0, 0.0, 4.0, int16_t{3}, std::numbers::pi / 2, std::numbers::pi);
  DrawArc(*d, 0.0, 0.0, 0.0001);
  ASSERT_EQ(d->ArcCount, 2);
  const DrawingArc& full = d->Arcs[0];
  EXPECT_EQ(full.EndPoint, full.StartPoint);
  EXPECT_EQ(full.ThirdPoint, full.CentrePoint);
  EXPECT_EQ(full.Colour, 1);
  EXPECT_EQ(PointAt(*d, full.StartPoint).X, 12.0);
  EXPECT_NEAR(PointAt(*d, d->Arcs[1].EndPoint).X, 8.0, 1e-12);
  EXPECT_NEAR(PointAt(*d, d->Arcs[1].EndPoint).Y, -5.0, 1e-12);
}

// The last addition a table takes comes with one warning; what follows is
// dropped silently, and a line whose point could not be stored is not kept.
// Emptying the tables keeps the label alternation, which carries from one
// drawing of "Disegna tracciati" to the next.
TEST(DrawingTables, TheLastSlotWarnsThenAdditionsAreDropped) {
  auto d = NewDrawing();
  ScriptedPrompter prompter;
  const DrawingWarningsTo warnings(*d, prompter);

  d->PointCount = kMaxDrawingPoints - 1;
  prompter.ExpectMessage(
      "Troppi punti nel disegno: oltre 50000 punti il disegno resterà incompleto", "PROBLEMA", 48);
  EXPECT_EQ(FindOrAddPoint(*d, 1e6, 1e6), kMaxDrawingPoints - 1);
  EXPECT_EQ(FindOrAddPoint(*d, 2e6, 2e6), -1);
  AddLine(*d, 1e6, 1e6, 3e6, 3e6, 1);
  EXPECT_EQ(d->LineCount, 0);

  d->PointCount = 0;
  d->LineCount = kMaxDrawingLines - 1;
  prompter.ExpectMessage(
      "Troppe linee nel disegno: oltre 50000 linee il disegno resterà incompleto", "PROBLEMA", 48);
  AddLine(*d, 0, 0, 1, 1, 1);
  AddLine(*d, 0, 0, 2, 2, 1);
  EXPECT_EQ(d->LineCount, kMaxDrawingLines);
  EXPECT_EQ(d->PointCount, 2);  // the full table took no points either

  d->ArcCount = kMaxDrawingArcs - 1;
  prompter.ExpectMessage(
      "Troppi archi nel disegno: oltre 15000 archi il disegno resterà incompleto", "PROBLEMA", 48);
  DrawArc(*d, 0, 0, 2);
  DrawArc(*d, 5, 5, 2);
  EXPECT_EQ(d->ArcCount, kMaxDrawingArcs);

  d->MarkerCount = d->TextCount = d->LabelFlipped = 1;
  ResetDrawing(*d);
  EXPECT_EQ(d->PointCount + d->LineCount + d->ArcCount + d->MarkerCount + d->TextCount, 0);
  EXPECT_EQ(d->LabelFlipped, 1);
}

}  // namespace
