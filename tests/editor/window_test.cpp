// The main window as it starts, ends, opens and saves groups.

#include <QCheckBox>
#include <QGroupBox>
#include <QMessageBox>
#include <cstdlib>
#include <filesystem>

#include "app/qt_prompter.h"
#include "editor/editor_start.h"
#include "layouts/group_file.h"
#include "platform/suite_path.h"
#include "tests/editor/editor_window.h"
#include "tests/support/messages.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// The window loaded by each test itself, after what it changes first.
class FormPriTest : public EditorWindow {
 protected:
  void SetUp() override {}
};

// Loading an empty group names member, job and view mode and enables only
// the commands that need no layout: a disabled "Nuovo" would make the first
// layout impossible, and "Disegna tracciati" must stay reachable to say that
// there is nothing to draw. The header boxes are emptied and marked by their
// background, not only greyed, so that the group's own values stay out of
// sight. No grid row, scroll bar or help line shows, yet hidden rows keep
// their place.
TEST_F(FormPriTest, AnEmptyGroupShowsOnlyWhatNeedsNoLayout) {
  form.Description->setText(QStringLiteral("GRUPPO 1"));
  form.NCnd->setText(QStringLiteral("4"));
  form.CheckEvLayo->setChecked(true);
  LoadAndShow();
  EXPECT_EQ(Text(form.LabelMembr), "MEMBRATURA n°3 (TRAVE 1)");
  EXPECT_EQ(Text(form.ButtonAction) + " " + Text(form.LNLayout), "COORD. CAVI 0");
  for (QPushButton* control : {form.ButtonNewN, form.ButtonCopyN, form.Command1, form.ButtonCopyT,
                               form.ButtonRemove, form.DrawLayo}) {
    EXPECT_FALSE(control->isEnabled()) << Text(control);
  }
  for (QLineEdit* box : {form.Description, form.NCnd}) {
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(Text(box), "");
    EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Base),
              QPalette().color(QPalette::Highlight));
  }
  for (int row = 1; row <= kGridRows; ++row) {
    EXPECT_FALSE(form.LayoName[row]->isVisible() || form.TCoordY[row]->isVisible()) << row;
  }
  EXPECT_FALSE(form.VScrollT->isVisible() || form.VScrollN->isVisible() ||
               form.LabMsg->isVisible());
  EXPECT_FALSE(form.CheckEvLayo->isChecked());
  EXPECT_GT(form.Frame1->height(), 7 * form.NodeName[1]->sizeHint().height());

  // Captions with their blanks, as the suite's users know them.
  EXPECT_EQ(Text(form.Label2[2]) + "|" + Text(form.Label1[10]) + "|" + Text(form.CheckEvLayo),
            " Numero della condizione da caricare:  |Distorsione angolare|Solo tracciato attivo");
}

// Start-up faults end the program: Load hands them back unshown, and the
// program's start-up shows the real message box over no window and leaves
// no window to show.
TEST_F(FormPriTest, StartupFaultIsShownOverNoWindow) {
  job.RemoveJob("struttur.str");
  const Message fault =
      Problem("Problemi con la lettura del file " + job.JobSuitePath() + "\\struttur.str");
  EXPECT_EQ(form.Load(job.Argument()), fault);

  QtPrompter prompter;
  std::string shown;
  QTimer answer;  // runs inside the box's own event loop
  answer.callOnTimeout([&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown = box->windowTitle().toStdString() + ": " + box->text().toStdString();
    EXPECT_EQ(box->parentWidget(), nullptr);
    QTest::keyClick(box, Qt::Key_Return);
  });
  answer.start(10);
  auto fresh = std::make_unique<World>();
  EXPECT_EQ(StartEditor(*fresh, prompter, job.Argument()), nullptr);
  EXPECT_EQ(shown, fault.caption + ": " + fault.text);
}

// The example suite as tools/prepare-example-suite.sh makes it, under a
// folder whose name has an accent: tracciati-batch checks it, and the real
// window loads it, shows it and ends the program on "Chiudi": the
// application's event loop returns once the window is closed, with nothing
// asked on the way.
TEST(ExampleSuite, StartsUnderAnAccentedFolder) {
  TempDir dir;
  const std::string suite = (dir.path() / "Suite \u00e8").string();
  ASSERT_EQ(std::system(("'" PREPARE_SCRIPT "' '" + suite + "'").c_str()), 0);
  const std::string argument = "|diroot=" + suite + "|MEMBRA=2|";
  EXPECT_EQ(std::system(("'" BATCH_EXE "' '" + argument + "' check >/dev/null").c_str()), 0);

  ScriptedPrompter prompter;  // any message box fails the test
  auto world = std::make_unique<World>();
  FormPri form(*world, prompter);
  const auto fault = form.Load(argument);
  ASSERT_FALSE(fault.has_value()) << fault->caption << ": " << fault->text;
  form.show();
  QTimer::singleShot(0, form.ButtonClose,
                     [&form] { QTest::mouseClick(form.ButtonClose, Qt::LeftButton); });
  QTimer::singleShot(10000, &form, [] { QApplication::exit(1); });  // never hang
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(form.isVisible());
}

