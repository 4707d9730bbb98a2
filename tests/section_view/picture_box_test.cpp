// The picture box under the offscreen platform: what it paints lands on the
// pixels its user scale predicts, also after a resize, and mouse positions
// come back in user coordinates. Then the whole view on the example job,
// through the controller the main window uses.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "app/world.h"
#include "layouts/layout_operations.h"
#include "section_view/picking.h"
#include "section_view/picture_box_ui.h"
#include "section_view/section_drawing.h"
#include "section_view/section_view_controller_ui.h"
#include "structure/section_geometry.h"
#include "tests/section_view/recording_canvas.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"

namespace {

// The pixel of a user coordinate, from the scale values alone.
QPoint Predicted(const PictureBox& box, double x, double y) {
  return {static_cast<int>(std::lround((x - box.ScaleLeft()) * box.width() / box.ScaleWidth())),
          static_cast<int>(std::lround((y - box.ScaleTop()) * box.height() / box.ScaleHeight()))};
}

// Whether a stroke of `colour` crosses the pixel or one next to it. An
// antialiased line may fall half on each of two pixels: each channel that
// differs much from the background must have gone 40 % of the way, the
// others must stay near the colour.
bool StrokeNear(PictureBox& box, QPoint at, QColor colour) {
  const QImage image = box.grab().toImage();
  const QColor back = PictureBox::BackColor();
  auto channel = [](int got, int from, int to) {
    if (std::abs(to - from) < 0x40) return std::abs(got - to) <= 0x40;
    return (got - from) * (to - from) >= 0 && std::abs(got - from) >= 0.4 * std::abs(to - from);
  };
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint p = at + QPoint(dx, dy);
      if (!image.rect().contains(p)) continue;
      const QColor c = image.pixelColor(p);
      if (channel(c.red(), back.red(), colour.red()) &&
          channel(c.green(), back.green(), colour.green()) &&
          channel(c.blue(), back.blue(), colour.blue())) {
        return true;
      }
    }
  }
  return false;
}

const QColor kFore = PictureBox::ForeColor();
const QColor kYellow = QColor::fromRgb(QBColor(14));

// Kept lines follow a resize through the same user scale: without a redraw
// the square's right side moves from x = 225 to 450.
TEST(PictureBox, DrawsAndReportsInItsUserScaleAtEverySize) {
  PictureBox box;
  box.resize(400, 300);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_EQ(box.ScaleWidth(), 400);  // pixels before the first drawing
  double radius = 0;
  DrawSection(box, Square40(), radius);
  ASSERT_EQ(box.ScaleLeft(), -5);
  ASSERT_EQ(box.ScaleTop(), -55);
  EXPECT_EQ(Predicted(box, 40, -20), QPoint(225, 175));
  EXPECT_TRUE(StrokeNear(box, QPoint(225, 175), kFore));
  EXPECT_TRUE(StrokeNear(box, Predicted(box, 60, 0), kYellow));   // Z axis
  EXPECT_TRUE(StrokeNear(box, Predicted(box, 0, -50), kYellow));  // Y axis
  EXPECT_FALSE(StrokeNear(box, Predicted(box, 45, -20), kFore));

  QSignalSpy down(&box, &PictureBox::MouseDown);
  QTest::mouseClick(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(225, 175));
  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down[0][0].toInt(), 2);
  EXPECT_EQ(down[0][1].toInt(), 1);
  EXPECT_FLOAT_EQ(down[0][2].toFloat(), 40.0f);
  EXPECT_FLOAT_EQ(down[0][3].toFloat(), -20.0f);

  QSignalSpy resized(&box, &PictureBox::Resized);
  box.resize(800, 300);
  EXPECT_EQ(resized.count(), 1);
  EXPECT_TRUE(StrokeNear(box, QPoint(450, 175), kFore));
  EXPECT_FALSE(StrokeNear(box, QPoint(225, 175), kFore));
  box.Cls();
  EXPECT_FALSE(StrokeNear(box, QPoint(450, 175), kFore));
}

