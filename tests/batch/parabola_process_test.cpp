#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/process_run.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using Result = ProcessResult;

// Fields of a group file line at columns 1, 21 and 41.
std::string Row(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) line.resize(20 * k, ' ');
    line += fields[k];
  }
  return line;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
  return lines;
}

// "tracciati-batch … parabola" run as a process on a copy of the example
// suite: member 2 is the three-span girder, nodes 101..159 at table
// positions 1..59, the piers at nodes 118 (3000 cm) and 142 (7000 cm).
class ParabolaRun : public ::testing::Test {
 protected:
  void SetUp() override {
    CopyTree(EXAMPLE_SUITE_DIR, suite_.path());
    WriteJobFile(suite_.path() / "impostazioni" / "dirlav", {(suite_.path() / "lavori").string()});
  }

  std::string Argument() const { return "|diroot=" + suite_.SuitePath() + "|MEMBRA=2|"; }
  fs::path Job() const { return suite_.path() / "lavori" / "pont01"; }
  std::string InJob(const std::string& name) const { return (Job() / name).string(); }

  Result Batch(const std::vector<std::string>& args) const {
    return RunProcess(BATCH_EXE, args, output_.path());
  }

  // parabola IN OUT followed by the seven values.
  Result Parabola(const std::string& in, const std::string& out,
                  const std::vector<std::string>& values) const {
    std::vector<std::string> args = {Argument(), "parabola", in, out};
    args.insert(args.end(), values.begin(), values.end());
    return Batch(args);
  }

  TempDir suite_;
  TempDir output_;
};

