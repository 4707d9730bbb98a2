#include "tests/batch/batch_run.h"

namespace fs = std::filesystem;

namespace {

// One drawing per layout, named after group 001, listed on standard output;
// the preview of a layout is the same drawing under the preview name, and
// its path is the only output. Layout 6 is drawn in the drawing that held
// layout 2 while that one was being written.
TEST_F(BatchRun, DrawAllAndPreview) {
  const auto drawing = [](int i) {
    return "MembTRAVE CONTINUAG001Trac00" + std::to_string(i) + ".dis";
  };
  std::string listed = "Tracciati disegnati: (6)\n";
  for (int i = 1; i <= 6; ++i) listed += Listed(drawing(i)) + "\n";
  Expect(Run({"draw-all", InJob("Memb002Gr_001.cap")}), 0, listed, "");
  for (int i = 1; i <= 6; ++i) EXPECT_TRUE(fs::is_regular_file(Job() / drawing(i))) << i;
  for (const int i : {2, 6}) {
    Expect(Run({"preview", InJob("Memb002Gr_001.cap"), std::to_string(i)}), 0,
           Listed("MembTRAVE CONTINUATmpTrac.dis") + "\n", "");
    EXPECT_TRUE(ReadBytes(Job() / "MembTRAVE CONTINUATmpTrac.dis") == ReadBytes(Job() / drawing(i)))
        << i;
  }
}

// The drawing of the girder's first layout as it was checked by eye once
// rendered: side view with the box outline stepping at the piers and the
// cable sagging in each span, the row of element lengths under it, the
// title and the view names centred above, the top view below with the cable
// 270 to the right of the axis. The font has one stroke per character, so
// that the drawing does not change with the suite's own font: digits,
// letters, the apostrophe and the point are upright bars, the minus a bar
// along the baseline.
TEST_F(BatchRun, TheFirstLayoutsDrawingIsTheOneCheckedByEye) {
  std::vector<std::string> font = {"0", "- 0309930"};
  const std::string chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz'.";
  for (const char c : chars) font.push_back(c + std::string(" 030 099"));
  WriteJobFile(suite_.path() / "progra" / "font.001", font);
  ASSERT_EQ(Run({"draw-all", InJob("Memb002Gr_001.cap")}).status, 0);
  const std::string drawn = ReadBytes(Job() / "MembTRAVE CONTINUAG001Trac001.dis");
  EXPECT_TRUE(drawn == Expected("girder_layout1.dis", drawn)) << "the drawing differs";
}

// The checks of the example group with a cover and a radius, as they were
// read through once: the cables of layouts 1 and 2 leave the sloping webs at
// the bottom of the spans, those of 3 and 4 start in the box's void; status
// 1 for problems. A straight cable 120 below the top has no problem with a
// cover of 9.5 (status 0, its radii still listed), and one with 10.5.
TEST_F(BatchRun, VerifyReportsAndExitStatuses) {
  const ProcessResult r =
      Run({"verify", InJob("Memb002Gr_001.cap"), "--copriferro", "5", "--raggio", "1000"});
  Expect(r, 1, Expected("example_verify.txt", r.out), "");

  const std::string straight = InJob("Memb002Gr_007.cap");
  ASSERT_EQ(
      Run({"parabola", "-", straight, "104", "108", "113", "0", "-120", "-120", "-120"}).status, 0);
  Expect(Run({"verify", straight, "--copriferro", "9.5"}), 0,
         "Tracciato 1: nessuna curva\nProblemi: 0\n", "");
  EXPECT_EQ(Run({"verify", straight, "--copriferro", "10.5"}).status, 1);
}

}  // namespace
