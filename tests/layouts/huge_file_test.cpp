// A file far larger than its tables is refused where its content first goes
// wrong, without being read to its end. Each file below goes wrong at a known
// line, runs on with some 40 MB of short valid lines, and ends with a line
// over the reader's limit: a reader that took the whole file first would meet
// that line and report it instead.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "common/line_reader.h"
#include "drawing/stroke_font.h"
#include "layouts/group_file.h"
#include "tests/layouts/layouts_fixture.h"
#include "tests/support/temp_dir.h"
#include "viewer/viewer_drawing.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFillerBytes = std::size_t{40} << 20;

void WriteHugeFile(const fs::path& path, const std::string& head, const std::string& line) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << head;
  std::string block;
  while (block.size() < (std::size_t{1} << 20)) block += line;
  for (std::size_t written = 0; written < kFillerBytes; written += block.size()) out << block;
  out << std::string(LineReader::kMaxLineBytes + 1, '7');
}

TEST(HugeFile, IsRefusedAtTheLineWhereItGoesWrong) {
  TempDir dir;
  const std::string where = "Problemi con la lettura del file ";

  // The layout count passes the table at line 4; the rest would be layouts.
  const fs::path group = dir.path() / "Memb001Gr_001.cap";
  WriteHugeFile(group, "D\r\n3\r\n1 1\r\n201\r\n", "1 1\r\n");
  const std::string suitePath = dir.SuitePath() + "\\Memb001Gr_001.cap";
  const GroupFileOutcome read = ReadLayoutGroup(suitePath, *MakeGroup(), *MakeStructure(0));
  ASSERT_TRUE(read.fault);
  EXPECT_EQ(read.fault->text, where + suitePath + " (riga 4: troppi tracciati (massimo 200))");

  // A negative point count at line 5; the rest would be points.
  const fs::path drawing = dir.path() / "huge.dis";
  WriteHugeFile(drawing, "  3\r\n 0  100\r\n 0  50\r\n-10000  10000\r\n-1\r\n", " 1  2\r\n");
  EXPECT_EQ(ReadDrawing(drawing, "c:\\x\\huge.dis").error,
            where + "c:\\x\\huge.dis (riga 5: numero di elementi negativo: -1)");

  // An empty line 3 is a read error that keeps the glyph before it; the rest
  // would be glyphs, and the line over the limit would have kept none.
  WriteHugeFile(dir.path() / "progra" / "font.001", "0\r\nA1020304050607080\r\n\r\n",
                "B1020304050607080\r\n");
  auto font = std::make_unique<StrokeFont>();
  const std::string programDir = dir.SuitePath() + "\\progra";
  const std::optional<Message> fault = LoadFont(*font, programDir);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->text, "Errore in lettura del file " + programDir + "\\font.001 !");
  EXPECT_EQ(font->GlyphPointCount['A'], 4);
  EXPECT_EQ(font->GlyphPointCount['B'], -1);
}

}  // namespace
