#include "parabolic/form_parab_cable.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Enter confirms the Z box; if a button were the dialog's default, the same
// key would also press it and close the dialog under the user's hands.
TEST(FormParabCable, EnterInABoxPressesNoButton) {
  FormParabCable dialog;
  dialog.show();
  for (QLineEdit* box : {dialog.TCoordZ[0], dialog.NodeName[0], dialog.TCoordY[2]}) {
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
  }
  EXPECT_EQ(dialog.result(), 0);
}

TEST(FormParabCable, AnnullaClosesAsCancelled) {
  FormParabCable dialog;
  dialog.show();
  QTest::mouseClick(dialog.AnnullaButt, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(FormParabCable, ShowsItsCaptions) {
  FormParabCable dialog;
  const std::vector<std::pair<QString, const char*>> cases = {
      {dialog.windowTitle(), "Crea cavo parabolico"},
      {dialog.Label[0]->text(), "Nodo iniziale"},
      {dialog.Label[3]->text(), "Nodo intermedio"},
      {dialog.Label[4]->text(), "Nodo finale"},
      {dialog.Label[1]->text(), "Coord. Y"},
      {dialog.Label[2]->text(), "Coord. Z"},
      {dialog.Label[5]->text(), "(Coordinate rispetto al baricentro)"},
      {dialog.AnnullaButt->text(), "Annulla"},
      {dialog.CreaButt->text(), "Crea"},
  };
  for (const auto& [shown, expected] : cases) EXPECT_EQ(shown.toStdString(), expected);
  EXPECT_TRUE(dialog.isModal());
}

}  // namespace
