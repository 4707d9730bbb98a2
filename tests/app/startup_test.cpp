#include "app/startup.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <tuple>

#include "batch/stream_prompter.h"
#include "common/text.h"
#include "tests/support/bad_bytes.h"
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
  // The file, its bytes, the message; <job> stands for the job folder.
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"El_Conti.tmp", kAbsentFile, "Impossibile leggere il file<job>\\El_Conti.tmp"},
      {"struttur.str", kAbsentFile, "Problemi con la lettura del file <job>\\struttur.str"},
      {"AssSez003.cap", kAbsentFile,
       "File di associazione nodo - sezione non completo o errato <job>\\AssSez003.cap"},
      {"Sezio_ut", kAbsentFile, "Nessun sezione definita "},
  };
  for (const auto& [file, bytes, text] : cases) {
    FixtureJob job;
    PutFile(job.JobFolder() / file, bytes);
    const StartupRun run = StartUp(job.Argument());
    std::string expected = text;
    if (const auto at = expected.find("<job>"); at != std::string::npos) {
      expected.replace(at, 5, job.JobSuitePath());
    }
    EXPECT_EQ(run.fault, Problem(expected));
    EXPECT_EQ(run.shown, "") << text;
  }
}

// Layouts can be edited without cable types: whatever keeps the file from
// being read is only a notice, and the lists stay empty.
TEST(Startup, CableTypesThatCannotBeReadAreOnlyANotice) {
  for (const std::string& bytes : {kAbsentFile, kFolderInPlace, std::string(), GarbageBytes(),
                                   Utf16Bytes("2\r\n")}) {
    FixtureJob job;
    PutFile(job.JobFolder() / "Group.cap", bytes);
    const StartupRun run = StartUp(job.Argument());
    EXPECT_FALSE(run.fault);
    EXPECT_EQ(run.shown,
              "INFORMAZIONE: Nessun file trovato  " + job.JobSuitePath() + "\\Group.cap\n");
    EXPECT_EQ(run.world->Sections.CableTypeCount, 0);
    EXPECT_EQ(run.world->LastOperationOk, 0);
  }
}

// Without a usable font the drawings only lose their texts: the message is
// shown and start-up goes on; glyphs read before a bad line are kept.
TEST(Startup, AFontThatCannotBeReadIsShownAndStartUpGoesOn) {
  const std::pair<std::string, int> cases[] = {
      // bytes, points of "A" afterwards
      {kAbsentFile, -1},
      {kFolderInPlace, -1},
      {"", -1},
      {GarbageBytes(), -1},
      {Utf16Bytes("0\r\n"), -1},
      {"\xEF\xBB\xBF" "0\r\nA10203040\r\n", -1},  // UTF-8 mark
      {"99999999999\r\nA10203040\r\n", -1},
      {"0\r\nA10203040\r\n\r\nB10203040\r\n", 2},  // empty line
  };
  for (const auto& [bytes, glyphA] : cases) {
    FixtureJob job;
    PutFile(job.Root() / "progra" / "font.001", bytes);
    const StartupRun run = StartUp(job.Argument());
    EXPECT_FALSE(run.fault);
    const std::string path = ToLower(job.RootSuitePath()) + "\\progra\\font.001";
    EXPECT_EQ(run.shown, bytes == kAbsentFile
                             ? "ERRORE: File " + path + " inesistente!\n"
                             : "ERRORE: Errore in lettura del file " + path + " !\n");
    EXPECT_EQ(run.world->Font.GlyphPointCount['A'], glyphA);
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
