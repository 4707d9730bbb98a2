#include <gtest/gtest.h>

#include "app/help_line.h"

namespace {

TEST(HelpLineState, ShowsOnTheTickAndHidesAtOnce) {
  HelpLineState line;
  line.Tick();
  EXPECT_FALSE(line.visible);  // nothing asked yet
  line.ShowRequest(kTipClose);
  EXPECT_FALSE(line.visible);  // pending until the tick
  line.Tick();
  EXPECT_TRUE(line.visible);
  EXPECT_EQ(line.caption, " Esce dal programma ");
  // From one control straight to another: the line stays, the text follows
  // at the next tick.
  line.ShowRequest(kTipSave);
  EXPECT_EQ(line.caption, " Esce dal programma ");
  line.ShowRequest(kTipCursorZ);  // the last text
  line.Tick();
  EXPECT_EQ(line.caption, " Coordinata Z del cursore ");
  line.HideRequest();
  EXPECT_FALSE(line.visible);
  line.Tick();
  EXPECT_FALSE(line.visible);
}

}  // namespace
