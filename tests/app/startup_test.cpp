#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>

#include "batch/stream_prompter.h"
#include "common/text.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/fixture_job.h"

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

TEST(Startup, ReadsTheWholeFixtureJobWithoutAMessage) {
  FixtureJob job;
  const StartupRun run = StartUp(job.Argument());
  ASSERT_FALSE(run.fault) << run.fault->text;
  EXPECT_EQ(run.shown, "");
  const World& world = *run.world;
  EXPECT_EQ(world.Job.MemberNumber, 3);
  EXPECT_EQ(world.Job.MemberDescription, "TRAVE 1");
  EXPECT_EQ(world.Job.AssocFileName, "\\AssSez003.cap");
  EXPECT_EQ(world.Job.JobDir, job.JobSuitePath());
  EXPECT_EQ(world.Structure.StructureNodeCount, 5);
  EXPECT_EQ(world.Structure.ElementCount, 4);
  EXPECT_EQ(world.Structure.MemberElementCount, 4);
  EXPECT_EQ(world.Sections.SectionCount, 1);
  EXPECT_EQ(world.Sections.CableTypeCount, 2);
  EXPECT_EQ(world.LastOperationOk, 1);
}

TEST(Startup, EachBrokenJobFileEndsStartUpWithItsMessage) {
  auto structure = FixtureJob::StructureLines();
  structure[1] = "2001";            // NP
  const std::string job = "<job>";  // stands for the job folder in the texts
  const std::pair<std::function<void(const FixtureJob&)>, std::string> cases[] = {
      {[](const FixtureJob& j) { j.RemoveJob("El_Conti.tmp"); },
       "Impossibile leggere il file" + job + "\\El_Conti.tmp"},
      {[](const FixtureJob& j) { j.WriteJob("El_Conti.tmp", {"300"}); },
       "Numero di elementi continui eccessivo"},
      {[](const FixtureJob& j) { j.RemoveJob("struttur.str"); },
       "Problemi con la lettura del file " + job + "\\struttur.str"},
      {[&](const FixtureJob& j) { j.WriteJob("struttur.str", structure); },
       "Numero di nodi eccessivo . Lavoro non valido"},
      {[](const FixtureJob& j) { j.RemoveJob("AssSez003.cap"); },
       "File di associazione nodo - sezione non completo o errato " + job + "\\AssSez003.cap"},
      {[](const FixtureJob& j) { j.RemoveJob("Sezio_ut"); }, "Nessun sezione definita "},
      {[](const FixtureJob& j) { j.WriteJob("Sezio_ut", {"0"}); }, "Nessun sezione definita "},
  };
  for (const auto& [breakJob, text] : cases) {
    FixtureJob job;
    breakJob(job);
    const StartupRun run = StartUp(job.Argument());
    ASSERT_TRUE(run.fault) << text;
    std::string expected = text;
    if (const auto at = expected.find("<job>"); at != std::string::npos) {
      expected.replace(at, 5, job.JobSuitePath());
    }
    EXPECT_EQ(run.fault->text, expected);
    EXPECT_EQ(run.fault->caption, "PROBLEMA") << text;
    EXPECT_EQ(run.fault->style, 16) << text;
    EXPECT_EQ(run.shown, "") << text;
  }
}

const std::string kMissing = "<missing>";
const std::string kFolder = "<folder>";

// The file as bytes, or missing, or a folder in its place.
void Replace(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::remove_all(file);
  if (bytes == kFolder) {
    std::filesystem::create_directories(file);
  } else if (bytes != kMissing) {
    WriteBytes(file, bytes);
  }
}

// Layouts can be edited without cable types: whatever keeps the file from
// being read is only a notice, and the lists stay empty.
TEST(Startup, CableTypesThatCannotBeReadAreOnlyANotice) {
  for (const std::string& bytes :
       {kMissing, kFolder, std::string(), GarbageBytes(), Utf16Bytes("2\r\n")}) {
    FixtureJob job;
    Replace(job.JobFolder() / "Group.cap", bytes);
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
      {kMissing, -1},
      {kFolder, -1},
      {"", -1},
      {GarbageBytes(), -1},
      {Utf16Bytes("0\r\n"), -1},
      {"\xEF\xBB\xBF"
       "0\r\nA10203040\r\n",
       -1},  // UTF-8 mark
      {"99999999999\r\nA10203040\r\n", -1},
      {"0\r\nA10203040\r\n\r\nB10203040\r\n", 2},  // empty line
  };
  for (const auto& [bytes, glyphA] : cases) {
    FixtureJob job;
    Replace(job.Root() / "progra" / "font.001", bytes);
    const StartupRun run = StartUp(job.Argument());
    EXPECT_FALSE(run.fault);
    const std::string path = ToLower(job.RootSuitePath()) + "\\progra\\font.001";
    EXPECT_EQ(run.shown, bytes == kMissing ? "ERRORE: File " + path + " inesistente!\n"
                                           : "ERRORE: Errore in lettura del file " + path + " !\n");
    EXPECT_EQ(run.world->Font.GlyphPointCount['A'], glyphA);
    EXPECT_EQ(run.world->Font.GlyphPointCount['B'], -1);
    EXPECT_EQ(run.world->Structure.StructureNodeCount, 5);
  }
}

TEST(Startup, AnOldStructureFileIsWarnedAboutAndRead) {
  FixtureJob job;
  auto lines = FixtureJob::StructureLines();
  lines.erase(lines.begin());
  job.WriteJob("struttur.str", lines);
  const StartupRun run = StartUp(job.Argument());
  EXPECT_FALSE(run.fault);
  EXPECT_EQ(run.shown,
            "ATTENZIONE: Versione 3.8 o precedente. Caricare e risalvare la struttura in "
            "'Valmora'\n");
  EXPECT_EQ(run.world->Structure.StructureNodeCount, 5);
}

// The member test comes before everything else: a bad member never reaches
// the settings files.
TEST(Startup, TheMemberIsCheckedFirst) {
  const StartupRun run = StartUp("");
  ASSERT_TRUE(run.fault);
  EXPECT_EQ(run.fault->text, "Nessuna membratura specificata");
}

}  // namespace
