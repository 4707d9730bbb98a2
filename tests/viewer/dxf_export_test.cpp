// The DXF export read back by an independent reader (ezdxf, through
// dxf_check.py), which compares every entity with the drawing file.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>

#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"
#include "viewer/drawing_export.h"

namespace fs = std::filesystem;

namespace {

struct ProcessRun {
  int exitCode = -1;
  QString output;
};

ProcessRun RunProgram(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  process.setProcessEnvironment(env);
  process.start(program, arguments);
  if (!process.waitForFinished(40000)) return {-1, "non terminato: " + program};
  return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

// The checker's differences on pairs of drawing and DXF paths, or how it
// failed; empty when every pair matches.
QString DxfMismatches(const QStringList& pairs) {
  const ProcessRun check = RunProgram(DXF_CHECK_PYTHON, QStringList{DXF_CHECK_SCRIPT} << pairs);
  return check.exitCode == 0 ? QString()
                             : check.output + " (stato " + QString::number(check.exitCode) + ")";
}

#define SKIP_WITHOUT_EZDXF()                 \
  if (std::string(DXF_CHECK_PYTHON).empty()) \
  GTEST_SKIP() << "nessun python3 con ezdxf (pacchetto python3-ezdxf)"

// Every palette colour, negative and fractional coordinates, a dash-dotted
// line, a whole circle, an arc across angle 0 and one from 90 to 270 degrees.
TEST(DxfExport, EveryEntityReadsBackAtItsCoordinatesInItsColour) {
  SKIP_WITHOUT_EZDXF();
  DisContent c;
  c.points = {{-12.5, 3.25}, {1e4 / 3, -0.1}, {0, 0}, {10, 0}, {20, -5}, {20, 5}, {0, 7}, {0, -7}};
  for (int colour = 0; colour < 16; ++colour) c.lines.push_back({0, 1, colour, colour == 4});
  c.lines.push_back({2, 3, 7, 1});
  c.arcs = {{2, 3, 3, 2}, {3, 4, 5, 12}, {2, 6, 7, 9}};
  c.xmin = -12.5;
  c.xmax = 1e4 / 3;
  c.ymin = -7;
  c.ymax = 7;
  TempDir dir;
  const fs::path dis = dir.path() / "tutto.dis";
  WriteBytes(dis, DisText(c, ','));
  const DrawingReadResult read = ReadDrawing(dis, "tutto.dis");
  ASSERT_TRUE(read.drawing) << read.error;
  const fs::path dxf = dir.path() / "tutto.DXF";
  ASSERT_EQ(ExportView(*read.drawing, ViewTransform{}, QSize(), Q(dxf)), QString());
  EXPECT_EQ(DxfMismatches({Q(dis), Q(dxf)}), QString());
}

// Ostrel exports the drawing of every layout of the example group, drawn by
// tracciati-batch; a path it cannot write to is refused with status 1.
TEST(DxfExport, OstrelExportsEveryLayoutOfTheExampleGroup) {
  SKIP_WITHOUT_EZDXF();
  TempDir suite;
  fs::copy(EXAMPLE_SUITE_DIR, suite.path(), fs::copy_options::recursive);
  WriteJobFile(suite.path() / "impostazioni" / "dirlav", {(suite.path() / "lavori").string()});
  const fs::path job = suite.path() / "lavori" / "pont01";
  const ProcessRun draw =
      RunProgram(BATCH_EXE, {QString::fromStdString("|diroot=" + suite.SuitePath() + "|MEMBRA=2|"),
                             "draw-all", Q(job / "Memb002Gr_001.cap")});
  ASSERT_EQ(draw.exitCode, 0) << draw.output.toStdString();

  QStringList pairs;
  for (const auto& entry : fs::directory_iterator(job)) {
    if (entry.path().extension() != ".dis") continue;
    fs::path dxf = entry.path();
    dxf.replace_extension(".dxf");
    const ProcessRun run = RunProgram(OSTREL_PATH, {"--export", Q(dxf), Q(entry.path())});
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    pairs << Q(entry.path()) << Q(dxf);
  }
  EXPECT_EQ(pairs.size(), 12);

  const QString nowhere = Q(job / "manca" / "x.dxf");
  const ProcessRun refused = RunProgram(OSTREL_PATH, {"--export", nowhere, pairs.value(0)});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(refused.output.contains("Impossibile scrivere il file " + nowhere))
      << refused.output.toStdString();

  EXPECT_EQ(DxfMismatches(pairs), QString());
}

}  // namespace
