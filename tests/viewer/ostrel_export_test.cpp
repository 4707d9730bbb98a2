// Ostrel --export as a process, and the DXF export read back by an
// independent reader (ezdxf, through dxf_check.py), which compares every
// entity with the drawing file.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/process_run.h"
#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"

namespace fs = std::filesystem;

namespace {

// Ostrel with no display at all: the export must not need one.
ProcessResult Ostrel(const fs::path& scratch, std::vector<std::string> args) {
#ifndef _WIN32
  args.insert(args.begin(),
              {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", OSTREL_PATH});
  return RunProcess("env", args, scratch);
#else
  return RunProcess(OSTREL_PATH, args, scratch);
#endif
}

// The refusals' exit status, arguments and the message's exact text (a \n
// in it is a line break) are in a table beside the test.
TEST(OstrelExport, WritesAPictureAndRefusesBadDrawingsAndCommandLines) {
  TempDir dir;
  WriteBytes(dir.path() / "d.dis", DisText(SmallDrawing(), ','));
  const std::string folder = dir.path().string();
  const ProcessResult good =
      Ostrel(dir.path(), {"--export", folder + "/d.png", folder + "/d.dis", "--size", "300x200"});
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(QImage(QString::fromStdString(folder + "/d.png")).size(), QSize(300, 200));

  WriteBytes(dir.path() / "bad.dis", "                   3\r\n 0  1 \r\n 0 \r\n");
  std::ifstream table(fs::path(VIEWER_TEST_DATA) / "ostrel_refusals.txt");
  int cases = 0;
  for (std::string status, args, error;
       std::getline(table, status, '\t') && std::getline(table, args, '\t') &&
       std::getline(table, error);
       ++cases) {
    // {d} is the scratch folder.
    for (std::size_t at; (at = args.find("{d}")) != std::string::npos;) args.replace(at, 3, folder);
    for (std::size_t at; (at = error.find("{d}")) != std::string::npos;)
      error.replace(at, 3, folder);
    for (std::size_t at; (at = error.find("\\n")) != std::string::npos;) error.replace(at, 2, "\n");
    std::istringstream words(args);
    const ProcessResult run = Ostrel(dir.path(), {std::istream_iterator<std::string>(words), {}});
    EXPECT_EQ(run.status, std::stoi(status)) << args;
    // After whatever the toolkit itself may say.
    EXPECT_TRUE(run.err.ends_with(error + "\n")) << run.err;
  }
  EXPECT_EQ(cases, 7);
  EXPECT_FALSE(fs::exists(folder + "/x.png"));
}

// Ostrel exports the drawing of every layout of the example group, drawn by
// tracciati-batch, and one (with a decimal comma) with every palette colour,
// negative and fractional coordinates, a dash-dotted line, a whole circle,
// an arc across angle 0 and one from 90 to 270 degrees.
TEST(DxfExport, OstrelExportsEveryLayoutOfTheExampleGroup) {
  TempDir suite;
  fs::copy(EXAMPLE_SUITE_DIR, suite.path(), fs::copy_options::recursive);
  WriteJobFile(suite.path() / "impostazioni" / "dirlav", {(suite.path() / "lavori").string()});
  const fs::path job = suite.path() / "lavori" / "pont01";
  const ProcessResult draw = RunProcess(BATCH_EXE,
                                        {"|diroot=" + suite.SuitePath() + "|MEMBRA=2|", "draw-all",
                                         (job / "Memb002Gr_001.cap").string()},
                                        suite.path());
  ASSERT_EQ(draw.status, 0) << draw.out << draw.err;
  fs::copy_file(fs::path(VIEWER_TEST_DATA) / "every_colour_and_arc.dis", job / "tutto.dis");

  std::vector<std::string> pairs;
  for (const auto& entry : fs::directory_iterator(job)) {
    if (entry.path().extension() != ".dis") continue;
    fs::path dxf = entry.path();
    dxf.replace_extension(".dxf");
    const ProcessResult run =
        Ostrel(suite.path(), {"--export", dxf.string(), entry.path().string()});
    EXPECT_EQ(run.status, 0) << run.err;
    pairs.insert(pairs.end(), {entry.path().string(), dxf.string()});
  }
  ASSERT_EQ(pairs.size(), 14u);

  if (std::string(DXF_CHECK_PYTHON).empty()) {
    GTEST_SKIP() << "nessun python3 con ezdxf (pacchetto python3-ezdxf)";
  }
  pairs.insert(pairs.begin(), DXF_CHECK_SCRIPT);
  const ProcessResult check = RunProcess(DXF_CHECK_PYTHON, pairs, suite.path());
  EXPECT_EQ(check.status, 0) << check.out << check.err;
}

}  // namespace
