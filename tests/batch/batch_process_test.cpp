#include <functional>

#include "tests/batch/batch_run.h"

namespace fs = std::filesystem;

namespace {

// "check" after one change to a fresh copy of the suite: exit status and
// both streams.
TEST_F(BatchRun, CheckReportsStartUp) {
  struct Case {
    std::function<void()> change;
    std::vector<std::string> args;
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      {[] {}, {Argument(), "check"}, 0, "OK\n", ""},
      {[&] { fs::remove(Job() / "struttur.str"); },
       {Argument(), "check"},
       1,
       "",
       "PROBLEMA: Problemi con la lettura del file " + Listed("struttur.str") + "\n"},
      {[&] { WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {"c:\\jobs\\x"}); },
       {Argument(), "check"},
       1,
       "",
       "ERRORE: Errore: il direttorio dei lavori deve terminare con < \\lavori >\n"},
      // A missing cable types file is a notice; the job is still readable.
      {[&] { fs::remove(Job() / "Group.cap"); },
       {Argument(), "check"},
       0,
       "OK\n",
       "INFORMAZIONE: Nessun file trovato  " + Listed("Group.cap") + "\n"},
      {[] {},
       {"|diroot=" + suite_.SuitePath() + "|", "check"},
       1,
       "",
       "PROBLEMA: Nessuna membratura specificata\n"},
  };
  for (const Case& c : cases) {
    fs::remove_all(suite_.path());
    fs::create_directory(suite_.path());
    SetUp();
    c.change();
    const ProcessResult r = Batch(c.args);
    EXPECT_EQ(r.status, c.status) << c.err;
    EXPECT_EQ(r.out, c.out) << c.err;
    EXPECT_EQ(r.err, c.err);
  }
}

TEST_F(BatchRun, ResaveWritesTheExampleGroupBackByteForByte) {
  const fs::path in = Job() / "Memb002Gr_001.cap";
  const fs::path out = output_.path() / "copy.cap";
  const ProcessResult r = Run({"resave", in.string(), out.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(ReadBytes(out), ReadBytes(in));
}

// A group whose point lies on a pier node (no section in the girder's
// association) is refused as a whole; nothing is written.
TEST_F(BatchRun, ResaveOfAnInvalidGroupWritesNothing) {
  const fs::path in = Job() / "Memb002Gr_009.cap";
  WriteJobFile(in, {"x", "1", "1             1", "1", "1                   1", "1",
                    "60                  0", "0                   0                   0"});
  const fs::path out = output_.path() / "out.cap";
  const ProcessResult r = Run({"resave", in.string(), out.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "PROBLEMA: Alcuni nodi presenti in uno o più tracciati non fanno riferimento ad alcuna "
            "sezione. Il gruppo di tracciati non è valido\n"
            "INFORMAZIONE: Nessun tracciato definito \n");
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(BatchRun, ResaveOfAMissingFileSaysSo) {
  const fs::path in = output_.path() / "missing.cap";
  const ProcessResult r = Run({"resave", in.string(), (output_.path() / "o.cap").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("INFORMAZIONE: Problemi con la lettura del file "), std::string::npos);
  EXPECT_NE(r.err.find("missing.cap"), std::string::npos);
}

// Every malformed command line, of every command, gets the usage and status 2.
TEST_F(BatchRun, AMalformedCommandLineGivesTheUsage) {
  const std::string group = InJob("Memb002Gr_001.cap");
  const std::string out = InJob("Memb002Gr_008.cap");
  const std::vector<std::vector<std::string>> lines = {
      {},
      {Argument()},
      {Argument(), "fly"},
      {Argument(), "draw-all"},
      {Argument(), "preview", group},
      {Argument(), "preview", group, "due"},
      {Argument(), "preview", group, "1.5"},
      // Numbers on the command line take a point, whatever the user's settings.
      {Argument(), "parabola", "-", out, "101", "111", "118", "abc", "0", "-1", "0"},
      {Argument(), "parabola", "-", out, "101", "111", "118", "2,5", "0", "-1", "0"},
      {Argument(), "parabola", "-", out, "1.5", "111", "118", "0", "0", "-1", "0"},
      {Argument(), "parabola", "-", out, "101", "111", "70000", "0", "0", "-1", "0"},
      {Argument(), "parabola", "-", out, "101", "111", "118", "0", "0", "-1"},
  };
  for (const auto& args : lines) {
    const ProcessResult r = Batch(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_NE(r.err.find("uso: tracciati-batch"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("preview IN N"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("parabola IN OUT I M F Z Y1 Y2 Y3"), std::string::npos) << r.err;
  }
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
