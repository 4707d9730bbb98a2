#include <algorithm>

#include "tests/batch/batch_run.h"

namespace fs = std::filesystem;

namespace {

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

// "parabola IN OUT" followed by the seven values.
class ParabolaRun : public BatchRun {
 protected:
  ProcessResult Parabola(const std::string& in, const std::string& out,
                         const std::vector<std::string>& values) const {
    std::vector<std::string> args = {"parabola", in, out};
    args.insert(args.end(), values.begin(), values.end());
    return Run(args);
  }
};

// Over the first span with the sag of -40 at node 111 (2000 cm): the
// parabola 0.00002·s·(s − 3000), whose values at the nodes were worked out
// by hand, written as "Salva" writes them. Then over two spans, appended to
// that group: the first layout is carried over, the new one takes its cable
// type and the next name.
TEST_F(ParabolaRun, OneSpanThenTwoSpansAppended) {
  const std::string first = InJob("Memb002Gr_001.cap");
  const ProcessResult r = Parabola("-", first, {"101", "111", "118", "-25", "0", "-40", "0"});
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
  const std::string firstBytes = ReadBytes(first);
  EXPECT_EQ(Lines(firstBytes), expected);

  const ProcessResult two =
      Parabola(first, InJob("Memb002Gr_002.cap"), {"101", "118", "142", "10", "0", "-60", "0"});
  ASSERT_EQ(two.status, 0) << two.err;
  EXPECT_EQ(two.err, "");
  EXPECT_EQ(ReadBytes(first), firstBytes) << "IN is only read";
  const std::vector<std::string> lines = Lines(ReadBytes(Job() / "Memb002Gr_002.cap"));
  ASSERT_EQ(lines.size(), expected.size() + 2 + 2 * 42);
  EXPECT_EQ(lines[3], "2");
  EXPECT_TRUE(std::equal(expected.begin() + 4, expected.end(), lines.begin() + 4));
  const std::size_t second = expected.size();
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

// A refusal (of the nodes, or of an input group that cannot be taken as it
// is) prints the message, writes nothing and leaves an existing OUT as it
// was: a group is never silently replaced by one holding only the new layout.
TEST_F(ParabolaRun, RefusalsWriteNothing) {
  const std::string out = InJob("Memb002Gr_009.cap");
  WriteBytes(out, "earlier group\r\n");
  // Position 60 is a pier node, without a section in this member.
  WriteBytes(Job() / "Memb002Gr_006.cap", "X\r\n0\r\n1 1\r\n1\r\n1 1\r\n1\r\n60 0\r\n0 0 0\r\n");
  struct Case {
    std::string in, nodes[3], message;
  };
  const Case cases[] = {
      {"-", {"118", "111", "101"}, "PROBLEMA: Punti non in sequenza\n"},
      {"-", {"999", "111", "118"}, "PROBLEMA: Punto iniziale non valido\n"},
      {"-", {"101", "501", "118"}, "PROBLEMA: Punto intermedio non valido\n"},  // a pier node
      {InJob("Memb002Gr_006.cap"), {"101", "111", "118"}, "PROBLEMA: Alcuni nodi presenti"},
      {InJob("Memb002Gr_404.cap"),
       {"101", "111", "118"},
       "INFORMAZIONE: Problemi con la lettura del file "},
  };
  for (const Case& c : cases) {
    const ProcessResult r =
        Parabola(c.in, out, {c.nodes[0], c.nodes[1], c.nodes[2], "0", "0", "-1", "0"});
    EXPECT_EQ(r.status, 1) << c.message;
    EXPECT_EQ(c.message.back() == '\n' ? r.err : r.err.substr(0, c.message.size()), c.message);
    EXPECT_EQ(ReadBytes(out), "earlier group\r\n");
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
    const ProcessResult r = Parabola("-", InJob("Memb002Gr_008.cap"), values);
    EXPECT_EQ(r.status, 1) << message;
    EXPECT_EQ(r.err, "ATTENZIONE: " + message + "\n");
    EXPECT_FALSE(fs::exists(Job() / "Memb002Gr_008.cap"));
  }
}

}  // namespace
