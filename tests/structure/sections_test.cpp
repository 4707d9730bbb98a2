#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "structure/job_files_reader.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/messages.h"
#include "tests/support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// One entry of the sections file, with the parts the editor skips.
Lines SectionEntry(const std::string& name, const std::string& dataLine,
                   const std::vector<Lines>& contours) {
  Lines lines = {name, dataLine, std::to_string(contours.size())};
  for (const Lines& vertices : contours) {
    lines.push_back(std::to_string(vertices.size()));
    lines.insert(lines.end(), vertices.begin(), vertices.end());
  }
  return Join(
      {lines, {"0 0", "0 0", "1", "0 0 0 0", "0 0 0 0", "0 0 0 0", "0 0 0 0", "0 0", "0 0"}});
}

// A count, in UTF-16.
const std::string kUtf16 = Utf16Bytes("1\r\n");

std::string FaultText(const ReadOutcome& outcome) {
  return outcome.fault ? outcome.fault->text : "<nessun errore>";
}

class JobFilesTest : public ::testing::Test {
 protected:
  JobFilesTest() {
    model->StructureNodeCount = 3;
    model->StructureNodes[1] = {101, kNoSection, 5};
    model->StructureNodes[2] = {102, 4, 6};  // left over from an earlier read
    model->StructureNodes[3] = {103, kNoSection, 7};
  }
  std::string Job() const { return dir.SuitePath(); }
  ReadOutcome ReadAssociation(const Lines& lines) {
    WriteJobFile(dir.path() / "AssSez001.cap", lines);
    return ReadSectionAssociation(Job(), "\\AssSez001.cap", *model);
  }
  ReadOutcome ReadSections(const Lines& lines) {
    model->SectionSource = 1;
    WriteJobFile(dir.path() / "Sezio_ut", lines);
    return ReadSectionFile(Job(), custom.SuitePath(), *model, *sections);
  }
  ReadOutcome ReadCables(const Lines& lines) {
    WriteJobFile(dir.path() / "Group.cap", lines);
    return ReadCableTypes(Job(), *sections);
  }
  // The job file replaced by the given bytes, or by a folder when null.
  void Replace(const std::string& name, const std::string* bytes) {
    std::filesystem::remove_all(dir.path() / name);
    if (bytes) {
      WriteBytes(dir.path() / name, *bytes);
    } else {
      std::filesystem::create_directory(dir.path() / name);
    }
  }

  TempDir dir;
  TempDir custom;
  std::unique_ptr<StructureModel> model = std::make_unique<StructureModel>();
  std::unique_ptr<SectionTable> sections = std::make_unique<SectionTable>();
};

TEST_F(JobFilesTest, AssociationGivesEachNamedNodeItsLastSection) {
  const ReadOutcome outcome =
      ReadAssociation({"2", "3", "5, 2", "7," + std::string(100000, ' ') + "1", "5, 3"});
  EXPECT_TRUE(outcome.opened);
  EXPECT_FALSE(outcome.fault.has_value());
  EXPECT_EQ(model->SectionSource, 2);
  EXPECT_EQ(model->AssociationCount, 3);
  EXPECT_EQ(model->StructureNodes[1].SectionIndex, 3);
  EXPECT_EQ(model->StructureNodes[2].SectionIndex, kNoSection);
  EXPECT_EQ(model->StructureNodes[3].SectionIndex, 1);
}