// Member 2 of the example job, one layout from the member's first node:
// the section drawn around its reference point; a click places the cable
// point; in the other mode a click near vertex 1 moves the origin there and
// not the cable; a resize draws again with equal units.
TEST(SectionViewController, PlacesAndReexpressesThePointOnTheExampleJob) {
  TempDir dir;
  CopyTree(EXAMPLE_SUITE_DIR, dir.path());
  WriteJobFile(dir.path() / "impostazioni" / "dirlav", {(dir.path() / "lavori").string()});
  auto world = std::make_unique<World>();
  ScriptedPrompter prompter;
  const auto fault = RunStartup(*world, "|diroot=" + dir.SuitePath() + "|MEMBRA=2|", prompter);
  ASSERT_FALSE(fault) << fault->text;
  ASSERT_FALSE(SetNewTrac(world->Group, world->Structure, 1));
  world->Group.ActiveLayout = world->Group.ActiveNode = 1;
  Layout& layout = world->Group.Layouts[1];
  const Section* section =
      SectionOfStructureNode(world->Structure, world->Sections, layout.NodeIndex[1]);
  ASSERT_NE(section, nullptr);
  ASSERT_EQ(section->VertexZ[1][1], -240);
  ASSERT_EQ(section->VertexY[1][1], 0);
  const double refY = section->RefPointY;

  QWidget window;
  auto* picture = new PictureBox(&window);
  picture->setGeometry(0, 0, 450, 300);
  auto* labelZ = new QLabel(&window);
  auto* action = new QPushButton(&window);
  auto* firstRow = new QLabel(QStringLiteral("1"), &window);
  window.resize(460, 310);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  std::vector<std::pair<int, int>> rows;
  SectionViewController view(
      world->Group, world->Structure, world->Sections, world->ViewMode, world->SectionView,
      {picture, labelZ, nullptr, action, firstRow},
      [&rows](int16_t first, int16_t last) { rows.emplace_back(first, last); });

  view.Redraw();
  EXPECT_DOUBLE_EQ(world->SectionView.PointRadius, 220.0 / 50);
  // Top of the deck and bottom of the box, 220 apart.
  EXPECT_TRUE(StrokeNear(*picture, Predicted(*picture, 100, -(220 - refY)), kFore));
  EXPECT_TRUE(StrokeNear(*picture, Predicted(*picture, 100, refY), kFore));

  const QPoint click(300, 120);
  const QPointF user = picture->ToUser(click);
  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, click);
  EXPECT_FLOAT_EQ(static_cast<float>(layout.Z[1]), static_cast<float>(user.x()));
  EXPECT_FLOAT_EQ(static_cast<float>(layout.Y[1]), -static_cast<float>(user.y()));
  EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{1, 1}}));
  QTest::mouseMove(picture, click);
  EXPECT_EQ(labelZ->text().toStdString(), CursorZText(static_cast<float>(user.x())));

  view.ButtonAction_Click();
  EXPECT_EQ(action->text(), QStringLiteral("SIST. RIFER."));
  const double cableZ = layout.Z[1];
  const double cableY = layout.Y[1] + refY;  // from the bottom of the section
  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier,
                    Predicted(*picture, -240, refY) + QPoint(2, -1));
  EXPECT_EQ(layout.RefVertex[1], 1);
  EXPECT_NEAR(layout.Z[1], cableZ + 240, 1e-9);
  EXPECT_NEAR(layout.Y[1], cableY, 1e-9);
  EXPECT_EQ(rows.size(), 2u);

  picture->resize(300, 450);
  EXPECT_NEAR(picture->ScaleWidth() / 300, picture->ScaleHeight() / 450, 1e-9);
  EXPECT_DOUBLE_EQ(picture->ScaleWidth(), 1.5 * section->SizeZ);
}

}  // namespace
