// The viewer's window on the offscreen platform: fitted on opening, wheel
// zoom and drag, and the reload that the editor's keys ask for.
#include "viewer/viewer_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "tests/support/temp_dir.h"
#include "tests/support/real_input.h"
#include "tests/viewer/dis_text.h"
#include "viewer/drawing_view.h"

namespace {

QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

std::vector<KeyAction> Keys(const char* text) { return *ParseKeySequence(text); }

class ViewerWindowTest : public ::testing::Test {
 protected:
  ViewerWindowTest() : file(dir.path() / "disegno.dis") {
    WriteBytes(file, DisText(SmallDrawing()));
  }

  // A window shown at a known size, as the input file would size it.
  std::unique_ptr<ViewerWindow> Open() {
    auto window = std::make_unique<ViewerWindow>(Q(file), QStringLiteral("c:\\disegno.dis"));
    window->resize(533, 333);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }

  TempDir dir;
  std::filesystem::path file;
};

TEST_F(ViewerWindowTest, OpensFittedToItsWindow) {
  auto window = Open();
  const DrawingView& view = window->view();
  const ViewTransform expected =
      ViewTransform::Fit(BoundsOf(view.drawing()), view.width(), view.height());
  EXPECT_DOUBLE_EQ(view.view().scale, expected.scale);
  EXPECT_DOUBLE_EQ(view.view().originX, expected.originX);
  EXPECT_EQ(view.drawing().lines.size(), 2u);
}

TEST_F(ViewerWindowTest, WheelZoomsAroundTheCursorAndDragPans) {
  auto window = Open();
  DrawingView& view = window->view();
  const QPointF cursor(100, 80);
  const auto under = view.view().ToDrawing(cursor.x(), cursor.y());
  const double scale = view.view().scale;
  TurnWheel(&view, 1, cursor.toPoint());
  EXPECT_GT(view.view().scale, scale);
  const auto after = view.view().ToWindow(under.x, under.y);
  EXPECT_NEAR(after.x, cursor.x(), 1e-6);
  EXPECT_NEAR(after.y, cursor.y(), 1e-6);

  const auto before = view.view().ToWindow(10, 10);
  QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
  QTest::mouseMove(&view, QPoint(230, 140));
  QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(230, 140));
  const auto moved = view.view().ToWindow(10, 10);
  EXPECT_NEAR(moved.x - before.x, 30, 1e-6);
  EXPECT_NEAR(moved.y - before.y, -10, 1e-6);

  // A zoomed view stays as the user left it when the window is resized;
  // the fit command fits it again.
  window->resize(600, 400);
  QApplication::processEvents();
  EXPECT_NEAR(view.view().ToWindow(10, 10).x, moved.x, 1e-6);
  QTest::keyClick(window.get(), Qt::Key_Home);
  const ViewTransform fitted =
      ViewTransform::Fit(BoundsOf(view.drawing()), view.width(), view.height());
  EXPECT_DOUBLE_EQ(view.view().scale, fitted.scale);
}

// Alt+F, G from the editor: the File menu's Aggiorna reads the file again.
TEST_F(ViewerWindowTest, AltFGReloadsTheDrawingFromItsFile) {
  auto window = Open();
  window->view().ZoomCentre(3);
  DisContent changed = SmallDrawing();
  changed.lines.push_back({0, 2, 5, 0});
  WriteBytes(file, DisText(changed));

  window->ApplyKeys(Keys("%(fg)"));

  EXPECT_EQ(window->loadCount(), 2);
  EXPECT_EQ(window->view().drawing().lines.size(), 3u);
  const DrawingView& view = window->view();
  EXPECT_DOUBLE_EQ(view.view().scale,
                   ViewTransform::Fit(BoundsOf(view.drawing()), view.width(), view.height()).scale);
}

// The keys may come in two sends, as a user would type them: the menu that
// Alt+F left open takes the G.
TEST_F(ViewerWindowTest, MenuOpenedByOneSendTakesTheLetterOfTheNext) {
  auto window = Open();
  window->ApplyKeys(Keys("%f"));
  window->ApplyKeys(Keys("g"));
  EXPECT_EQ(window->loadCount(), 2);
  // Neither a letter alone nor Alt with a letter no menu has reloads.
  window->ApplyKeys(Keys("g"));
  window->ApplyKeys(Keys("%(xg)"));
  window->ApplyKeys(Keys("%(f){ESC}g"));
  EXPECT_EQ(window->loadCount(), 2);
  window->ApplyKeys(Keys("{F5}"));
  EXPECT_EQ(window->loadCount(), 3);
}

TEST_F(ViewerWindowTest, UnreadableDrawingIsShownAsAMessageNamingTheLine) {
  WriteBytes(file, "                   3\r\n 0  x \r\n");
  auto window = Open();
  EXPECT_EQ(window->view().error(),
            "Problemi con la lettura del file c:\\disegno.dis (riga 2: numero non valido \"x\")");
  EXPECT_TRUE(window->view().drawing().lines.empty());
  // Mended, it shows again on the next reload.
  WriteBytes(file, DisText(SmallDrawing()));
  window->ApplyKeys(Keys("%(fg)"));
  EXPECT_TRUE(window->view().error().isEmpty());
  EXPECT_EQ(window->view().drawing().lines.size(), 2u);
}

}  // namespace
