#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>

#include "app/startup.h"
#include "batch/stream_prompter.h"
#include "common/text.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/fixture_job.h"

namespace {

struct StartupRun {
  std::optional<Message> fault;
  std::string shown;  // every message shown on the way, "CAPTION: text" lines
};

StartupRun StartUp(World& world, const std::string& argument) {
  std::ostringstream shown;
  StreamPrompter prompter(shown);
  StartupRun run;
  run.fault = RunStartup(world, argument, prompter);
  run.shown = shown.str();
  return run;
}

TEST(Startup, ReadsTheWholeFixtureJobWithoutAMessage) {
  FixtureJob job;
  auto world = std::make_unique<World>();
  const StartupRun run = StartUp(*world, job.Argument());
  ASSERT_FALSE(run.fault) << run.fault->text;
  EXPECT_EQ(run.shown, "");
  EXPECT_EQ(world->Job.MemberNumber, 3);
  EXPECT_EQ(world->Job.MemberDescription, "TRAVE 1");
  EXPECT_EQ(world->Job.AssocFileName, "\\AssSez003.cap");
  EXPECT_EQ(world->Job.JobDir, job.JobSuitePath());
  EXPECT_EQ(world->Structure.StructureNodeCount, 5);
  EXPECT_EQ(world->Structure.ElementCount, 4);
  EXPECT_EQ(world->Structure.MemberElementCount, 4);
  EXPECT_EQ(world->Sections.SectionCount, 1);
  EXPECT_EQ(world->Sections.CableTypeCount, 2);
  EXPECT_EQ(world->LastOperationOk, 1);
}

struct FaultCase {
  const char* what;
  std::function<void(const FixtureJob&)> breakJob;
  std::function<std::string(const FixtureJob&)> text;
  const char* caption;
  int style;
};

std::vector<std::string> TooManyMembers() {
  std::vector<std::string> lines = {"300"};
  return lines;
}

std::vector<std::string> TooManyPoints() {
  auto lines = FixtureJob::StructureLines();
  lines[1] = "2001";
  return lines;
}

TEST(Startup, EachBrokenJobFileEndsStartUpWithItsMessage) {
  const FaultCase cases[] = {
      {"no continuous elements", [](const FixtureJob& j) { j.RemoveJob("El_Conti.tmp"); },
       [](const FixtureJob& j) { return "Impossibile leggere il file" + j.JobSuitePath() + "\\El_Conti.tmp"; },
       "PROBLEMA", 16},
      {"300 members", [](const FixtureJob& j) { j.WriteJob("El_Conti.tmp", TooManyMembers()); },
       [](const FixtureJob&) { return std::string("Numero di elementi continui eccessivo"); },
       "PROBLEMA", 16},
      {"no structure", [](const FixtureJob& j) { j.RemoveJob("struttur.str"); },
       [](const FixtureJob& j) { return "Problemi con la lettura del file " + j.JobSuitePath() + "\\struttur.str"; },
       "PROBLEMA", 16},
      {"NP = 2001", [](const FixtureJob& j) { j.WriteJob("struttur.str", TooManyPoints()); },
       [](const FixtureJob&) { return std::string("Numero di nodi eccessivo . Lavoro non valido"); },
       "PROBLEMA", 16},
      {"no association", [](const FixtureJob& j) { j.RemoveJob("AssSez003.cap"); },
       [](const FixtureJob& j) {
         return "File di associazione nodo - sezione non completo o errato " + j.JobSuitePath() +
                "\\AssSez003.cap";
       },
       "PROBLEMA", 16},
      {"no sections", [](const FixtureJob& j) { j.RemoveJob("Sezio_ut"); },
       [](const FixtureJob&) { return std::string("Nessun sezione definita "); }, "PROBLEMA", 16},
      {"zero sections", [](const FixtureJob& j) { j.WriteJob("Sezio_ut", {"0"}); },
       [](const FixtureJob&) { return std::string("Nessun sezione definita "); }, "PROBLEMA", 16},
  };
  for (const FaultCase& c : cases) {
    FixtureJob job;
    c.breakJob(job);
    auto world = std::make_unique<World>();
    const StartupRun run = StartUp(*world, job.Argument());
    ASSERT_TRUE(run.fault) << c.what;
    EXPECT_EQ(run.fault->text, c.text(job)) << c.what;
    EXPECT_EQ(run.fault->caption, c.caption) << c.what;
    EXPECT_EQ(run.fault->style, c.style) << c.what;
    EXPECT_EQ(run.shown, "") << c.what;
  }
}

// The file as bytes, or a folder in its place when there are none.
void Replace(const std::filesystem::path& file, const std::optional<std::string>& bytes) {
  std::filesystem::remove_all(file);
  if (bytes) {
    WriteBytes(file, *bytes);
  } else {
    std::filesystem::create_directories(file);
  }
}

// Layouts can be edited without cable types: whatever keeps the file from
// being read is only a notice, and the lists stay empty.
TEST(Startup, CableTypesThatCannotBeReadAreOnlyANotice) {
  struct Case {
    std::optional<std::string> bytes;  // nothing: a folder, unless missing
    bool missing;
  };
  const Case cases[] = {
      {std::nullopt, true},
      {std::nullopt, false},
      {std::string(), false},
      {GarbageBytes(), false},
      {Utf16Bytes("2\r\n"), false},
  };
  for (const Case& c : cases) {
    FixtureJob job;
    if (c.missing) {
      job.RemoveJob("Group.cap");
    } else {
      Replace(job.JobFolder() / "Group.cap", c.bytes);
    }
    auto world = std::make_unique<World>();
    const StartupRun run = StartUp(*world, job.Argument());
    EXPECT_FALSE(run.fault);
    EXPECT_EQ(run.shown,
              "INFORMAZIONE: Nessun file trovato  " + job.JobSuitePath() + "\\Group.cap\n");
    EXPECT_EQ(world->Sections.CableTypeCount, 0);
    EXPECT_EQ(world->LastOperationOk, 0);
  }
}

// Without a usable font the drawings only lose their texts: the message is
// shown and start-up goes on; glyphs read before a bad line are kept.
TEST(Startup, AFontThatCannotBeReadIsShownAndStartUpGoesOn) {
  struct Case {
    std::optional<std::string> bytes;  // nothing: a folder, unless missing
    bool missing;
    int glyphA;  // points of the glyph of "A" afterwards
  };
  const Case cases[] = {
      {std::nullopt, true, -1},
      {std::nullopt, false, -1},
      {std::string(), false, -1},
      {GarbageBytes(), false, -1},
      {Utf16Bytes("0\r\n"), false, -1},
      {std::string("\xEF\xBB\xBF" "0\r\nA10203040\r\n"), false, -1},  // UTF-8 mark
      {std::string("99999999999\r\nA10203040\r\n"), false, -1},
      {std::string("0\r\nA10203040\r\n\r\nB10203040\r\n"), false, 2},  // empty line
  };
  for (const Case& c : cases) {
    FixtureJob job;
    const std::filesystem::path font = job.Root() / "progra" / "font.001";
    if (c.missing) {
      std::filesystem::remove(font);
    } else {
      Replace(font, c.bytes);
    }
    auto world = std::make_unique<World>();
    const StartupRun run = StartUp(*world, job.Argument());
    EXPECT_FALSE(run.fault);
    const std::string path = ToLower(job.RootSuitePath()) + "\\progra\\font.001";
    EXPECT_EQ(run.shown, c.missing ? "ERRORE: File " + path + " inesistente!\n"
                                   : "ERRORE: Errore in lettura del file " + path + " !\n");
    EXPECT_EQ(world->Font.GlyphPointCount['A'], c.glyphA);
    EXPECT_EQ(world->Font.GlyphPointCount['B'], -1);
    EXPECT_EQ(world->Structure.StructureNodeCount, 5);
  }
}

TEST(Startup, AnOldStructureFileIsWarnedAboutAndRead) {
  FixtureJob job;
  auto lines = FixtureJob::StructureLines();
  lines.erase(lines.begin());
  job.WriteJob("struttur.str", lines);
  auto world = std::make_unique<World>();
  const StartupRun run = StartUp(*world, job.Argument());
  EXPECT_FALSE(run.fault);
  EXPECT_EQ(run.shown,
            "ATTENZIONE: Versione 3.8 o precedente. Caricare e risalvare la struttura in "
            "'Valmora'\n");
  EXPECT_EQ(world->Structure.StructureNodeCount, 5);
}

// The member test comes before everything else: a bad member never reaches
// the settings files.
TEST(Startup, TheMemberIsCheckedFirst) {
  auto world = std::make_unique<World>();
  const StartupRun run = StartUp(*world, "");
  ASSERT_TRUE(run.fault);
  EXPECT_EQ(run.fault->text, "Nessuna membratura specificata");
}

TEST(Startup, TheExampleSuiteStartsWithoutAMessage) {
  TempDir dir;
  CopyTree(EXAMPLE_SUITE_DIR, dir.path());
  WriteJobFile(dir.path() / "impostazioni" / "dirlav", {(dir.path() / "lavori").string()});
  auto world = std::make_unique<World>();
  const StartupRun run = StartUp(*world, "|diroot=" + dir.SuitePath() + "|MEMBRA=2|");
  ASSERT_FALSE(run.fault) << run.fault->text;
  EXPECT_EQ(run.shown, "");
  EXPECT_EQ(world->Job.MemberDescription, "TRAVE CONTINUA");
  EXPECT_GT(world->Structure.MemberElementCount, 40);
  EXPECT_GE(world->Sections.SectionCount, 2);
  EXPECT_GE(world->Sections.CableTypeCount, 4);
}

}  // namespace
