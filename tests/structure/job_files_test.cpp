#include "structure/job_files_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/layouts/case_file.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/messages.h"
#include "tests/support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

class JobFilesTest : public ::testing::Test {
 protected:
  JobFilesTest() {
    model->StructureNodeCount = 3;
    model->StructureNodes[1] = {101, kNoSection, 5};
    model->StructureNodes[2] = {102, 4, 6};  // left over from an earlier read
    model->StructureNodes[3] = {103, kNoSection, 7};
  }
  std::string Job() const { return dir.SuitePath(); }
  // Reads the named job file with its reader; what it says comes back as a
  // message: its fault, or else its first notice. The continuous-elements
  // reader gives a bare text, shown as a problem.
  std::optional<Message> Read(const std::string& file, int member = 1) {
    if (file == "El_Conti.tmp") {
      const std::string error = ReadContinuousElements(Job(), member, *model, description);
      return error.empty() ? std::nullopt : std::optional<Message>(Problem(error));
    }
    if (file == "Sezio_ut") model->SectionSource = source;
    const ReadOutcome outcome =
        file == "AssSez001.cap" ? ReadSectionAssociation(Job(), "\\AssSez001.cap", *model)
        : file == "Sezio_ut"    ? ReadSectionFile(Job(), custom.SuitePath(), *model, *sections)
                                : ReadCableTypes(Job(), *sections);
    opened = outcome.opened;
    if (outcome.fault || outcome.notices.empty()) return outcome.fault;
    return outcome.notices[0];
  }
  std::optional<Message> Read(const std::string& file, const Lines& lines, int member = 1) {
    WriteJobFile(dir.path() / file, lines);
    return Read(file, member);
  }

  TempDir dir;
  TempDir custom;
  std::unique_ptr<StructureModel> model = std::make_unique<StructureModel>();
  std::unique_ptr<SectionTable> sections = std::make_unique<SectionTable>();
  std::string description = "left over";
  bool opened = false;
  int16_t source = 1;  // the sections file of the job, not the common one
};

// Whatever gives no first value is as good as no file: a folder, an empty
// file, a word, garbage, another encoding. Each reader first forgets what
// an earlier read left.
TEST_F(JobFilesTest, AFileWithoutItsFirstValueIsAsGoodAsNone) {
  const std::string job = Job();
  const std::pair<std::string, Message> files[] = {
      {"El_Conti.tmp", Problem("Impossibile leggere il file" + job + "\\El_Conti.tmp")},
      {"AssSez001.cap", Problem("File di associazione nodo - sezione non completo o errato " +
                                job + "\\AssSez001.cap")},
      {"Sezio_ut", Problem("Nessun sezione definita ")},
      {"Group.cap", Information("Nessun file trovato  " + job + "\\Group.cap")},
  };
  const std::optional<std::string> contents[] = {
      std::nullopt, "", "parola\r\n", GarbageBytes(), Utf16Bytes("1\r\n"), "\xEF\xBB\xBF" "1\r\n"};
  for (const auto& [file, expected] : files) {
    EXPECT_EQ(Read(file), expected) << file << " missing";
    EXPECT_FALSE(opened);
    std::filesystem::create_directory(dir.path() / file);
    for (const std::optional<std::string>& bytes : contents) {
      if (bytes) {
        std::filesystem::remove_all(dir.path() / file);
        WriteBytes(dir.path() / file, *bytes);
      }
      description = "left over";
      sections->SectionCount = sections->CableTypeCount = 1;
      EXPECT_EQ(Read(file), expected) << file << ": " << bytes.value_or("a folder").substr(0, 9);
      EXPECT_TRUE(file != "Group.cap" || !opened);
      EXPECT_EQ(description, file == "El_Conti.tmp" ? "" : "left over");
      EXPECT_EQ(model->StructureNodes[2].SectionIndex, file == "El_Conti.tmp" ? 4 : kNoSection);
      EXPECT_EQ(sections->SectionCount, file == "Sezio_ut" ? 0 : 1);
      EXPECT_EQ(sections->CableTypeCount, file == "Group.cap" ? 0 : 1);
    }
  }
}

TEST_F(JobFilesTest, MalformedContentIsAFault) {
  for (const std::vector<std::string>& c : CaseRows("malformed_job_files.txt")) {
    description = "left over";
    WriteBytes(dir.path() / c[0], c[1]);
    EXPECT_EQ(Read(c[0]),
              Problem("Problemi con la lettura del file " + Job() + "\\" + c[0] + " " + c[2]));
    // What was read of the member is no use once the file is known bad.
    EXPECT_EQ(model->MemberElementCount, 0);
    EXPECT_EQ(description, c[0] == "El_Conti.tmp" ? "" : "left over");
  }
}

