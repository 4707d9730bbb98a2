#include "drawing/drawing_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/drawing/drawing_test_support.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string Join(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Three points, two lines, one full circle; extents as computed.
std::unique_ptr<DrawingFile> SmallDrawing() {
  auto d = NewDrawing();
  d->Points[0] = {0.0, 0.0};
  d->Points[1] = {12.5, -3.0};
  d->Points[2] = {0.25, 100.0};
  d->PointCount = 3;
  d->Lines[0] = {0, 1, 3, 1};
  d->Lines[1] = {1, 2, 1, 0};
  d->LineCount = 2;
  d->Arcs[0] = {0, 2, 0, 2, 1, 0};
  d->ArcCount = 1;
  ComputeExtents(*d);
  return d;
}

// Every value starts in its 14-column print zone, with a blank or a minus
// sign before it and one blank after; the decimal separator is the user's,
// but the fixed range line keeps its point.
TEST(DrawingWriter, WritesASmallDrawingByteForByte) {
  std::vector<std::string> lines = {"                   3",
                                    " 0             12.5 ",
                                    "-3             100 ",
                                    "-10000.000000        10000.000000",
                                    " 3 ",
                                    " 0             0             0 ",
                                    " 12.5         -3             0 ",
                                    " .25           100           0 ",
                                    " 0 ",
                                    " 2 ",
                                    " 0             1             3             1 ",
                                    " 1             2             1             0 ",
                                    " 0 ",
                                    " 1 ",
                                    " 0             2             0             2 ",
                                    " 1             0 "};
  EXPECT_EQ(DrawingFileBytes(*SmallDrawing(), "."), Join(lines));
  lines[1] = " 0             12,5 ";
  lines[6] = " 12,5         -3             0 ";
  lines[7] = " ,25           100           0 ";
  EXPECT_EQ(DrawingFileBytes(*SmallDrawing(), ","), Join(lines));
}

// General form: no zero before the separator, exponent beyond 15 digits or
// below 1E-04, -0 as 0; a value of 14 characters or more pushes the next one
// to the zone after; negative integers keep their sign in the blank's place.
TEST(DrawingWriter, NumberFormsAndLongValues) {
  auto d = NewDrawing();
  d->Points[0] = {-0.5, 1e-5};
  d->Points[1] = {1e15, -0.0};
  d->Points[2] = {-123456.789012345, 0.1 + 0.2};
  d->PointCount = 3;
  d->Lines[0] = {1, 2, -1, -3};
  d->LineCount = 1;
  const std::string bytes = DrawingFileBytes(*d, ",");
  for (const char* line : {"-,5            1E-05         0 ", " 1E+15         0             0 ",
                           "-123456,789012345            ,3            0 ",
                           " 1             2            -1            -3 "}) {
    EXPECT_NE(bytes.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
  }
}

// The extents are taken before the compaction, so a point it removes still
// counts; the points written are the used ones, numbered from 0, and the
// empty sections are written as zero counts.
TEST(DrawingWriter, SaveTakesExtentsBeforeCompacting) {
  TempDir dir;
  auto d = NewDrawing();
  FindOrAddPoint(*d, 500.0, -40.0);  // used by nothing
  DrawLine(*d, 1.0, 2.0, 3.0, 4.0, int16_t{1});
  ASSERT_TRUE(SaveDrawing(*d, dir.SuitePath() + "\\disegno.dis", "."));
  EXPECT_EQ(ReadBytes(dir.path() / "disegno.dis"),
            Join({"                   3", " 1             500 ", "-40            4 ",
                  "-10000.000000        10000.000000", " 2 ", " 1             2             0 ",
                  " 3             4             0 ", " 0 ", " 1 ",
                  " 0             1             1             0 ", " 0 ", " 0 "}));
}

bool FailingWriter(const fs::path&, const std::string&) { return false; }

// A drawing that cannot be written leaves what was on disk: a folder in the
// file's place, or a write that fails part-way over an older drawing.
TEST(DrawingWriter, AFailedWriteKeepsWhatWasThere) {
  TempDir dir;
  fs::create_directory(dir.path() / "cartella.dis");
  EXPECT_FALSE(WriteDrawing(*SmallDrawing(), dir.SuitePath() + "\\cartella.dis", "."));
  EXPECT_TRUE(fs::is_directory(dir.path() / "cartella.dis"));
  WriteBytes(dir.path() / "vecchio.dis", "vecchio");
  EXPECT_FALSE(
      WriteDrawing(*SmallDrawing(), dir.SuitePath() + "\\vecchio.dis", ".", FailingWriter));
  EXPECT_EQ(ReadBytes(dir.path() / "vecchio.dis"), "vecchio");
}

}  // namespace
