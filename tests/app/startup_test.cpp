#include "app/startup.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <tuple>

#include "batch/stream_prompter.h"
#include "common/text.h"
#include "tests/app/app_cases.h"
#include "tests/support/fixture_job.h"
#include "tests/support/messages.h"

namespace {

struct StartupRun {
  std::unique_ptr<World> world = std::make_unique<World>();
  std::optional<Message> fault;
  std::string shown;  // every message shown on the way, "CAPTION: text" lines
};

StartupRun StartUp(const std::string& argument) {
  std::ostringstream shown;
  StreamPrompter prompter(shown);
  StartupRun run;
  run.fault = RunStartup(*run.world, argument, prompter);
  run.shown = shown.str();
  return run;
}

// The whole fixture job without a message; then the structure file of
// before the release line, which is warned about and read.
TEST(Startup, ReadsTheFixtureJobAndAnOldStructureFile) {
  FixtureJob job;
  StartupRun run = StartUp(job.Argument());
  ASSERT_FALSE(run.fault) << run.fault->text;
  EXPECT_EQ(run.shown, "");
  EXPECT_EQ(run.world->Job.AssocFileName, "\\AssSez003.cap");  // the rest: the window's tests
  EXPECT_EQ(run.world->LastOperationOk, 1);

  const std::string structure = ReadBytes(job.JobFolder() / "struttur.str");
  WriteBytes(job.JobFolder() / "struttur.str", structure.substr(structure.find('\n') + 1));
  run = StartUp(job.Argument());
  EXPECT_FALSE(run.fault);
  EXPECT_EQ(run.shown,
            "ATTENZIONE: Versione 3.8 o precedente. Caricare e risalvare la struttura in "
            "'Valmora'\n");
  EXPECT_EQ(run.world->Structure.StructureNodeCount, 5);
}

// Each job file that is missing or refused ends start-up with its message
// (the other faults inside each file are the structure library's tests).
TEST(Startup, EachBrokenJobFileEndsStartUpWithItsMessage) {
  for (const auto& row : CaseRows("missing_job_files.txt")) {
    FixtureJob job;
    PutFile(job.JobFolder() / row.at(0), kAbsentFile);
    const StartupRun run = StartUp(job.Argument());
    std::string expected = row.at(1);
    if (const auto at = expected.find("<job>"); at != std::string::npos) {
      expected.replace(at, 5, job.JobSuitePath());
    }
    EXPECT_EQ(run.fault, Problem(expected));
    EXPECT_EQ(run.shown, "") << row.at(0);
  }
}

// Layouts can be edited without cable types: whatever keeps the file from
// being read is only a notice, and the lists stay empty.
TEST(Startup, CableTypesThatCannotBeReadAreOnlyANotice) {
  for (const auto& row : CaseRows("cable_types.txt")) {
    FixtureJob job;
    PutFile(job.JobFolder() / "Group.cap", TableBytes(row.at(0)));
    const StartupRun run = StartUp(job.Argument());
    EXPECT_FALSE(run.fault) << row.at(1);
    EXPECT_EQ(run.shown,
              "INFORMAZIONE: Nessun file trovato  " + job.JobSuitePath() + "\\Group.cap\n");
    EXPECT_EQ(run.world->Sections.CableTypeCount, 0);
    EXPECT_EQ(run.world->LastOperationOk, 0);
  }
}

// Without a usable font the drawings only lose their texts: the message is
// shown and start-up goes on; glyphs read before a bad line are kept.
TEST(Startup, AFontThatCannotBeReadIsShownAndStartUpGoesOn) {
  for (const auto& row : CaseRows("fonts.txt")) {
    const std::string bytes = TableBytes(row.at(0));
    FixtureJob job;
    PutFile(job.Root() / "progra" / "font.001", bytes);
    const StartupRun run = StartUp(job.Argument());
    EXPECT_FALSE(run.fault);
    const std::string path = ToLower(job.RootSuitePath()) + "\\progra\\font.001";
    EXPECT_EQ(run.shown, bytes == kAbsentFile
                             ? "ERRORE: File " + path + " inesistente!\n"
                             : "ERRORE: Errore in lettura del file " + path + " !\n");
    EXPECT_EQ(run.world->Font.GlyphPointCount['A'], std::stoi(row.at(1)));
    EXPECT_EQ(run.world->Font.GlyphPointCount['B'], -1);
    EXPECT_EQ(run.world->Structure.StructureNodeCount, 5);
  }
}

// The member test comes before everything else: a bad member never reaches
// the settings files.
TEST(Startup, TheMemberIsCheckedFirst) {
  EXPECT_EQ(StartUp("").fault, Problem("Nessuna membratura specificata"));
}

}  // namespace
