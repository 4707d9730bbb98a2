#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "structure/job_files_reader.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

// An entry line: member number in columns 1 to 20, type code in 21 to 40,
// description from 41 on.
std::string Entry(int member, const std::string& type, const std::string& description) {
  std::string line = std::string(6 - std::to_string(member).size(), ' ') + std::to_string(member);
  line.resize(20, ' ');
  line += type;
  line.resize(40, ' ');
  return line + description;
}

class ContinuousElementsTest : public ::testing::Test {
 protected:
  std::string Read(const std::vector<std::string>& lines, int member) {
    WriteJobFile(dir.path() / "El_Conti.tmp", lines);
    return ReadContinuousElements(dir.SuitePath(), member, *model, description);
  }
  std::vector<int> MemberElements() const {
    std::vector<int> elements;
    for (int k = 1; k <= model->MemberElementCount; ++k)
      elements.push_back(model->MemberElements[k]);
    return elements;
  }

  TempDir dir;
  std::unique_ptr<StructureModel> model = std::make_unique<StructureModel>();
  std::string description = "left over";
};

TEST_F(ContinuousElementsTest, TakesTheEditedMemberOnly) {
  const std::vector<std::string> file = {
      "5",
      Entry(1, "P", "PILA 1"),
      "2",
      "11, 12",
      Entry(2, "   c  ", "CORDOLO"),
      "0, 0",
      Entry(3, "T", "Trave di bordo è lato nord 123"),
      "3",
      "1, 2",
      "3",
      "     4",  // shorter than its columns: no type, no description
      "1",
      "40",
      Entry(5, "T", std::string(100000, 'x')),  // a line without end: cut like any
      "1",
      "7",
  };
  struct Case {
    int member;
    std::string description;
    std::vector<int> elements;
  };
  const Case cases[] = {
      {1, "PILA 1", {11, 12}},
      {2, "CORDOLO", {}},
      {3, "Trave di bordo è lat", {1, 2, 3}},  // 30 characters cut to 20
      {4, "", {40}},
      {5, std::string(20, 'x'), {7}},
      {6, "", {}},  // not in the file: not an error
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.member);
    EXPECT_EQ(Read(file, c.member), "");
    EXPECT_EQ(description, c.description);
    EXPECT_EQ(MemberElements(), c.elements);
  }
}

TEST_F(ContinuousElementsTest, MemberCountLimit) {
  for (const int count : {0, 299, 300}) {
    SCOPED_TRACE(count);
    std::vector<std::string> file = {std::to_string(count)};
    for (int i = 1; i <= count; ++i) {
      file.push_back(Entry(i, "C", "M" + std::to_string(i)));
      file.push_back("0, 0");
    }
    const std::string error = Read(file, count);
    EXPECT_EQ(error, count < 300 ? "" : "Numero di elementi continui eccessivo");
    EXPECT_EQ(description, count == 299 ? "M299" : "");
  }
}

// Whatever gives no member count is as good as no file: garbage, another
// encoding (UTF-16, or a UTF-8 mark before the count), a folder.
TEST_F(ContinuousElementsTest, MissingFileOrNoCount) {
  const std::string expected = "Impossibile leggere il file" + dir.SuitePath() + "\\El_Conti.tmp";
  EXPECT_EQ(ReadContinuousElements(dir.SuitePath(), 1, *model, description), expected);
  EXPECT_EQ(Read({}, 1), expected);
  EXPECT_EQ(Read({"membrature"}, 1), expected);
  for (const std::string& bytes :
       {GarbageBytes(), Utf16Bytes("1\r\n"), std::string("\xEF\xBB\xBF" "1\r\n")}) {
    WriteBytes(dir.path() / "El_Conti.tmp", bytes);
    EXPECT_EQ(ReadContinuousElements(dir.SuitePath(), 1, *model, description), expected);
    EXPECT_EQ(description, "");
  }
  std::filesystem::remove(dir.path() / "El_Conti.tmp");
  std::filesystem::create_directory(dir.path() / "El_Conti.tmp");
  EXPECT_EQ(ReadContinuousElements(dir.SuitePath(), 1, *model, description), expected);
}

TEST_F(ContinuousElementsTest, MalformedContentIsAFault) {
  const std::string path = dir.SuitePath() + "\\El_Conti.tmp";
  const std::string beam = Entry(1, "T", "TRAVE");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"1", beam, "3", "1, 2"}, "(file troncato)"},
      {{"1", beam, "2", "1, x"}, "(riga 4: numero non valido \"x\")"},
      {{"1", beam, "5001"}, "(riga 3: troppi elementi nella membratura (massimo 5000))"},
      {{"1", beam, "1", "70000"}, "(riga 4: numero intero non valido \"70000\")"},
      {{"-1"}, "(riga 1: conteggio non valido -1)"},
      {{"99999999999"}, "(riga 1: numero intero non valido \"99999999999\")"},
  };
  for (const auto& [lines, where] : cases) {
    EXPECT_EQ(Read(lines, 1), "Problemi con la lettura del file " + path + " " + where);
    EXPECT_EQ(model->MemberElementCount, 0);
  }
}

}  // namespace
