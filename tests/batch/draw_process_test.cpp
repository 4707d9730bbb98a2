#include <cstdlib>

#include "tests/batch/batch_run.h"

namespace fs = std::filesystem;

namespace {

// A font of one stroke per character, so that the expected drawing does not
// change with the suite's own font: digits, letters and the apostrophe are
// upright bars, the minus a bar along the baseline.
std::vector<std::string> BarFont() {
  std::vector<std::string> lines = {"0", "- 0309930"};
  const std::string upright = " 030 099";
  for (char c = '0'; c <= '9'; ++c) lines.push_back(c + upright);
  for (char c = 'A'; c <= 'Z'; ++c) lines.push_back(c + upright);
  for (char c = 'a'; c <= 'z'; ++c) lines.push_back(c + upright);
  lines.push_back("'" + upright);
  lines.push_back("." + upright);
  return lines;
}

// "draw-all" and "preview".
class DrawRun : public BatchRun {};

// One drawing per layout, named after group 001, listed on standard output;
// the preview of a layout is the same drawing under the preview name, and
// its path is the only output.
TEST_F(DrawRun, DrawAllAndPreview) {
  const ProcessResult r = Run({"draw-all", InJob("Memb002Gr_001.cap")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::string expected = "Tracciati disegnati: (6)\n";
  for (int i = 1; i <= 6; ++i) {
    const std::string name = "MembTRAVE CONTINUAG001Trac00" + std::to_string(i) + ".dis";
    expected += Listed(name) + "\n";
    EXPECT_TRUE(fs::is_regular_file(Job() / name)) << name;
  }
  EXPECT_EQ(r.out, expected);

  const ProcessResult preview = Run({"preview", InJob("Memb002Gr_001.cap"), "2"});
  EXPECT_EQ(preview.status, 0) << preview.err;
  EXPECT_EQ(preview.out, Listed("MembTRAVE CONTINUATmpTrac.dis") + "\n");
  EXPECT_TRUE(ReadBytes(Job() / "MembTRAVE CONTINUATmpTrac.dis") ==
              ReadBytes(Job() / "MembTRAVE CONTINUAG001Trac002.dis"));
}

// The drawing of the girder's first layout as it was checked by eye once
// rendered: side view with the box outline stepping at the piers and the
// cable sagging in each span, the row of element lengths under it, the
// title and the view names centred above, the top view below with the cable
// 270 to the right of the axis. The font is the bar font above.
TEST_F(DrawRun, TheFirstLayoutsDrawingIsTheOneCheckedByEye) {
  WriteJobFile(suite_.path() / "progra" / "font.001", BarFont());
  ASSERT_EQ(Run({"draw-all", InJob("Memb002Gr_001.cap")}).status, 0);
  const fs::path drawn = Job() / "MembTRAVE CONTINUAG001Trac001.dis";
  const fs::path expected = fs::path(EXPECTED_DIR) / "girder_layout1.dis";
  // TRACCIATI_UPDATE_EXPECTED=1 writes the expected file anew, to be looked
  // at before it is committed.
  if (std::getenv("TRACCIATI_UPDATE_EXPECTED") != nullptr) {
    fs::copy_file(drawn, expected, fs::copy_options::overwrite_existing);
  }
  EXPECT_TRUE(ReadBytes(drawn) == ReadBytes(expected))
      << "the drawing differs from " << expected.string() << "; compare " << drawn.string();
}

TEST_F(DrawRun, StopsAfterAMessage) {
  WriteJobFile(Job() / "Memb002Gr_009.cap", {"Vuoto", "1", "1             1", "0"});
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"draw-all", InJob("Memb002Gr_009.cap")}, "INFORMAZIONE: Nessun tracciato definito \n"},
      {{"draw-all", InJob("Memb002Gr_005.cap")},
       "INFORMAZIONE: Problemi con la lettura del file " + suite_.SuitePath() +
           "\\lavori\\pont01\\Memb002Gr_005.cap\n"
           "INFORMAZIONE: Nessun tracciato definito \n"},  // the group stays empty
      {{"preview", InJob("Memb002Gr_001.cap"), "7"}, "PROBLEMA: Tracciato non valido 7\n"},
      {{"preview", InJob("Memb002Gr_001.cap"), "0"}, "PROBLEMA: Tracciato non valido 0\n"},
  };
  for (const auto& [operands, err] : cases) {
    const ProcessResult r = Run(operands);
    EXPECT_EQ(r.status, 1) << err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, err);
  }
  for (const auto& entry : fs::directory_iterator(Job())) {
    EXPECT_NE(entry.path().extension(), ".dis") << entry.path();
  }
}

// The checks of the example group with a cover and a radius, as they were
// read through once: the cables of layouts 1 and 2 leave the sloping webs at
// the bottom of the spans, those of 3 and 4 start in the box's void.
TEST_F(DrawRun, VerifyReportOfTheExampleGroup) {
  const ProcessResult r =
      Run({"verify", InJob("Memb002Gr_001.cap"), "--copriferro", "5", "--raggio", "1000"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  const fs::path expected = fs::path(EXPECTED_DIR) / "example_verify.txt";
  if (std::getenv("TRACCIATI_UPDATE_EXPECTED") != nullptr) WriteBytes(expected, r.out);
  EXPECT_EQ(r.out, ReadBytes(expected));
}

// 0 for a group without problems, which still lists its radii; 1 after a
// message; 2, with the usage, for options that do not read.
TEST_F(DrawRun, VerifyExitStatuses) {
  const std::string straight = InJob("Memb002Gr_007.cap");
  ASSERT_EQ(
      Run({"parabola", "-", straight, "104", "108", "113", "0", "-120", "-120", "-120"}).status, 0);
  const ProcessResult clean = Run({"verify", straight, "--copriferro", "9.5"});
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_EQ(clean.out, "Tracciato 1: nessuna curva\nProblemi: 0\n");
  EXPECT_EQ(Run({"verify", straight, "--copriferro", "10.5"}).status, 1);

  const ProcessResult missing = Run({"verify", InJob("Memb002Gr_005.cap")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("Problemi con la lettura del file"), std::string::npos);

  for (const std::vector<std::string>& options : {std::vector<std::string>{"--copriferro"},
                                                  {"--copriferro", "x"},
                                                  {"--raggio", "-1"},
                                                  {"--spessore", "3"}}) {
    std::vector<std::string> args = {"verify", InJob("Memb002Gr_001.cap")};
    args.insert(args.end(), options.begin(), options.end());
    const ProcessResult r = Run(args);
    EXPECT_EQ(r.status, 2) << options[0];
    EXPECT_NE(r.err.find("verify IN [--copriferro C] [--raggio R]"), std::string::npos) << r.err;
  }
}

}  // namespace
