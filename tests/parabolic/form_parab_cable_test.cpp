#include "parabolic/form_parab_cable.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

#include "app/startup.h"
#include "app/world.h"
#include "batch/stream_prompter.h"
#include "platform/decimal_separator.h"
#include "tests/support/fixture_job.h"
#include "tests/support/scripted_prompter.h"

namespace {

// The dialog on the fixture job (member 3: nodes 11..15 a metre apart),
// the user played through the real controls while it is shown modally.
class ParabolicDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ostringstream ignored;
    StreamPrompter quiet(ignored);
    ASSERT_FALSE(RunStartup(*world_, job_.Argument(), quiet));
  }

  // Shows the dialog as the main window does and plays `user` once it is
  // open. The user must end by closing it; should a fault leave it open, a
  // guard closes it so that the test fails instead of hanging.
  bool ShowAndDo(const std::function<void()>& user) {
    bool played = false;
    QTimer::singleShot(0, dialog_.get(), [&] {
      played = true;
      EXPECT_TRUE(dialog_->isVisible());
      user();
    });
    QTimer guard;
    guard.callOnTimeout([&] {
      ADD_FAILURE() << "the dialog was left open";
      dialog_->done(QDialog::Rejected);
    });
    guard.start(10000);
    const bool created = dialog_->ShowParabolicDialog();
    EXPECT_TRUE(played);
    EXPECT_FALSE(dialog_->isVisible());
    return created;
  }

  static void Type(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }

  // The seven boxes in the dialog's order: the three nodes, Z, the three Y.
  std::vector<QLineEdit*> Boxes() const {
    const FormParabCable& d = *dialog_;
    return {d.NodeName[0], d.NodeName[1], d.NodeName[2], d.TCoordZ[0], d.TCoordY[0], d.TCoordY[1],
            d.TCoordY[2]};
  }
  QStringList Texts() const {
    QStringList texts;
    for (QLineEdit* box : Boxes()) texts << box->text();
    return texts;
  }

  static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  FixtureJob job_;
  std::unique_ptr<World> world_ = std::make_unique<World>();
  ScriptedPrompter prompter_;
  std::unique_ptr<FormParabCable> dialog_ = std::make_unique<FormParabCable>(*world_, prompter_);
};

// A failed "Crea" leaves the dialog open with the values; Enter in a box
// presses no button, and in the Z box repeats Z beside the other points. A
// good "Crea" closes it and appends the layout. Shown again, the boxes keep
// their values and leaving the Z box repeats Z; closing from the title bar
// unloads the dialog: nothing is created, the next showing starts empty.
TEST_F(ParabolicDialog, CreaAppendsTheLayoutAndTheBoxesKeepTheirValues) {
  const FormParabCable& d = *dialog_;
  EXPECT_EQ((QStringList{d.windowTitle(), d.Label[0]->text(), d.Label[3]->text(),
                         d.Label[4]->text(), d.Label[1]->text(), d.Label[2]->text(),
                         d.Label[5]->text(), d.AnnullaButt->text(), d.CreaButt->text()}),
            (QStringList{"Crea cavo parabolico", "Nodo iniziale", "Nodo intermedio", "Nodo finale",
                         "Coord. Y", "Coord. Z", "(Coordinate rispetto al baricentro)", "Annulla",
                         "Crea"}));
  prompter_.ExpectMessage("Nome nodo iniziale non inserito", "ATTENZIONE", 64);
  prompter_.ExpectMessage("Punti non in sequenza", "PROBLEMA", 48);
  // The user's own decimal separator, whatever the test machine's setting.
  const QString middleY = QStringLiteral("-30") + QString::fromStdString(DecimalSeparator()) + "5";
  const QStringList typed = {"11", "13", "15", " 20 ", "0", middleY, "0"};
  EXPECT_TRUE(ShowAndDo([&] {
    Click(dialog_->CreaButt);
    const QStringList reversed = {"15", "13", "11", " 20 ", "0", middleY, "0"};
    for (int k = 0; k < 7; ++k) Type(Boxes()[static_cast<std::size_t>(k)], reversed[k]);
    EXPECT_EQ(dialog_->LabelZ[1]->text().toStdString(), "") << "typing alone repeats nothing";
    for (QLineEdit* box : {dialog_->NodeName[0], dialog_->TCoordY[2], dialog_->TCoordZ[0]}) {
      QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_EQ(dialog_->LabelZ[1]->text().toStdString(), "20");
    EXPECT_EQ(dialog_->LabelZ[2]->text().toStdString(), "20");
    Click(dialog_->CreaButt);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(world_->Group.LayoutCount, 0);
    EXPECT_EQ(Texts(), reversed);
    Type(dialog_->NodeName[0], "11");
    Type(dialog_->NodeName[2], "15");
    Click(dialog_->CreaButt);
  }));
  ASSERT_EQ(world_->Group.LayoutCount, 1);
  // The profile itself is the profile tests' matter: here, what the boxes gave.
  EXPECT_EQ(world_->Group.Layouts[1].NodeCount, 5);
  EXPECT_EQ(world_->Group.Layouts[1].Z[5], 20.0);
  EXPECT_EQ(dialog_->State().MiddleY, -30.5);

  EXPECT_FALSE(ShowAndDo([&] {
    EXPECT_EQ(Texts(), typed);
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    dialog_->TCoordZ[0]->setFocus();
    Type(dialog_->TCoordZ[0], "-7 5 ");
    dialog_->NodeName[1]->setFocus();
    EXPECT_EQ(dialog_->LabelZ[1]->text().toStdString(), "-7 5");
    EXPECT_EQ(dialog_->LabelZ[2]->text().toStdString(), "-7 5");
    dialog_->close();
  }));
  EXPECT_EQ(world_->Group.LayoutCount, 1);
  EXPECT_FALSE(ShowAndDo([&] {
    EXPECT_EQ(Texts(), QStringList({"", "", "", "", "", "", ""}));
    EXPECT_EQ(dialog_->LabelZ[1]->text().toStdString(), "");
    Click(dialog_->AnnullaButt);
  }));
  EXPECT_EQ(world_->Group.LayoutCount, 1);
}

}  // namespace
