#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/text.h"
#include "tests/support/process_run.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using Result = ProcessResult;

// tracciati-batch run as the suite's scripts run it, as a process.
class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    CopyTree(EXAMPLE_SUITE_DIR, suite_.path());
    WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {(suite_.path() / "lavori").string()});
  }

  std::string Argument(int member = 2) const {
    return "|diroot=" + suite_.SuitePath() + "|MEMBRA=" + std::to_string(member) + "|";
  }
  fs::path Job() const { return suite_.path() / "lavori" / "pont01"; }
  std::string JobSuitePath() const { return ToLower((suite_.path() / "lavori").string()) + "\\pont01"; }

  Result Batch(const std::vector<std::string>& args) const {
    return RunProcess(BATCH_EXE, args, output_.path());
  }

  TempDir suite_;
  TempDir output_;
};

TEST_F(BatchRun, CheckSaysOkOnTheExampleSuite) {
  const Result r = Batch({Argument(), "check"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "OK\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(BatchRun, CheckPrintsTheStartUpFaultAndStops) {
  fs::remove(Job() / "struttur.str");
  const Result r = Batch({Argument(), "check"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "PROBLEMA: Problemi con la lettura del file " + JobSuitePath() + "\\struttur.str\n");
}

TEST_F(BatchRun, CheckReportsABadJobsFolder) {
  WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {"c:\\jobs\\x"});
  const Result r = Batch({Argument(), "check"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "ERRORE: Errore: il direttorio dei lavori deve terminare con < \\lavori >\n");
}

TEST_F(BatchRun, AMissingCableTypesFileIsANoticeAndTheJobIsStillReadable) {
  fs::remove(Job() / "Group.cap");
  const Result r = Batch({Argument(), "check"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "OK\n");
  EXPECT_EQ(r.err, "INFORMAZIONE: Nessun file trovato  " + JobSuitePath() + "\\Group.cap\n");
}

TEST_F(BatchRun, AMissingMemberItemIsRefused) {
  const Result r = Batch({"|diroot=" + suite_.SuitePath() + "|", "check"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "PROBLEMA: Nessuna membratura specificata\n");
}

TEST_F(BatchRun, ResaveWritesTheExampleGroupBackByteForByte) {
  const fs::path in = Job() / "Memb002Gr_001.cap";
  const fs::path out = output_.path() / "copy.cap";
  const Result r = Batch({Argument(), "resave", in.string(), out.string()});
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
  const Result r = Batch({Argument(), "resave", in.string(), out.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "PROBLEMA: Alcuni nodi presenti in uno o più tracciati non fanno riferimento ad alcuna "
            "sezione. Il gruppo di tracciati non è valido\n"
            "INFORMAZIONE: Nessun tracciato definito \n");
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(BatchRun, ResaveOfAMissingFileSaysSo) {
  const fs::path in = output_.path() / "missing.cap";
  const Result r = Batch({Argument(), "resave", in.string(), (output_.path() / "o.cap").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("INFORMAZIONE: Problemi con la lettura del file "), std::string::npos);
  EXPECT_NE(r.err.find("missing.cap"), std::string::npos);
}

TEST_F(BatchRun, AnUnknownCommandLineGivesTheUsage) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {Argument()}, {Argument(), "fly"}}) {
    const Result r = Batch(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("uso: tracciati-batch"), std::string::npos);
  }
}

}  // namespace
