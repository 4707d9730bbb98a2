#include "editor/form_pri.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/world.h"
#include "tests/support/fixture_job.h"
#include "tests/support/scripted_prompter.h"

namespace {

std::string Text(const QLabel* label) { return label->text().toStdString(); }
std::string Text(const QAbstractButton* button) { return button->text().toStdString(); }

// A fresh job, world and window for every test; the prompter fails the test
// on any message it was not told to expect.
class FormPriTest : public ::testing::Test {
 protected:
  FixtureJob job;
  ScriptedPrompter prompter;
  std::unique_ptr<World> world = std::make_unique<World>();
  FormPri form{*world, prompter};

  void LoadAndShow() {
    const auto fault = form.Load(job.Argument());
    ASSERT_FALSE(fault.has_value()) << fault->caption << ": " << fault->text;
    form.show();
  }
};

TEST_F(FormPriTest, LoadNamesMemberJobAndViewMode) {
  LoadAndShow();
  EXPECT_EQ(Text(form.LabelMembr), "MEMBRATURA n°3 (TRAVE 1)");
  EXPECT_EQ(form.windowTitle().toStdString(),
            "DEFINIZIONE del TRACCIATO dei CAVI - lavoro: ab12cd");
  EXPECT_EQ(Text(form.ButtonAction), "COORD. CAVI");
  EXPECT_EQ(Text(form.LNLayout), "0");
}

// The empty group leaves only the commands that need no layout: a disabled
// "Nuovo" would make the first layout impossible, and "Disegna tracciati"
// must stay reachable to say that there is nothing to draw.
TEST_F(FormPriTest, EmptyGroupEnablesOnlyCommandsThatNeedNoLayout) {
  LoadAndShow();
  struct Case {
    const char* name;
    QWidget* control;
    bool enabled;
  };
  const std::vector<Case> cases = {
      {"ButtonNewN", form.ButtonNewN, false},
      {"ButtonCopyN", form.ButtonCopyN, false},
      {"ButtonRemoveN", form.ButtonRemoveN, false},
      {"Command1", form.Command1, false},
      {"Command2", form.Command2, false},
      {"ButtonCopyT", form.ButtonCopyT, false},
      {"ButtonRemove", form.ButtonRemove, false},
      {"DrawLayo", form.DrawLayo, false},
      {"NCnd", form.NCnd, false},
      {"Description", form.Description, false},
      {"ButtonNewT", form.ButtonNewT, true},
      {"TracParab", form.TracParab, true},
      {"DrawAllLayo", form.DrawAllLayo, true},
      {"ButtonOpen", form.ButtonOpen, true},
      {"ButtonSave", form.ButtonSave, true},
      {"ButtonClose", form.ButtonClose, true},
      {"RefreshDrawing", form.RefreshDrawing, true},
      {"ButtonAction", form.ButtonAction, true},
      {"CheckEvLayo", form.CheckEvLayo, true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.control->isEnabled(), c.enabled) << c.name;
}

// The header boxes are emptied and marked by their background, not only
// greyed: the group's own values stay out of sight until there is a layout.
TEST_F(FormPriTest, EmptyGroupClearsAndMarksTheHeaderBoxes) {
  form.Description->setText(QStringLiteral("GRUPPO 1"));
  form.NCnd->setText(QStringLiteral("4"));
  LoadAndShow();
  const QColor highlight = QPalette().color(QPalette::Highlight);
  for (QLineEdit* box : {form.Description, form.NCnd}) {
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Base), highlight);
  }
}

// The scroll bar appears from the eighth layout on and starts at its end,
// so that the grid shows the last seven layouts; the commands and header
// boxes come alive with the first layout.
TEST_F(FormPriTest, CheckNLayoutFollowsTheLayoutCount) {
  LoadAndShow();
  struct Case {
    int16_t count;
    bool scrollBar;
    int maximum;  // also the value: the grid jumps to its last rows
  };
  for (const Case& c : {Case{1, false, 0}, Case{7, false, 0}, Case{8, true, 2}, Case{9, true, 3},
                        Case{0, false, 0}}) {
    SCOPED_TRACE("layouts: " + std::to_string(c.count));
    world->Group.LayoutCount = c.count;
    form.CheckNLayout();
    const bool any = c.count > 0;
    for (QWidget* control :
         std::vector<QWidget*>{form.ButtonNewN, form.ButtonCopyN, form.ButtonRemoveN,
                               form.ButtonCopyT, form.ButtonRemove, form.DrawLayo, form.Command1,
                               form.Command2, form.NCnd, form.Description}) {
      EXPECT_EQ(control->isEnabled(), any) << control->metaObject()->className();
    }
    EXPECT_TRUE(form.ButtonNewT->isEnabled());
    const QPalette::ColorRole background = any ? QPalette::Base : QPalette::Highlight;
    EXPECT_EQ(form.NCnd->palette().color(QPalette::Disabled, QPalette::Base),
              QPalette().color(background));
    ASSERT_EQ(form.VScrollT->isVisible(), c.scrollBar);
    if (!c.scrollBar) continue;
    EXPECT_EQ(form.VScrollT->minimum(), 1);
    EXPECT_EQ(form.VScrollT->maximum(), c.maximum);
    EXPECT_EQ(form.VScrollT->value(), c.maximum);
    EXPECT_EQ(form.VScrollT->pageStep(), kGridRows);
  }
}

