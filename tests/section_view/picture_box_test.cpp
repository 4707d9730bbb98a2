// The view in a window under the offscreen platform: the picture box paints
// on the pixels its user scale predicts, also after a resize, and gives mouse
// positions back in user coordinates; through the controller the main window
// uses, the cursor label follows the mouse and, in the reference mode, a
// click near a vertex moves the origin there and not the cable; a resize
// draws again.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "section_view/picking.h"
#include "section_view/picture_box_ui.h"
#include "section_view/section_drawing.h"
#include "section_view/section_view_controller_ui.h"
#include "tests/section_view/recording_canvas.h"

namespace {

// The pixel of a user coordinate, from the scale values alone.
QPoint Predicted(const PictureBox& box, double x, double y) {
  return {static_cast<int>(std::lround((x - box.ScaleLeft()) * box.width() / box.ScaleWidth())),
          static_cast<int>(std::lround((y - box.ScaleTop()) * box.height() / box.ScaleHeight()))};
}

// Whether a stroke of `colour` crosses the pixel or one next to it: an
// antialiased line may fall half on each of two pixels, so a pixel counts
// when it has gone at least 40 % of the way from the background to `colour`.
bool StrokeNear(PictureBox& box, QPoint at, QColor colour) {
  const QImage image = box.grab().toImage();
  const QColor back = PictureBox::BackColor();
  auto off = [](QColor a, QColor b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
  };
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint p = at + QPoint(dx, dy);
      if (image.rect().contains(p) && off(image.pixelColor(p), colour) <= 0.6 * off(back, colour)) {
        return true;
      }
    }
  }
  return false;
}

TEST(SectionViewController, DrawsPlacesAndReexpressesThePointInAWindow) {
  const QColor fore = PictureBox::ForeColor();
  QWidget window;
  auto* picture = new PictureBox(&window);
  picture->setGeometry(0, 0, 400, 300);
  auto* labelZ = new QLabel(&window);
  auto* action = new QPushButton(&window);
  auto* firstRow = new QLabel(QStringLiteral("1"), &window);
  window.resize(810, 460);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  double radius = 0;
  DrawSection(*picture, Square40(), radius);
  // The square's corner (40, 40) and the yellow Z axis.
  EXPECT_TRUE(StrokeNear(*picture, QPoint(225, 175), fore));
  EXPECT_TRUE(StrokeNear(*picture, Predicted(*picture, 60, 0), QColor::fromRgb(QBColor(14))));
  QSignalSpy down(picture, &PictureBox::MouseDown);
  QTest::mouseClick(picture, Qt::RightButton, Qt::ShiftModifier, QPoint(225, 175));
  ASSERT_EQ(down.count(), 1);
  EXPECT_FLOAT_EQ(down[0][2].toFloat(), 40.0f);
  EXPECT_FLOAT_EQ(down[0][3].toFloat(), -20.0f);
  // Kept lines follow a resize through the same user scale: without a
  // redraw the square's right side moves from x = 225 to 450.
  picture->resize(800, 300);
  EXPECT_TRUE(StrokeNear(*picture, QPoint(450, 175), fore));
  EXPECT_FALSE(StrokeNear(*picture, QPoint(225, 175), fore));
  picture->Cls();
  EXPECT_FALSE(StrokeNear(*picture, QPoint(450, 175), fore));

  // One layout through the first node, from vertex 1; a click in
  // the other mode (placing the point is driven in the editor's tests).
  auto r = MakeRecords();
  AddLayout(r->group, 1, {1}, 1);
  r->group.ActiveLayout = r->group.ActiveNode = 1;
  Layout& layout = r->group.Layouts[1];
  int16_t mode = kViewModeCableCoordinates;
  SectionViewState state;
  SectionViewController view(r->group, r->structure, r->sections, mode, state,
                             {picture, labelZ, nullptr, action, firstRow}, [](int16_t, int16_t) {});
  picture->resize(450, 300);  // drawn again on the resize
  EXPECT_TRUE(StrokeNear(*picture, Predicted(*picture, 40, -20), fore));
  const QPoint click(300, 120);
  QTest::mouseMove(picture, click);
  EXPECT_EQ(labelZ->text().toStdString(),
            CursorZText(static_cast<float>(picture->ToUser(click).x())));

  view.ButtonAction_Click();
  // Near vertex 3, (40, 40).
  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier,
                    Predicted(*picture, 40, -40) + QPoint(2, -1));
  EXPECT_EQ(layout.RefVertex[1], 3);  // the cable re-expressed: the library's tests
}

}  // namespace
