#include "tests/batch/batch_run.h"

namespace fs = std::filesystem;

namespace {

// "check" on the example suite; then start-up's own fault before any job
// file (the jobs folder) ends it with status 1. The job files' faults are
// start-up's tests.
TEST_F(BatchRun, CheckReportsStartUp) {
  Expect(Run({"check"}), 0, "OK\n", "");
  WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {"c:\\jobs\\x"});
  Expect(Run({"check"}), 1, "",
         "ERRORE: Errore: il direttorio dei lavori deve terminare con < \\lavori >\n");
}

TEST_F(BatchRun, ResaveWritesTheExampleGroupBackByteForByte) {
  const fs::path out = output_.path() / "copy.cap";
  Expect(Run({"resave", InJob("Memb002Gr_001.cap"), out.string()}), 0, "", "");
  EXPECT_EQ(ReadBytes(out), ReadBytes(Job() / "Memb002Gr_001.cap"));
}

// Each command stops at the first message, with status 1 and nothing on
// standard output, and writes no file. A group whose point lies on a pier
// node (no section in the girder's association) is refused as a whole; a
// group that cannot be read leaves the group empty.
TEST_F(BatchRun, ACommandStoppedByAMessageWritesNothing) {
  WriteJobFile(Job() / "Memb002Gr_008.cap", {"Vuoto", "1", "1             1", "0"});
  const std::string missing = InJob("Memb002Gr_005.cap");
  const std::string unread = Unread("Memb002Gr_005.cap");
  const std::string none = "INFORMAZIONE: Nessun tracciato definito \n";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"resave", PierPointGroup(), InJob("out.cap")}, kNoSection + none},
      {{"resave", missing, InJob("out.cap")}, unread},
      {{"draw-all", InJob("Memb002Gr_008.cap")}, none},
      {{"draw-all", missing}, unread + none},
      {{"preview", InJob("Memb002Gr_001.cap"), "7"}, "PROBLEMA: Tracciato non valido 7\n"},
      {{"preview", InJob("Memb002Gr_001.cap"), "0"}, "PROBLEMA: Tracciato non valido 0\n"},
      {{"verify", missing}, unread},
  };
  for (const auto& [operands, err] : cases) Expect(Run(operands), 1, "", err);
  for (const auto& entry : fs::directory_iterator(Job())) {
    EXPECT_NE(entry.path().extension(), ".dis") << entry.path();
  }
  EXPECT_FALSE(fs::exists(Job() / "out.cap"));
}

// Every malformed command line, of every command, gets the usage and status 2.
TEST_F(BatchRun, AMalformedCommandLineGivesTheUsage) {
  const std::string group = InJob("Memb002Gr_001.cap");
  const std::string out = InJob("Memb002Gr_008.cap");
  const std::string a = Argument();
  const std::vector<std::vector<std::string>> lines = {
      {},
      {a},
      {a, "fly"},
      {a, "check", "x"},
      {a, "draw-all"},
      {a, "preview", group},
      {a, "preview", group, "due"},
      {a, "preview", group, "1.5"},
      // Numbers on the command line take a point, whatever the user's settings.
      {a, "parabola", "-", out, "101", "111", "118", "abc", "0", "-1", "0"},
      {a, "parabola", "-", out, "101", "111", "118", "2,5", "0", "-1", "0"},
      {a, "parabola", "-", out, "1.5", "111", "118", "0", "0", "-1", "0"},
      {a, "parabola", "-", out, "101", "111", "70000", "0", "0", "-1", "0"},
      {a, "parabola", "-", out, "101", "111", "118", "0", "0", "-1"},
      {a, "verify", group, "--copriferro"},
      {a, "verify", group, "--copriferro", "x"},
      {a, "verify", group, "--raggio", "-1"},
      {a, "verify", group, "--spessore", "3"},
  };
  for (const auto& args : lines) {
    const ProcessResult r = Batch(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_NE(r.err.find("uso: tracciati-batch"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("parabola IN OUT I M F Z Y1 Y2 Y3\n"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("verify IN [--copriferro C] [--raggio R]\n"), std::string::npos);
    // An option of verify that does not read is named first.
    if (args.size() > 3 && args[1] == "verify") {
      EXPECT_EQ(r.err.rfind("tracciati-batch: verify: ", 0), 0u) << r.err;
    }
  }
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
