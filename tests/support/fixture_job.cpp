#include "tests/support/fixture_job.h"

#include "common/text.h"

namespace fs = std::filesystem;

namespace {

// Member 3 ("TRAVE 1") of four elements between a kerb and a pier.
std::vector<std::string> ContinuousElementLines() {
  const auto entry = [](const std::string& type, const std::string& description) {
    std::string line = std::string(20, ' ') + type;
    line.resize(40, ' ');
    return line + description;
  };
  return {"3", entry("C", "CORDOLO"), "0, 0", entry("P", "PILA"), "1", "9",
          entry("T", "TRAVE 1"), "4", "1, 2, 3, 4"};
}

}  // namespace

FixtureJob::FixtureJob() {
  WriteJobFile(dir_.path() / "impostazioni" / "dirlav", {(dir_.path() / "lavori").string()});
  WriteJobFile(dir_.path() / "impostazioni" / "lavoro", {"ab12cd"});
  WriteJob("struttur.str", StructureLines());
  WriteJob("El_Conti.tmp", ContinuousElementLines());
  WriteJob("AssSez003.cap", {"1", "4", "0, 1", "1, 1", "2, 1", "3, 1"});
  WriteJob("Sezio_ut", {"1", "QUADRATA 40", "40 40 20 20", "1", "4", "0 0", "40 0", "40 40",
                        "0 40", "0 0", "0 0", "1", "0", "0", "0", "0", "0 0", "0 0"});
  WriteJob("Group.cap", {"2", "CAVO 7T15", "7", "9.73, 195000, 0.2, 0.005", "6, 1860",
                         "CAVO 12T15", "12", "16.68, 195000, 0.2, 0.005", "6, 1860"});
  // A font without glyphs: start-up finds it and has nothing to say.
  WriteJobFile(dir_.path() / "progra" / "font.001", {"0"});
}

std::string FixtureJob::Argument() const {
  return "|diroot=" + dir_.SuitePath() + "|MEMBRA=" + std::to_string(kMember) + "|";
}

std::string FixtureJob::JobSuitePath() const {
  return ToLower((dir_.path() / "lavori").string()) + "\\ab12cd";
}

void FixtureJob::WriteJob(const std::string& name, const std::vector<std::string>& lines) const {
  WriteJobFile(JobFolder() / name, lines);
}

void FixtureJob::RemoveJob(const std::string& name) const { fs::remove(JobFolder() / name); }

// Five nodes 100 apart along X, then the five structure nodes 11 to 15 on
// them, then four elements joining them in turn.
std::vector<std::string> FixtureJob::StructureLines() {
  return {"Struttura release 4.2", "5", "0, 0, 0", "100, 0, 0", "200, 0, 0", "300, 0, 0",
          "400, 0, 0", "5", "0, 0, 0", "11, 0", "1, 0, 0", "12, 0", "2, 0, 0", "13, 0",
          "3, 0, 0", "14, 0", "4, 0, 0", "15, 0", "4", "0 1", "1", "1 2", "2", "2 3", "3",
          "3 4", "4"};
}
