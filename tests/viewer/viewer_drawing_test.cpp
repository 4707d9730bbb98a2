#include "viewer/viewer_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

#include "common/line_reader.h"
#include "tests/support/bad_bytes.h"
#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"
#include "viewer/viewer_input.h"

namespace {

constexpr const char* kName = "c:\\lavori\\pont01\\Memb002TmpTrac.dis";

TEST(ViewerDrawing, ReadsWhatTheEditorWritesWithEitherDecimalSeparator) {
  ViewerDrawing content = SmallDrawing();
  content.points.push_back({-0.5, 1234.125});
  content.lines.push_back({5, 0, 3, 0});
  content.markers = {{5, 1, -7}};
  content.texts = {{2, "Cavo n\u00B0 1, \u20AC"}};
  for (char separator : {'.', ','}) {
    const DrawingReadResult result = ParseDrawing(DisText(content, separator), kName);
    ASSERT_TRUE(result.drawing) << result.error;
    EXPECT_EQ(DisText(*result.drawing), DisText(content)) << separator;
  }
}

// Every line end is the line reader's; here a line of any length has its
// values where the blanks end, exponents included.
TEST(ViewerDrawing, ReadsExponentsAndLineEndsOfEveryKind) {
  ViewerDrawing content;
  content.points = {{1e-05, -2.5e15}, {.5, 0}};
  content.lines = {{0, 1, 7, 0}};
  const std::string text = DisText(content);
  std::string wide = text;
  wide.insert(wide.find("1E-05") + 5, std::string(100000, ' '));
  const DrawingReadResult result = ParseDrawing(wide, kName);
  ASSERT_TRUE(result.drawing) << result.error;
  EXPECT_EQ(DisText(*result.drawing), text);
}

// Each malformed file must be refused with the file's name and the line
// where reading stopped, so that whoever wrote it can find the fault. The
// files are the small drawing with one fault each; expected.txt gives what
// follows the name in each one's message. A field thousands of characters
// long is cut in the message, a control character in it shown as a blank;
// counts far beyond the file are refused where the file ends, without making
// room for them first.
TEST(ViewerDrawing, MalformedFilesNameTheFileAndTheLine) {
  const std::filesystem::path folder = std::filesystem::path(VIEWER_TEST_DATA) / "malformed";
  std::ifstream manifest(folder / "expected.txt");
  int cases = 0;
  for (std::string file, what; manifest >> file && std::getline(manifest >> std::ws, what);) {
    ++cases;
    const DrawingReadResult result = ParseDrawing(ReadBytes(folder / file), kName);
    EXPECT_FALSE(result.drawing) << file;
    const std::string expected =
        std::string("Problemi con la lettura del file ") + kName + " (" + what;
    EXPECT_EQ(result.error.substr(0, expected.size()), expected) << file;
  }
  EXPECT_EQ(cases, 16);
}

TEST(ViewerDrawing, BinaryGarbageIsRefusedNotCrashedOn) {
  EXPECT_FALSE(ParseDrawing(GarbageBytes(), kName).drawing);
  // Every prefix of a good file is either the whole drawing or a fault.
  const std::string good = DisText(SmallDrawing());
  for (std::size_t n = 0; n < good.size(); ++n) {
    const DrawingReadResult result = ParseDrawing(good.substr(0, n), kName);
    EXPECT_TRUE(result.drawing || !result.error.empty());
  }
}

TEST(ViewerDrawing, MissingFileIsAFaultNamingIt) {
  TempDir dir;
  const DrawingReadResult result = ReadDrawing(dir.path() / "none.dis", "c:\\x\\none.dis");
  EXPECT_FALSE(result.drawing);
  EXPECT_EQ(result.error,
            "Problemi con la lettura del file c:\\x\\none.dis (file inesistente o non leggibile)");
  // Read a line at a time: an endless line stops the reading where it passes
  // 1 MiB. ("nul" would name the null device on Windows.)
  WriteBytes(dir.path() / "zeros.dis", std::string(LineReader::kMaxLineBytes + 1, '\0'));
  EXPECT_EQ(ReadDrawing(dir.path() / "zeros.dis", "c:\\x\\zeros.dis").error,
            "Problemi con la lettura del file c:\\x\\zeros.dis (riga 1: riga troppo lunga)");
  std::filesystem::create_directory(dir.path() / "folder.dis");
  EXPECT_EQ(
      ReadDrawing(dir.path() / "folder.dis", "c:\\x\\folder.dis").error,
      "Problemi con la lettura del file c:\\x\\folder.dis (file inesistente o non leggibile)");
}

TEST(ViewerDrawing, ArcWithCoincidentEndsIsAWholeCircle) {
  ViewerDrawing d;
  d.points = {{0, 0}, {10, 0}, {0, 10}, {10, 0.00005}};
  auto sweep = [&](int32_t start, int32_t end) {
    return ArcGeometryOf(d, ViewerArc{0, start, 0, end, 1, 0}).sweep;
  };
  EXPECT_DOUBLE_EQ(sweep(1, 1), 2 * std::numbers::pi);
  EXPECT_DOUBLE_EQ(sweep(1, 3), 2 * std::numbers::pi);  // same point within 0.0001
  EXPECT_NEAR(sweep(1, 2), std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(sweep(2, 1), 3 * std::numbers::pi / 2, 1e-12);
  EXPECT_DOUBLE_EQ(ArcGeometryOf(d, ViewerArc{0, 2, 0, 1, 1, 0}).radius, 10);
}

TEST(ViewerDrawing, BoundsCoverWhatIsDrawnIncludingWholeCircles) {
  auto box = [](const ViewerDrawing& d) {
    const DrawingBounds b = BoundsOf(d);
    return std::vector<double>{b.xmin, b.ymin, b.xmax, b.ymax};
  };
  EXPECT_EQ(box(*ParseDrawing(DisText(SmallDrawing()), kName).drawing),
            (std::vector<double>{0, 0, 100, 50}));
  ViewerDrawing circle;
  circle.points = {{5, 5}, {7, 5}, {99, 99}};  // the last point is drawn by nothing
  circle.arcs = {{0, 1, 0, 1, 1, 0}};
  EXPECT_EQ(box(circle), (std::vector<double>{3, 3, 7, 7}));
  ViewerDrawing empty;
  empty.xmin = -1;
  empty.xmax = 2;
  empty.ymax = 4;
  EXPECT_EQ(box(empty), (std::vector<double>{-1, 0, 2, 4}));
}

}  // namespace

namespace {

// Ostrel.inp: the drawing's path on line 2, then the window in twips; a
// comma reads as a point, a blank or missing value keeps its default.
TEST(ViewerInputFile, ReadsThePathAndTheWindowOrNamesTheLineAtFault) {
  TempDir dir;
  const std::filesystem::path file = dir.path() / "Ostrel.inp";
  const std::string fault = "Problemi con la lettura del file Ostrel.inp (riga ";
  const struct {
    std::string bytes;
    std::string expected;  // the values read, or the message
  } cases[] = {
      {"x\r\n c:\\a.dis \r\n10\r\n-2,5\r\n\r\n700\r\n", "c:\\a.dis 10 -2.5 8000 700"},
      {"x\r\nc:\\a.dis\r\n1\r\n", "c:\\a.dis 1 0 8000 5000"},
      {"x\r\n  \r\n", fault + "2: manca il percorso del disegno)"},
      {"x\r\nc:\\a.dis\r\n1\r\ndue\r\n", fault + "4: numero non valido \"due\")"},
  };
  for (const auto& c : cases) {
    WriteBytes(file, c.bytes);
    const ViewerInputResult result = ReadViewerInput(file, "Ostrel.inp");
    std::ostringstream got;
    if (result.input) {
      got << result.input->drawingPath << ' ' << result.input->left << ' ' << result.input->top
          << ' ' << result.input->width << ' ' << result.input->height;
    }
    EXPECT_EQ(result.input ? got.str() : result.error, c.expected) << c.bytes;
  }
  EXPECT_EQ(ReadViewerInput(dir.path() / "nessuno", "Ostrel.inp").error,
            "File Ostrel.inp inesistente!");
  EXPECT_EQ(TwipsToPixels(2160, 96), 144) << "an inch is 1440 twips";
}

}  // namespace
