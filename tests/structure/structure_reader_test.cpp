#include "structure/structure_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "tests/layouts/case_file.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/messages.h"
#include "tests/support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;
struct Point {
  double x, y, z;
};
struct NodeRecord {
  int internalNumber, number;
};
struct ElementRecord {
  std::string ends;  // the first line of the record
  int number;
};

// A structure file as the suite writes it, with some trailing content the
// editor must not read.
Lines StructureFile(const std::vector<Point>& points, const std::vector<NodeRecord>& nodes,
                    const std::vector<ElementRecord>& elements) {
  Lines lines = {"Struttura release 4.2", std::to_string(points.size())};
  for (const Point& p : points) {
    lines.push_back(std::to_string(p.x) + ", " + std::to_string(p.y) + ", " + std::to_string(p.z));
  }
  lines.push_back(std::to_string(nodes.size()));
  for (const NodeRecord& n : nodes) {
    lines.push_back(std::to_string(n.internalNumber) + ", 0, 0");
    lines.push_back(std::to_string(n.number) + ", 0");
  }
  lines.push_back(std::to_string(elements.size()));
  for (const ElementRecord& e : elements) {
    lines.push_back(e.ends);
    lines.push_back(std::to_string(e.number) + " 1 1");
  }
  lines.push_back("3");
  lines.push_back("1, 1, 1, 1, 1, 1, 1");
  return lines;
}

// Three points on the X axis, nodes 101..103, elements 1 and 2 between them.
const Lines kSmall =
    StructureFile({{0, 0, 0}, {200, 0, 0}, {400, 0, 0}}, {{0, 101}, {1, 102}, {2, 103}},
                  {{"0 1 0 1", 1}, {"1 2 0 1", 2}});

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
  const std::vector<Point> many(2000, Point{1, 2, 3});
  ASSERT_FALSE(Read(Crlf(StructureFile(many, {{1999, 7}}, {}))).fault);
  EXPECT_DOUBLE_EQ(model->NodeCoordinates[1].Z, 3.0);
  Lines tooMany = StructureFile(many, {}, {});
  tooMany[1] = "2001";
  auto firstLine = [](const std::string& first) {
    Lines lines = kSmall;
    lines[0] = first;
    return Crlf(lines);
  };
  const std::vector<Message> old = {{kOldFormat, kCaptionWarning, kStyleCritical}};
  const std::tuple<std::string, std::vector<Message>, Message> cases[] = {
      {firstLine("STRUTTURA RELEASE 5"), {}, Message{}},
      {firstLine("Struttura release 4.2" + std::string(100000, ' ') + "x"), {}, Message{}},
      {Crlf(Lines(kSmall.begin() + 1, kSmall.end())), old, Message{}},
      {"\xEF\xBB\xBF" + Crlf(kSmall), {}, Message{}},
      {Crlf(kSmall, "\r"), {}, Message{}},  // lines ended as an old editor ends them
      {Crlf(tooMany), {}, Problem("Numero di nodi eccessivo . Lavoro non valido")},
      {"", {}, Problem(cannotRead)},
      {"Struttura release 4.2\r\n", {}, Problem(cannotRead)},
      {"Struttura release 4.2\r\ndodici\r\n", {}, Problem(cannotRead)},
      {"Struttura release 4.2\r\n   \r\n", {}, Problem(cannotRead)},
      {GarbageBytes(), old, Problem(cannotRead)},
      {Utf16Bytes("Struttura release 4.2\r\n3\r\n"), old, Problem(cannotRead)},
      {std::string("\0\0\0\0", 4), old, Problem(cannotRead)},
  };
  for (const auto& [bytes, notices, fault] : cases) {
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
  const ReadOutcome folder = ReadStructureFile(dir.SuitePath(), *model);
  EXPECT_FALSE(folder.opened);
  EXPECT_EQ(folder.fault, Problem(cannotRead));
}

// A node without a positive number takes no position; an element ending on
// it is no fault, but that end stays unresolved and the element unoriented.
// Resolved elements start at the end nearer to the origin in the X-Y plane.
TEST_F(StructureReaderTest, ElementsResolveToTheEndNearerToTheOrigin) {
  const ReadOutcome outcome = Read(Crlf(StructureFile(
      {{3, 4, 0}, {0, 0, 5}, {0, 5, 0}, {9, 9, 9}, {8, 8, 8}},
      {{3, 0}, {0, 30}, {1, 31}, {2, 32}, {4, -3}, {2, 33}},
      {{"\t0 1 e altre parole 2", 1}, {"0  2", 2}, {"0 1", -1}, {"3 0", 5}, {"2 2", 6}})));
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
  EXPECT_EQ(FindStructureNode(*model, 33), 4);
  EXPECT_EQ(FindStructureNode(*model, 0), -1);
  EXPECT_EQ(FindNodeByInternalNumber(*model, 2), 3);  // the first of two
  EXPECT_EQ(FindNodeByInternalNumber(*model, 3), -1);
  EXPECT_EQ(FindElementByNumber(*model, 6), 4);
  EXPECT_EQ(FindElementByNumber(*model, -1), -1);
}

TEST_F(StructureReaderTest, MalformedContentNamesFileAndLine) {
  std::vector<std::pair<Lines, std::string>> cases = {
      {StructureFile({{0, 0, 0}}, {{4, 1}}, {}), "(riga 5: punto 4 non presente)"},
      {StructureFile({{0, 0, 0}, {1, 0, 0}}, {{0, 1}}, {{"0 1", 1}}),
       "(riga 9: nodo interno 1 non presente)"},
      {StructureFile({{0, 0, 0}}, std::vector<NodeRecord>(2001, {0, 5}), {}),
       "(riga 4005: troppi nodi (massimo 2000))"},
  };
  for (const std::vector<std::string>& c : CaseRows("malformed_structure.txt")) {
    Lines lines = kSmall;
    const auto index = static_cast<std::size_t>(std::stoi(c[0]));
    lines.resize(c[1].empty() ? index : lines.size());
    if (!c[1].empty()) lines[index] = c[1];
    cases.emplace_back(lines, c[2]);
  }
  // A field that never ends is shown cut, so that the message stays readable.
  Lines longField = kSmall;
  longField[3] = std::string(5000, '7') + "x";
  cases.emplace_back(longField, "(riga 4: numero non valido \"" + std::string(61, '7') + "...)");
  for (const auto& [lines, where] : cases) {
    EXPECT_EQ(Read(Crlf(lines)).fault,
              Problem("Problemi con la lettura del file " + Path() + " " + where));
  }
}

}  // namespace