// "Apri" and "Salva" from the window: the dialogs answered by the script,
// the group files written by the layouts library.
class GroupButtons : public EditorWindow {
 protected:
  // The path as the file dialog answers it.
  std::string Chosen(const std::string& name) const {
    return SuitePathFromHost((job.JobFolder() / name).string());
  }

  // A group of `layouts` layouts of 2 points, saved as `name` in the job and
  // then chosen in the "Apri" dialog.
  void OpenGroupFile(const std::string& name, int layouts, int16_t positionOfSecondPoint = 2) {
    auto group = std::make_unique<LayoutGroup>();
    group->LoadCondition = 4;
    group->LayoutCount = static_cast<int16_t>(layouts);
    for (int l = 1; l <= layouts; ++l) {
      Layout& layout = group->Layouts[l];
      layout.Name = static_cast<int16_t>(10 * l);
      layout.CableType = 2;
      layout.NodeCount = 2;
      SetNodeAt(layout, 1, {1, 0, 5.0, -1.5, 0.0});
      SetNodeAt(layout, 2, {positionOfSecondPoint, 0, 0.25, l * 1.0, 0.01});
    }
    const GroupFileOutcome written = WriteLayoutGroup(*group, Chosen(name));
    ASSERT_TRUE(written.opened && !written.fault);
    prompter.ExpectOpenFile(Chosen(name));
    Click(form.ButtonOpen);
  }
};

// "Apri" makes the last layout active and names the group; undoing it puts
// back the group it replaced, the file name and the caption. Cancelling
// "Apri" forgets the open file, so "Salva" proposes the member's pattern
// instead of overwriting it unasked.
TEST_F(GroupButtons, OpenUndoCancelSaveAndRefuse) {
  FillGroup(2, 3);
  form.RecordGroupChange();
  const std::string group = LayoutGroupFileBytes(Group());
  const QString caption = form.windowTitle();
  OpenGroupFile("Memb003Gr_002.cap", 9);
  EXPECT_EQ(LayoutGridShown() + " " + NodeRowsShown(), "3 4 5 6 7 8 9 (9 @7) 1 2");
  EXPECT_EQ(Text(form.LayoName[7]) + " " + Text(form.TCoordZ[2]) + " " + Text(form.NCnd), "90 9 4");
  const QString opened =
      "DEFINIZIONE del TRACCIATO dei CAVI - lavoro: ab12cd - Gruppo tracciati: "
      "Memb003Gr_002.cap";
  EXPECT_EQ(form.windowTitle(), opened);
  QApplication::processEvents();
  const std::string openedGroup = LayoutGroupFileBytes(Group());

  CtrlKey(Qt::Key_Z, form.ButtonOpen);
  EXPECT_EQ(LayoutGroupFileBytes(Group()) + world->GroupFileName, group);
  EXPECT_EQ(form.windowTitle(), caption);
  CtrlKey(Qt::Key_Y, form.ButtonOpen);
  EXPECT_EQ(LayoutGroupFileBytes(Group()) + world->GroupFileName,
            openedGroup + "\\Memb003Gr_002.cap");
  EXPECT_EQ(form.windowTitle(), opened);

  prompter.ExpectOpenFile(std::nullopt);
  Click(form.ButtonOpen);
  EXPECT_EQ(world->GroupFileName, "");
  prompter.ExpectSaveFile(Chosen("Memb003Gr_003.cap"));
  Click(form.ButtonSave);
  ASSERT_EQ(prompter.saveRequests().size(), 1u);
  EXPECT_EQ(prompter.saveRequests()[0].fileName, "Memb003Gr_???.cap");
  EXPECT_TRUE(fs::exists(job.JobFolder() / "Memb003Gr_003.cap"));

  // A group refused by the check is emptied: the rows of the group shown
  // before must go with it.
  ExpectProblem(
      "Alcuni nodi presenti in uno o più tracciati non fanno riferimento ad alcuna sezione. Il "
      "gruppo di tracciati non è valido");
  OpenGroupFile("Memb003Gr_004.cap", 2, 5);  // position 5, node 15, has no section
  EXPECT_EQ(LayoutRowsShown() + NodeRowsShown() + Text(form.LNLayout), "0");
  EXPECT_FALSE(form.ButtonCopyT->isEnabled());
}

}  // namespace
