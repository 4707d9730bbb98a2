#include <gtest/gtest.h>

#include "app/help_line.h"

namespace {

// The texts are the system's own: blanks at both ends matter, and a few
// break the pattern on purpose.
TEST(ToolTipTexts, KeepTheirExactBlanksAndQuotes) {
  const ToolTipTable& t = ToolTipTexts();
  EXPECT_EQ(t[27], " Esce dal programma ");
  EXPECT_EQ(t[20], " Copia il nodo selezionato aggiungendolo in coda  ");
  EXPECT_EQ(t[12].back(), '"');
  EXPECT_EQ(t[23].back(), 'Z');
  EXPECT_EQ(t[24].back(), 'Y');
  EXPECT_EQ(t[29], " Coordinata Z del cursore ");
  EXPECT_EQ(t[28], " Coordinata Y del cursore ");
  for (int i = 1; i <= kToolTipCount; ++i) EXPECT_EQ(t[i].front(), ' ') << i;
}

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
  line.Tick();
  EXPECT_EQ(line.caption, " Salva con nome il gruppo di tracciati ");
  line.HideRequest();
  EXPECT_FALSE(line.visible);
  line.Tick();
  EXPECT_FALSE(line.visible);
}

}  // namespace
