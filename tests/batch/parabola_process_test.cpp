#include <array>

#include "tests/batch/batch_run.h"

namespace {

// "parabola IN OUT" followed by the seven values.
std::vector<std::string> Parabola(const std::string& in, const std::string& out,
                                  const std::vector<std::string>& values) {
  std::vector<std::string> args = {"parabola", in, out};
  args.insert(args.end(), values.begin(), values.end());
  return args;
}

// Over the first span with the sag of -40 at node 111 (2000 cm): the
// parabola 0.00002·s·(s − 3000), whose values at the nodes were worked out
// by hand, written as "Salva" writes them (CR LF ends, fields at columns 1,
// 21 and 41). Then over two spans, appended to that group: the first layout
// is carried over, the new one takes its cable type and the next name, and
// is 0 at both ends and -60 at the first pier.
TEST_F(BatchRun, ParabolaOverOneSpanThenTwoSpansAppended) {
  const std::string first = InJob("Memb002Gr_001.cap");
  Expect(Run(Parabola("-", first, {"101", "111", "118", "-25", "0", "-40", "0"})), 0, "", "");
  const std::string firstBytes = ReadBytes(first);
  EXPECT_EQ(firstBytes, Expected("parabola_one_span.cap", firstBytes));

  const std::string second = InJob("Memb002Gr_002.cap");
  Expect(Run(Parabola(first, second, {"101", "118", "142", "10", "0", "-60", "0"})), 0, "", "");
  EXPECT_EQ(ReadBytes(first), firstBytes) << "IN is only read";
  const std::string secondBytes = ReadBytes(second);
  EXPECT_EQ(secondBytes, Expected("parabola_two_spans.cap", secondBytes));
}

// A refusal (of the nodes, one of them: the library's tests hold every
// message; of an input group that cannot be taken as it is; or an empty
// operand, which is an empty box of the dialog: its message, not the usage)
// prints the message, writes nothing and leaves an existing OUT as it was: a
// group is never silently replaced by one holding only the new layout.
TEST_F(BatchRun, ParabolaRefusalsWriteNothing) {
  const std::string out = InJob("Memb002Gr_009.cap");
  WriteBytes(out, "earlier group\r\n");
  // IN, then the values I, M, F, Z and Y3 (Y1 0, Y2 -1), then the message.
  const std::array<std::string, 7> cases[] = {
      {"-", "118", "111", "101", "0", "0", "PROBLEMA: Punti non in sequenza\n"},
      {PierPointGroup(), "101", "111", "118", "0", "0", kNoSection},
      {InJob("Memb002Gr_404.cap"), "101", "111", "118", "0", "0", Unread("Memb002Gr_404.cap")},
      {"-", "", "111", "118", "0", "0", "ATTENZIONE: Nome nodo iniziale non inserito\n"},
      {"-", "101", "111", "  ", "0", "0", "ATTENZIONE: Nome nodo finale non inserito\n"},
      {"-", "101", "111", "118", "", "0", "ATTENZIONE: Coordinata z non inserita\n"},
      {"-", "101", "111", "118", "0", "",
       "ATTENZIONE: Coordinata y del punto finale non inserita\n"},
  };
  for (const auto& [in, i, m, f, z, y3, err] : cases) {
    Expect(Run(Parabola(in, out, {i, m, f, z, "0", "-1", y3})), 1, "", err);
    EXPECT_EQ(ReadBytes(out), "earlier group\r\n");
  }
}

}  // namespace
