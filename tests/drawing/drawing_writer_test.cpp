#include "drawing/drawing_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "tests/drawing/drawing_test_support.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// Every value starts in its 14-column print zone, with a blank or a minus
// sign before it and one blank after; the decimal separator is the user's,
// but the fixed range line keeps its point. The extents are taken before
// the compaction, so a point it removes still counts; the points written
// are the used ones, numbered from 0, and empty sections are zero counts.
TEST(DrawingWriter, SavesASmallDrawingByteForByte) {
  TempDir dir;
  auto d = NewDrawing();
  for (const auto& [x, y] : {std::pair{0.0, 0.0}, {-0.5, -40.25}, {12.5, -3.0}, {0.25, 100.0}}) {
    AddPoint(*d, x, y);
  }
  AddLineEntry(*d, 0, 2, 3, 1);
  AddLineEntry(*d, 2, 3, 1, 0);
  d->Arcs[0] = {0, 3, 0, 3, 1, 0};
  d->ArcCount = 1;
  ASSERT_TRUE(SaveDrawing(*d, dir.SuitePath() + "\\disegno.dis", ","));
  std::string expected = ReadBytes(fs::path(DRAWING_DATA_DIR) / "small_drawing.dis");
  EXPECT_EQ(ReadBytes(dir.path() / "disegno.dis"), expected);
  std::replace(expected.begin(), expected.end(), ',', '.');
  EXPECT_EQ(DrawingFileBytes(*d, "."), expected);
}

// The number formatter's general form with the user's separator (which may
// be longer than the point); a value of
// 14 characters or more pushes the next one to the zone after; negative
// integers keep their sign in the blank's place.
TEST(DrawingWriter, NumberFormsAndLongValues) {
  auto d = NewDrawing();
  AddPoint(*d, -0.5, 1e-5);
  AddPoint(*d, -123456.789012345, 0.1 + 0.2);
  AddLineEntry(*d, 0, 1, -1, -3);
  const std::string bytes = DrawingFileBytes(*d, ",");
  for (const char* line :
       {"-,5            1E-05         0 ", "-123456,789012345            ,3            0 ",
        " 0             1            -1            -3 "}) {
    EXPECT_NE(bytes.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
  }
  // A separator of more than one character takes its room from the zone.
  EXPECT_NE(DrawingFileBytes(*d, "::").find("\r\n-::5" + std::string(11, ' ') + "1E-05"),
            std::string::npos);
}

bool FailingWriter(const fs::path&, const std::string&) { return false; }

// A drawing that cannot be written leaves what was on disk: a folder in the
// file's place, or a write that fails part-way over an older drawing.
TEST(DrawingWriter, AFailedWriteKeepsWhatWasThere) {
  TempDir dir;
  fs::create_directory(dir.path() / "cartella.dis");
  EXPECT_FALSE(WriteDrawing(*NewDrawing(), dir.SuitePath() + "\\cartella.dis", "."));
  EXPECT_TRUE(fs::is_directory(dir.path() / "cartella.dis"));
  WriteBytes(dir.path() / "vecchio.dis", "vecchio");
  EXPECT_FALSE(WriteDrawing(*NewDrawing(), dir.SuitePath() + "\\vecchio.dis", ".", FailingWriter));
  EXPECT_EQ(ReadBytes(dir.path() / "vecchio.dis"), "vecchio");
}

}  // namespace
