#include "structure/structure_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/layouts/case_file.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/messages.h"
#include "tests/support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

std::string Crlf(const Lines& lines, const std::string& end = "\r\n") {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + end;
  return bytes;
}

class StructureReaderTest : public ::testing::Test {
 protected:
  ReadOutcome Read(const std::string& bytes) {
    WriteBytes(dir.path() / "struttur.str", bytes);
    return ReadStructureFile(dir.SuitePath(), *model);
  }
  std::string Path() const { return dir.SuitePath() + "\\struttur.str"; }

  TempDir dir;
  std::unique_ptr<StructureModel> model = std::make_unique<StructureModel>();
};

const std::string kOldFormat =
    "Versione 3.8 o precedente. Caricare e risalvare la struttura in 'Valmora'";

// Both file generations must be read to the end; only the older one, with
// no version line, warns. Bytes that are no structure file of this suite:
// without "release" on the first line they are taken for the old format,
// warned about, and refused at the point count. A UTF-8 mark before the
// version line is harmless: nothing of the file is text.
TEST_F(StructureReaderTest, PointCountLimitsAndStartFaults) {
  const std::string cannotRead = "Problemi con la lettura del file " + Path();
  EXPECT_EQ(ReadStructureFile(dir.SuitePath(), *model).fault, Problem(cannotRead));
  Lines many = {"Struttura release 4.2", "2000"};
  many.insert(many.end(), 2000, "1, 2, 3");
  many.insert(many.end(), {"1", "1999, 0, 0", "7, 0", "0"});
  ASSERT_FALSE(Read(Crlf(many)).fault);
  EXPECT_DOUBLE_EQ(model->NodeCoordinates[1].Z, 3.0);
  Lines tooMany = many;
  tooMany[1] = "2001";
  std::string longFirst = CaseFile("small.str");
  longFirst.insert(longFirst.find('\r'), std::string(100000, ' ') + "x");
  std::vector<std::vector<std::string>> cases = CaseRows("structure_starts.txt");
  cases.push_back({longFirst, "", ""});
  cases.push_back({Crlf(tooMany), "", "Numero di nodi eccessivo . Lavoro non valido"});
  cases.push_back({GarbageBytes(), kOldFormat, cannotRead});
  for (const std::vector<std::string>& c : cases) {
    const std::string& bytes = c[0];
    const std::vector<Message> notices =
        c[1].empty() ? std::vector<Message>{} : std::vector<Message>{
                                                     {c[1], kCaptionWarning, kStyleCritical}};
    const Message fault = c[2].empty() ? Message{} : Problem(c[2] == "-" ? cannotRead : c[2]);
    SCOPED_TRACE(bytes.substr(0, 30));
    const ReadOutcome outcome = Read(bytes);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.notices, notices);
    EXPECT_EQ(outcome.fault.value_or(Message{}), fault);
    if (outcome.fault) continue;
    EXPECT_EQ(model->StructureNodeCount, 3);
    EXPECT_EQ(model->ElementCount, 2);
    EXPECT_EQ(model->StructureNodes[3].Number, 103);
    EXPECT_EQ(model->StructureNodes[3].InternalNumber, 2);
    EXPECT_DOUBLE_EQ(model->NodeCoordinates[2].X, 200.0);
  }
  // A folder where the file should be cannot be opened.
  std::filesystem::remove(dir.path() / "struttur.str");
  std::filesystem::create_directory(dir.path() / "struttur.str");
  EXPECT_EQ(ReadStructureFile(dir.SuitePath(), *model).fault, Problem(cannotRead));
}

// A node without a positive number takes no position; an element ending on
// it is no fault, but that end stays unresolved and the element unoriented.
// Resolved elements start at the end nearer to the origin in the X-Y plane.
TEST_F(StructureReaderTest, ElementsResolveToTheEndNearerToTheOrigin) {
  const ReadOutcome outcome = Read(CaseFile("elements.str"));
  ASSERT_FALSE(outcome.fault.has_value()) << outcome.fault->text;
  EXPECT_EQ(model->StructureNodeCount, 4);
  EXPECT_EQ(model->StructureNodes[1].Number, 30);
  ASSERT_EQ(model->ElementCount, 4);  // element -1 skipped
  EXPECT_EQ(model->Elements[1].FirstNode, 0);  // internal numbers until resolved
  EXPECT_EQ(model->Elements[1].SecondNode, 1);
  ResolveElementNodes(*model);
  const std::pair<int, int> ends[] = {
      {2, 1},  // (0, 0, 5) is at distance 0 in the X-Y plane, (3, 4, 0) at 5
      {1, 3},  // equal distances keep the file's order
      {3, 1},  // internal number 3 has no position: left as read
      {3, 4},  // two nodes sharing an internal number: each end takes one
  };
  for (int e = 1; e <= 4; ++e) {
    const StructureElement& element = model->Elements[e];
    EXPECT_EQ((std::pair<int, int>(element.FirstNode, element.SecondNode)), ends[e - 1]) << e;
  }
  EXPECT_EQ(FindNodeByInternalNumber(*model, 2), 3);  // the first of two
  EXPECT_EQ(FindNodeByInternalNumber(*model, 3), -1);
}

TEST_F(StructureReaderTest, MalformedContentNamesFileAndLine) {
  for (const std::vector<std::string>& c : CaseRows("malformed_structure.txt")) {
    EXPECT_EQ(Read(c[0]).fault,
              Problem("Problemi con la lettura del file " + Path() + " " + c[1]));
  }
}

}  // namespace