TEST_F(JobFilesTest, AssociationFaults) {
  const std::string path = Job() + "\\AssSez001.cap";
  const ReadOutcome missing = ReadSectionAssociation(Job(), "\\AssSez001.cap", *model);
  EXPECT_FALSE(missing.opened);
  EXPECT_EQ(model->StructureNodes[2].SectionIndex, kNoSection);
  const std::string incomplete =
      "File di associazione nodo - sezione non completo o errato " + path;
  const std::string bad = "Problemi con la lettura del file " + path + " ";
  const std::pair<ReadOutcome, std::string> cases[] = {
      {missing, incomplete},
      {ReadAssociation({}), incomplete},
      {ReadAssociation({"sorgente"}), incomplete},
      {ReadAssociation({"1", "2", "5, 1", "9, 1"}), bad + "(riga 4: nodo interno 9 non presente)"},
      {ReadAssociation({"1", "2", "5, 1"}), bad + "(file troncato)"},
      {ReadAssociation({"1", "-5"}), bad + "(riga 2: conteggio non valido -5)"},
      {ReadAssociation({"1", "99999"}), bad + "(riga 2: numero intero non valido \"99999\")"},
  };
  for (const auto& [outcome, text] : cases) EXPECT_EQ(outcome.fault, Problem(text));
  // No first value to read: garbage, UTF-16, a folder.
  const std::string garbage = GarbageBytes();
  for (const std::string* bytes : {&garbage, &kUtf16, static_cast<const std::string*>(nullptr)}) {
    Replace("AssSez001.cap", bytes);
    const ReadOutcome outcome = ReadSectionAssociation(Job(), "\\AssSez001.cap", *model);
    EXPECT_EQ(FaultText(outcome), incomplete);
  }
}

TEST_F(JobFilesTest, SectionSourceChoosesTheFolder) {
  WriteJobFile(dir.path() / "Sezio_ut", Join({{"1"}, SectionEntry("LAVORO", "1 1", {{"0 0"}})}));
  WriteJobFile(custom.path() / "Sezio_ut", Join({{"1"}, SectionEntry("COMUNE", "1 1", {{"0 0"}})}));
  for (const int source : {1, 2}) {
    model->SectionSource = static_cast<int16_t>(source);
    const ReadOutcome outcome = ReadSectionFile(Job(), custom.SuitePath(), *model, *sections);
    ASSERT_FALSE(outcome.fault.has_value()) << outcome.fault->text;
    EXPECT_EQ(sections->Sections[1].Name, source == 1 ? "LAVORO" : "COMUNE");
  }
}

TEST_F(JobFilesTest, SectionEntriesGiveSizesOutlinesAndExtents) {
  const ReadOutcome outcome = ReadSections(
      Join({{"2"},
            SectionEntry("CASSONE CAMPATA", "10 20 1.5 -3",
                         {{"12.5 -40", "12,5 -40", "\t-7  3 vertice d'angolo"}, {"100 0"}}),
            SectionEntry("PILA", "  10" + std::string(100000, ' ') + "20  ", {{"0 0"}})}));
  EXPECT_TRUE(outcome.opened);
  ASSERT_FALSE(outcome.fault.has_value()) << outcome.fault->text;
  ASSERT_EQ(sections->SectionCount, 2);
  // Size, reference point and extents of each section; the second has no
  // reference point on its data line.
  using V = std::vector<double>;
  const Section& a = sections->Sections[1];
  const Section& b = sections->Sections[2];
  EXPECT_EQ(a.Name, "CASSONE CAMPATA");
  EXPECT_EQ((V{a.SizeZ, a.SizeY, a.RefPointZ, a.RefPointY}), (V{10, 20, 1.5, -3}));
  EXPECT_EQ((V{a.MinZ, a.MaxZ, a.MinY, a.MaxY}), (V{-7, 100, -40, 3}));
  EXPECT_EQ((V{b.SizeZ, b.SizeY, b.RefPointZ, b.RefPointY}), (V{10, 20, 0, 0}));
  ASSERT_EQ(a.ContourCount, 2);
  EXPECT_EQ(a.VertexCount[2], 1);
  ASSERT_EQ(a.VertexCount[1], 3);
  // The second vertex is "12,5": reading stops at the comma.
  EXPECT_EQ((V{a.VertexZ[1][1], a.VertexZ[1][2], a.VertexZ[1][3]}), (V{12.5, 12, -7}));
  EXPECT_EQ((V{a.VertexY[1][1], a.VertexY[1][2], a.VertexY[1][3]}), (V{-40, -40, 3}));
}