TEST_F(FormPriTest, EmptyGroupShowsNoGridRowsScrollBarsOrHelpLine) {
  form.CheckEvLayo->setChecked(true);
  LoadAndShow();
  for (int row = 1; row <= kGridRows; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    for (QWidget* control : std::vector<QWidget*>{form.LabelN[row], form.LayoAct[row],
                                                  form.LayoName[row], form.CableName[row]}) {
      EXPECT_FALSE(control->isVisible()) << control->metaObject()->className();
    }
    for (QWidget* control : std::vector<QWidget*>{
             form.Labelnn[row], form.NodeAct[row], form.NodeName[row], form.SectionName[row],
             form.TCoordSys[row], form.TCoordY[row], form.TCoordZ[row], form.TAngDisto[row]}) {
      EXPECT_FALSE(control->isVisible()) << control->metaObject()->className();
    }
  }
  EXPECT_FALSE(form.VScrollT->isVisible());
  EXPECT_FALSE(form.VScrollN->isVisible());
  EXPECT_FALSE(form.LabMsg->isVisible());
  EXPECT_FALSE(form.CheckEvLayo->isChecked());
  EXPECT_FALSE(form.Timer1->isActive());
  EXPECT_EQ(form.Timer1->interval(), 500);
  // Hidden rows keep their place: the frames do not collapse.
  EXPECT_GT(form.Frame1->height(), 7 * form.NodeName[1]->sizeHint().height());
}

// List position p is cable type p + 1 for the layout records, so the names
// must keep the file's order (the fixture's is not alphabetical).
TEST_F(FormPriTest, CableListsHoldEveryTypeInFileOrder) {
  LoadAndShow();
  for (int row = 1; row <= kGridRows; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    QComboBox* list = form.CableName[row];
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0).toStdString(), "CAVO 7T15");
    EXPECT_EQ(list->itemText(1).toStdString(), "CAVO 12T15");
    EXPECT_EQ(list->currentIndex(), -1);
  }
}

TEST_F(FormPriTest, MissingCableTypesAreANoticeAndLeaveTheListsEmpty) {
  job.RemoveJob("Group.cap");
  prompter.ExpectMessage("Nessun file trovato  " + job.JobSuitePath() + "\\Group.cap",
                         kCaptionInformation, kStyleInformation);
  LoadAndShow();
  for (int row = 1; row <= kGridRows; ++row) EXPECT_EQ(form.CableName[row]->count(), 0);
  EXPECT_EQ(Text(form.LabelMembr), "MEMBRATURA n°3 (TRAVE 1)");
}

// Start-up faults end the program: Load hands them back unshown, because the
// window is never shown and main shows the message itself.
TEST_F(FormPriTest, StartupFaultIsReturnedWithoutShowingIt) {
  struct Case {
    const char* name;
    std::string argument;
    const char* removedFile;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"no member item", "|diroot=" + job.RootSuitePath() + "|", nullptr,
       "Nessuna membratura specificata"},
      {"structure file missing", job.Argument(), "struttur.str",
       "Problemi con la lettura del file " + job.JobSuitePath() + "\\struttur.str"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.removedFile) job.RemoveJob(c.removedFile);
    auto freshWorld = std::make_unique<World>();
    FormPri window(*freshWorld, prompter);
    const auto fault = window.Load(c.argument);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->text, c.text);
    EXPECT_EQ(fault->caption, kCaptionProblem);
    EXPECT_EQ(fault->style, kStyleCritical);
  }
  EXPECT_TRUE(prompter.messages().empty());
}

// "Chiudi" ends the program: the application's event loop must return once
// the window is closed, with nothing asked on the way.
TEST_F(FormPriTest, ChiudiEndsTheProgramWithoutAsking) {
  LoadAndShow();
  QTimer guard;  // a window that does not close must not hang the test
  guard.setSingleShot(true);
  bool timedOut = false;
  QObject::connect(&guard, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::quit();
  });
  guard.start(10000);
  QTimer::singleShot(0, form.ButtonClose,
                     [this] { QTest::mouseClick(form.ButtonClose, Qt::LeftButton); });
  QApplication::exec();
  EXPECT_FALSE(timedOut);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(prompter.messages().empty());
}

// Each grid marks its own active row: choosing a node must not clear the
// active layout, as it would if both columns formed one exclusive set.
TEST_F(FormPriTest, OptionButtonsAreExclusiveWithinTheirOwnGrid) {
  LoadAndShow();
  form.LayoAct[3]->setChecked(true);
  form.NodeAct[5]->setChecked(true);
  EXPECT_TRUE(form.LayoAct[3]->isChecked());
  form.LayoAct[4]->setChecked(true);
  EXPECT_FALSE(form.LayoAct[3]->isChecked());
  EXPECT_TRUE(form.NodeAct[5]->isChecked());
  form.NodeAct[1]->setChecked(true);
  EXPECT_FALSE(form.NodeAct[5]->isChecked());
  EXPECT_TRUE(form.LayoAct[4]->isChecked());
}

// Captions with their blanks, as the suite's users know them.
TEST_F(FormPriTest, CaptionsKeepTheirExactText) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {Text(form.Label2[0]), " Numero di tracciati:  "},
      {Text(form.Label2[1]), " Numero di nodi:"},
      {Text(form.Label2[2]), " Numero della condizione da caricare:  "},
      {Text(form.Label2[3]), "Descrizione del gruppo di tracciati:"},
      {form.Frame2->title().toStdString(), "TRACCIATI"},
      {form.Frame1->title().toStdString(), "DEFINIZIONE del TRACCIATO ATTIVO"},
      {Text(form.Label1[7]), "Sistema di rifer."},
      {Text(form.Label1[10]), "Distorsione angolare"},
      {Text(form.ButtonCopyT), "Copia Tracciato"},
      {Text(form.CheckEvLayo), "Solo tracciato attivo"},
      {Text(form.LabelN[1]), "nn"},
  };
  for (const auto& [shown, expected] : cases) EXPECT_EQ(shown, expected);
}

}  // namespace
