// Ostrel --export as a process, and the DXF export read back by an
// independent reader (ezdxf, through dxf_check.py), which compares every
// entity with the drawing file.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
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

TEST(OstrelExport, WritesAPictureAndRefusesBadDrawingsAndCommandLines) {
  TempDir dir;
  const fs::path png = dir.path() / "d.png";
  WriteBytes(dir.path() / "d.dis", DisText(SmallDrawing(), ','));
  const ProcessResult good = Ostrel(
      dir.path(), {"--export", png.string(), (dir.path() / "d.dis").string(), "--size", "300x200"});
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), QSize(300, 200));

  WriteBytes(dir.path() / "bad.dis", "                   3\r\n 0  1 \r\n 0 \r\n");
  const std::string x = (dir.path() / "x.png").string(), bad = (dir.path() / "bad.dis").string();
  const std::string nowhere = (dir.path() / "manca" / "x.dxf").string();
  const std::string usage =
      "uso: Ostrel [FILE_DI_INGRESSO]\n     Ostrel --export USCITA.png|svg|pdf|dxf DISEGNO.dis "
      "[--size LARGHEZZAxALTEZZA]\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string error;
  } cases[] = {
      {{"--export", x, bad},
       1,
       "Ostrel: Problemi con la lettura del file " + bad +
           " (riga 3: valori mancanti nella sezione dell'intestazione (attesi 2, trovati 1))\n"},
      {{"--export", x, "none.dis"},
       1,
       "Ostrel: Problemi con la lettura del file none.dis (file inesistente o non leggibile)\n"},
      {{"--export", nowhere, (dir.path() / "d.dis").string()},
       1,
       "Ostrel: Impossibile scrivere il file " + nowhere + "\n"},
      {{"--export", x}, 2, usage},
      {{"--export", "a.png", "b.dis", "--size", "0x5"}, 2, usage},
      {{"--export", "a.png", "b.dis", "--size", "20000x20000"},
       2,
       "Ostrel: Immagine troppo grande: al massimo 16384 punti per lato\n"},
      {{"--bogus"}, 2, usage},
  };
  for (const auto& c : cases) {
    const ProcessResult run = Ostrel(dir.path(), c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back();
    // After whatever the toolkit itself may say.
    EXPECT_TRUE(run.err.ends_with(c.error)) << run.err;
  }
  EXPECT_FALSE(fs::exists(x));
}

// The checker's differences on pairs of drawing and DXF paths, or how it
// failed; empty when every pair matches.
std::string DxfMismatches(const fs::path& scratch, std::vector<std::string> pairs) {
  pairs.insert(pairs.begin(), DXF_CHECK_SCRIPT);
  const ProcessResult check = RunProcess(DXF_CHECK_PYTHON, pairs, scratch);
  return check.status == 0
             ? ""
             : check.out + check.err + " (stato " + std::to_string(check.status) + ")";
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
  EXPECT_EQ(DxfMismatches(suite.path(), pairs), "");
}

}  // namespace
