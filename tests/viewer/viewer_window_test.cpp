// The viewer's window on the offscreen platform: fitted on opening, wheel
// zoom and drag, and the reload that the editor's keys ask for.
#include "viewer/viewer_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/support/real_input.h"
#include "tests/support/temp_dir.h"
#include "tests/viewer/dis_text.h"
#include "viewer/drawing_view.h"

namespace {

class ViewerWindowTest : public ::testing::Test {
 protected:
  // A window shown at a known size, as the input file would size it.
  void Open() {
    window = std::make_unique<ViewerWindow>(QString::fromStdString(file.string()),
                                            QStringLiteral("c:\\disegno.dis"));
    window->resize(533, 333);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void Keys(const char* text) { window->ApplyKeys(*ParseKeySequence(text)); }
  bool Fitted() {
    const DrawingView& view = window->view();
    const ViewTransform fit =
        ViewTransform::Fit(BoundsOf(view.drawing()), view.width(), view.height());
    return view.view().scale == fit.scale && view.view().originX == fit.originX &&
           view.view().originY == fit.originY;
  }

  TempDir dir;
  std::filesystem::path file = dir.path() / "disegno.dis";
  std::unique_ptr<ViewerWindow> window;
};

// An unreadable file is shown as its message until mended; Alt+F, G from
// the editor (the File menu's Aggiorna) reads the file again, fitted anew.
// The wheel zooms around the cursor, a drag pans, a resize keeps the view
// as the user left it and Home fits it again.
TEST_F(ViewerWindowTest, ReloadsOnAltFGZoomsPansAndFits) {
  WriteBytes(file, "                   3\r\n 0  x \r\n");
  Open();
  EXPECT_EQ(window->view().error(),
            "Problemi con la lettura del file c:\\disegno.dis (riga 2: numero non valido \"x\")");
  EXPECT_TRUE(window->view().drawing().lines.empty());
  WriteBytes(file, DisText(SmallDrawing()));
  Keys("%(fg)");
  EXPECT_EQ(window->loadCount(), 2);
  EXPECT_TRUE(window->view().error().isEmpty());
  EXPECT_EQ(DisText(window->view().drawing()), DisText(SmallDrawing()));
  EXPECT_TRUE(Fitted());

  DrawingView& view = window->view();
  const auto under = view.view().ToDrawing(100, 80);
  const double scale = view.view().scale;
  TurnWheel(&view, 1, QPoint(100, 80));
  EXPECT_GT(view.view().scale, scale);
  const auto after = view.view().ToWindow(under.x, under.y);
  EXPECT_NEAR(after.x, 100, 1e-6);
  EXPECT_NEAR(after.y, 80, 1e-6);
  const auto before = view.view().ToWindow(10, 10);
  QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
  QTest::mouseMove(&view, QPoint(230, 140));
  QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(230, 140));
  const auto moved = view.view().ToWindow(10, 10);
  EXPECT_NEAR(moved.x - before.x, 30, 1e-6);
  EXPECT_NEAR(moved.y - before.y, -10, 1e-6);
  window->resize(600, 400);
  QApplication::processEvents();
  EXPECT_NEAR(view.view().ToWindow(10, 10).x, moved.x, 1e-6);
  QTest::keyClick(window.get(), Qt::Key_Home);
  EXPECT_TRUE(Fitted());

  // The keys may come in two sends, as a user would type them: the menu
  // that Alt+F left open takes the G; a reload fits the zoomed view again.
  view.ZoomCentre(3);
  Keys("%f");
  Keys("g");
  EXPECT_EQ(window->loadCount(), 3);
  EXPECT_TRUE(Fitted());
  // Neither a letter alone nor Alt with a letter no menu has reloads.
  Keys("g");
  Keys("%(xg)");
  Keys("%(f){ESC}g");
  EXPECT_EQ(window->loadCount(), 3);
  Keys("{F5}");
  EXPECT_EQ(window->loadCount(), 4);
  // File, Esci, as the editor's keys choose it, closes the viewer.
  Keys("%(fc)");
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