// Over the first span with the sag of -40 at node 111 (2000 cm): the
// parabola 0.00002·s·(s − 3000), whose values at the nodes were worked out
// by hand, written as "Salva" writes them.
TEST_F(ParabolaRun, OneSpanFromAnEmptyGroup) {
  const Result r = Parabola("-", InJob("Memb002Gr_001.cap"), {"101", "111", "118", "-25", "0", "-40", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");

  const std::vector<std::string> y = {"0",     "-11.2", "-20.8", "-28.8", "-35.2", "-40",
                                      "-43.2", "-44.8", "-44.8", "-43.2", "-40",   "-35.2",
                                      "-28.8", "-20.8", "-16.2", "-11.2", "-5.8",  "0"};
  std::vector<std::string> expected = {"", "0", "1             1", "1", Row({"1", "1"}), "18"};
  for (std::size_t p = 0; p < y.size(); ++p) {
    expected.push_back(Row({std::to_string(p + 1), "0"}));
    expected.push_back(Row({y[p], "-25", "0"}));
  }
  EXPECT_EQ(Lines(ReadBytes(Job() / "Memb002Gr_001.cap")), expected);
}

// Over two spans, appended to a group already saved: the first layout is
// carried over, the new one takes its cable type and the next name.
TEST_F(ParabolaRun, TwoSpansAppendedToASavedGroup) {
  const std::string first = InJob("Memb002Gr_001.cap");
  ASSERT_EQ(Parabola("-", first, {"101", "111", "118", "-25", "0", "-40", "0"}).status, 0);
  const std::string firstBytes = ReadBytes(first);

  const Result r = Parabola(first, InJob("Memb002Gr_002.cap"),
                            {"101", "118", "142", "10", "0", "-60", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(ReadBytes(first), firstBytes) << "IN is only read";

  const std::vector<std::string> lines = Lines(ReadBytes(Job() / "Memb002Gr_002.cap"));
  const std::vector<std::string> before = Lines(firstBytes);
  ASSERT_EQ(lines.size(), before.size() + 2 + 2 * 42);
  EXPECT_EQ(lines[3], "2");
  EXPECT_TRUE(std::equal(before.begin() + 4, before.end(), lines.begin() + 4));
  const std::size_t second = before.size();
  EXPECT_EQ(lines[second], Row({"2", "1"}));
  EXPECT_EQ(lines[second + 1], "42");
  const auto point = [&](int p) { return second + 2 + 2 * static_cast<std::size_t>(p - 1); };
  EXPECT_EQ(lines[point(1)], Row({"1", "0"}));
  EXPECT_EQ(lines[point(1) + 1], Row({"0", "10", "0"}));
  EXPECT_EQ(lines[point(18)], Row({"18", "0"}));  // the first pier
  EXPECT_EQ(lines[point(18) + 1], Row({"-60", "10", "0"}));
  EXPECT_EQ(lines[point(42)], Row({"42", "0"}));  // the second pier
  EXPECT_EQ(lines[point(42) + 1], Row({"0", "10", "0"}));
}

// A refusal prints the dialog's message, writes nothing and leaves an
// existing OUT as it was.
TEST_F(ParabolaRun, RefusedNodesWriteNothing) {
  const std::string out = InJob("Memb002Gr_009.cap");
  WriteBytes(out, "earlier group\r\n");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"118", "111", "101"}, "PROBLEMA: Punti non in sequenza\n"},
      {{"999", "111", "118"}, "PROBLEMA: Punto iniziale non valido\n"},
      {{"101", "501", "118"}, "PROBLEMA: Punto intermedio non valido\n"},  // a pier node
  };
  for (const auto& [nodes, message] : cases) {
    std::vector<std::string> values = nodes;
    values.insert(values.end(), {"0", "0", "-1", "0"});
    const Result r = Parabola("-", out, values);
    EXPECT_EQ(r.status, 1) << message;
    EXPECT_EQ(r.err, message);
    EXPECT_EQ(ReadBytes(out), "earlier group\r\n");
  }
}

// A group that cannot be taken as it is must not be silently replaced by
// one holding only the new layout.
TEST_F(ParabolaRun, AnInputGroupThatIsNotReadStopsIt) {
  // Position 60 is a pier node, without a section in this member.
  WriteBytes(Job() / "Memb002Gr_006.cap", "X\r\n0\r\n1 1\r\n1\r\n1 1\r\n1\r\n60 0\r\n0 0 0\r\n");
  const std::pair<std::string, std::string> cases[] = {
      {"Memb002Gr_006.cap", "PROBLEMA: Alcuni nodi presenti"},
      {"Memb002Gr_404.cap", "INFORMAZIONE: Problemi con la lettura del file "},
  };
  for (const auto& [in, message] : cases) {
    const Result r = Parabola(InJob(in), InJob("Memb002Gr_007.cap"),
                              {"101", "111", "118", "0", "0", "-1", "0"});
    EXPECT_EQ(r.status, 1) << in;
    EXPECT_EQ(r.err.rfind(message, 0), 0u) << r.err;
    EXPECT_FALSE(fs::exists(Job() / "Memb002Gr_007.cap"));
  }
}

// An empty operand is an empty box of the dialog: its message, not the usage.
TEST_F(ParabolaRun, AnEmptyOperandGetsTheDialogsMessage) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"", "111", "118", "0", "0", "-1", "0"}, "Nome nodo iniziale non inserito"},
      {{"101", "111", "  ", "0", "0", "-1", "0"}, "Nome nodo finale non inserito"},
      {{"101", "111", "118", "", "0", "-1", "0"}, "Coordinata z non inserita"},
      {{"101", "111", "118", "0", "0", "-1", ""}, "Coordinata y del punto finale non inserita"},
  };
  for (const auto& [values, message] : cases) {
    const Result r = Parabola("-", InJob("Memb002Gr_008.cap"), values);
    EXPECT_EQ(r.status, 1) << message;
    EXPECT_EQ(r.err, "ATTENZIONE: " + message + "\n");
    EXPECT_FALSE(fs::exists(Job() / "Memb002Gr_008.cap"));
  }
}

// Numbers on the command line take a point, whatever the user's settings.
TEST_F(ParabolaRun, AMalformedCommandLineGivesTheUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {"101", "111", "118", "abc", "0", "-1", "0"},
      {"101", "111", "118", "2,5", "0", "-1", "0"},
      {"1.5", "111", "118", "0", "0", "-1", "0"},
      {"101", "111", "70000", "0", "0", "-1", "0"},
      {"101", "111", "118", "0", "0", "-1"},
  };
  for (const auto& values : cases) {
    const Result r = Parabola("-", InJob("Memb002Gr_008.cap"), values);
    EXPECT_EQ(r.status, 2) << values[3];
    EXPECT_NE(r.err.find("parabola IN OUT I M F Z Y1 Y2 Y3"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(Job() / "Memb002Gr_008.cap"));
  }
}

}  // namespace