TEST_F(JobFilesTest, TakesTheEditedMemberOnly) {
  // Member 4 is shorter than its columns: no type, no description. Member
  // 5's line has no end: it is cut like any.
  std::string file = CaseFile("El_Conti.tmp");
  file.replace(file.find('@'), 1, std::string(100000, 'x'));
  WriteBytes(dir.path() / "El_Conti.tmp", file);
  for (const std::vector<std::string>& c : CaseRows("edited_members.txt")) {
    EXPECT_EQ(Read("El_Conti.tmp", std::stoi(c[0])), std::nullopt) << c[0];
    EXPECT_EQ(description, c[1]);
    std::string elements;
    for (int k = 1; k <= model->MemberElementCount; ++k) {
      elements += std::to_string(model->MemberElements[k]) + " ";
    }
    EXPECT_EQ(elements, c[2]);
  }
}

TEST_F(JobFilesTest, MemberCountLimit) {
  for (const int count : {0, 299, 300}) {
    Lines file = {std::to_string(count)};
    for (int i = 1; i <= count; ++i) {
      // Member number in columns 1 to 20, type code in 21 to 40, description on.
      std::string member = std::to_string(i);
      member.resize(20, ' ');
      member += "C";
      member.resize(40, ' ');
      file.insert(file.end(), {member + "M" + std::to_string(i), "0, 0"});
    }
    EXPECT_EQ(Read("El_Conti.tmp", file, count).value_or(Message{}).text,
              count < 300 ? "" : "Numero di elementi continui eccessivo");
    EXPECT_EQ(description, count == 299 ? "M299" : "");
  }
}

TEST_F(JobFilesTest, AssociationGivesEachNamedNodeItsLastSection) {
  const std::string blanks(100000, ' ');
  EXPECT_EQ(Read("AssSez001.cap", {"2", "3", "5, 2", "7," + blanks + "1", "5, 3"}), std::nullopt);
  EXPECT_TRUE(opened);
  EXPECT_EQ(model->SectionSource, 2);
  EXPECT_EQ(model->AssociationCount, 3);
  EXPECT_EQ(model->StructureNodes[1].SectionIndex, 3);
  EXPECT_EQ(model->StructureNodes[2].SectionIndex, kNoSection);
  EXPECT_EQ(model->StructureNodes[3].SectionIndex, 1);
}

TEST_F(JobFilesTest, SectionEntriesGiveSizesOutlinesAndExtents) {
  WriteBytes(custom.path() / "Sezio_ut", CaseFile("common_Sezio_ut"));
  EXPECT_EQ(Read("Sezio_ut", {"0"}), Problem("Nessun sezione definita "));
  source = 2;
  ASSERT_EQ(Read("Sezio_ut"), std::nullopt);
  EXPECT_EQ(sections->Sections[1].Name, "COMUNE");
  // Two entries, the second with 100 000 blanks inside its data line.
  std::string bytes = CaseFile("Sezio_ut");
  bytes.replace(bytes.find('@'), 1, std::string(100000, ' '));
  WriteBytes(dir.path() / "Sezio_ut", bytes);
  source = 1;
  ASSERT_EQ(Read("Sezio_ut"), std::nullopt);
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
  ASSERT_EQ(a.VertexCount[1], 3);
  // The second vertex is "12,5": reading stops at the comma.
  EXPECT_EQ((V{a.VertexZ[1][1], a.VertexZ[1][2], a.VertexZ[1][3]}), (V{12.5, 12, -7}));
  EXPECT_EQ((V{a.VertexY[1][1], a.VertexY[1][2], a.VertexY[1][3]}), (V{-40, -40, 3}));
}

TEST_F(JobFilesTest, CableTypeNamesAndLookup) {
  ASSERT_EQ(Read("Group.cap", {"2", "CAVO 4T15", "4", "5.56, 195000, 0.2, 0.005", "6, 1860",
                               "Cavo speciale", "n/d", "a, b, c, d", "e, f"}),
            std::nullopt);
  ASSERT_EQ(sections->CableTypeCount, 2);
  EXPECT_EQ(FindCableType(*sections, "CAVO 4T15"), 1);
  EXPECT_EQ(FindCableType(*sections, "Cavo speciale"), 2);
  EXPECT_EQ(FindCableType(*sections, "cavo 4t15"), -1);
  // A name without end is kept whole: the combo boxes show what fits.
  ASSERT_EQ(Read("Group.cap", {"1", std::string(100000, 'N'), "4", "1, 2, 3, 4", "5, 6"}),
            std::nullopt);
  EXPECT_EQ(sections->CableTypeNames[1].size(), 100000u);
}

}  // namespace