TEST_F(JobFilesTest, SectionFileFaults) {
  EXPECT_FALSE(ReadSectionFile(Job(), custom.SuitePath(), *model, *sections).opened);
  const std::string none = "Nessun sezione definita ";
  const std::string bad = "Problemi con la lettura del file " + Job() + "\\Sezio_ut ";
  const std::pair<Lines, std::string> cases[] = {
      {{"0"}, none},
      {{}, none},
      {{"2001"}, bad + "(riga 1: troppe sezioni (massimo 2000))"},
      {{"1", "S", "1 1", "6"}, bad + "(riga 4: troppi contorni (massimo 5))"},
      {Join({{"1"}, SectionEntry("S", "1 1", {Lines(101, "0 0")})}),
       bad + "(riga 5: troppi vertici (massimo 100))"},
      {{"2", "S", "1 1", "1", "1", "0 0"}, bad + "(file troncato)"},
      {{"-5"}, bad + "(riga 1: conteggio non valido -5)"},
      {{"dodici"}, none},
  };
  for (const auto& [lines, text] : cases) EXPECT_EQ(ReadSections(lines).fault, Problem(text));
  // No section count to read: garbage, UTF-16, a folder.
  const std::string garbage = GarbageBytes();
  for (const std::string* bytes : {&garbage, &kUtf16, static_cast<const std::string*>(nullptr)}) {
    Replace("Sezio_ut", bytes);
    EXPECT_EQ(FaultText(ReadSectionFile(Job(), custom.SuitePath(), *model, *sections)), none);
  }
}

TEST_F(JobFilesTest, MissingCableTypesAreANotice) {
  const std::string notice = "Nessun file trovato  " + Job() + "\\Group.cap";
  const ReadOutcome missing = ReadCableTypes(Job(), *sections);
  const std::string garbage = GarbageBytes();
  auto replaced = [&](const std::string* bytes) {
    Replace("Group.cap", bytes);
    return ReadCableTypes(Job(), *sections);
  };
  for (const ReadOutcome& outcome : {missing, ReadCables({}), ReadCables({"tipi"}),
                                     replaced(&garbage), replaced(&kUtf16), replaced(nullptr)}) {
    EXPECT_FALSE(outcome.opened);
    EXPECT_FALSE(outcome.fault.has_value());
    EXPECT_EQ(outcome.notices, std::vector<Message>{Information(notice)});
    EXPECT_EQ(sections->CableTypeCount, 0);
  }
}

TEST_F(JobFilesTest, CableTypeNamesAndLookup) {
  const ReadOutcome outcome = ReadCables({"2", "CAVO 4T15", "4", "5.56, 195000, 0.2, 0.005",
                                          "6, 1860", "Cavo speciale", "n/d", "a, b, c, d", "e, f"});
  EXPECT_TRUE(outcome.opened);
  EXPECT_TRUE(outcome.notices.empty());
  ASSERT_FALSE(outcome.fault.has_value()) << outcome.fault->text;
  ASSERT_EQ(sections->CableTypeCount, 2);
  EXPECT_EQ(FindCableType(*sections, "CAVO 4T15"), 1);
  EXPECT_EQ(FindCableType(*sections, "Cavo speciale"), 2);
  EXPECT_EQ(FindCableType(*sections, "cavo 4t15"), -1);
  EXPECT_EQ(FindCableType(*sections, ""), -1);

  const std::string bad = "Problemi con la lettura del file " + Job() + "\\Group.cap ";
  EXPECT_EQ(FaultText(ReadCables({"51"})), bad + "(riga 1: troppi tipi di cavo (massimo 50))");
  EXPECT_EQ(FaultText(ReadCables({"1", "CAVO", "4", "1, 2"})), bad + "(file troncato)");
  EXPECT_EQ(FaultText(ReadCables({"-5"})), bad + "(riga 1: conteggio non valido -5)");
  // A name without end is kept whole: the combo boxes show what fits.
  ASSERT_FALSE(ReadCables({"1", std::string(100000, 'N'), "4", "1, 2, 3, 4", "5, 6"}).fault);
  EXPECT_EQ(sections->CableTypeNames[1].size(), 100000u);
}

}  // namespace
