// "Apri" and "Salva" from the window: the dialogs answered by the script,
// the group files written by the layouts library.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "layouts/group_file.h"
#include "platform/suite_path.h"
#include "tests/editor/editor_window.h"

namespace fs = std::filesystem;

namespace {

class GroupButtons : public EditorWindow {
 protected:
  // The path as the file dialog answers it.
  std::string Chosen(const std::string& name) const {
    return SuitePathFromHost((job.JobFolder() / name).string());
  }

  // A group of `layouts` layouts of 2 points, saved as `name` in the job.
  void WriteGroupFile(const std::string& name, int layouts, int16_t positionOfSecondPoint = 2) {
    auto group = std::make_unique<LayoutGroup>();
    group->GroupDescription = "Campata di riva, cavi alti";
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
  }
};

TEST_F(GroupButtons, OpeningMakesTheLastLayoutActiveAndNamesTheGroup) {
  WriteGroupFile("Memb003Gr_002.cap", 9);
  prompter.ExpectOpenFile(Chosen("Memb003Gr_002.cap"));
  Click(form.ButtonOpen);

  EXPECT_EQ(Group().LayoutCount, 9);
  EXPECT_EQ(Group().ActiveLayout, 9);
  EXPECT_EQ(LayoutRowsShown(), "3 4 5 6 7 8 9");
  EXPECT_EQ(CheckedRow(form.LayoAct), 7);
  EXPECT_EQ(Text(form.LayoName[7]), "90");
  EXPECT_EQ(NodeRowsShown(), "1 2");
  EXPECT_EQ(Text(form.TCoordZ[2]), "9");
  EXPECT_EQ(Text(form.NCnd), "4");
  // The file's whole description is kept; only the box cuts what is typed.
  EXPECT_EQ(Text(form.Description), "Campata di riva, cavi alti");
  EXPECT_EQ(form.windowTitle().toStdString(),
            "DEFINIZIONE del TRACCIATO dei CAVI - lavoro: ab12cd - Gruppo tracciati: "
            "Memb003Gr_002.cap");
}

// Cancelling "Apri" forgets the open file: "Salva" then proposes the
// member's pattern instead of overwriting it unasked.
TEST_F(GroupButtons, CancelledOpenForgetsTheGroupFile) {
  WriteGroupFile("Memb003Gr_001.cap", 1);
  prompter.ExpectOpenFile(Chosen("Memb003Gr_001.cap"));
  Click(form.ButtonOpen);
  ASSERT_EQ(world->GroupFileName, "\\Memb003Gr_001.cap");
  const QString caption = form.windowTitle();

  prompter.ExpectOpenFile(std::nullopt);
  Click(form.ButtonOpen);
  EXPECT_EQ(world->GroupFileName, "");
  EXPECT_EQ(Group().LayoutCount, 1);
  EXPECT_EQ(form.windowTitle(), caption);

  prompter.ExpectSaveFile(Chosen("Memb003Gr_003.cap"));
  Click(form.ButtonSave);
  ASSERT_EQ(prompter.saveRequests().size(), 1u);
  EXPECT_EQ(prompter.saveRequests()[0].fileName, "Memb003Gr_???.cap");
  EXPECT_TRUE(fs::exists(job.JobFolder() / "Memb003Gr_003.cap"));
}

TEST_F(GroupButtons, SavingAnEmptyGroupAsksNothing) {
  prompter.ExpectMessage("Nessun tracciato definito ", "INFORMAZIONE", 64);
  Click(form.ButtonSave);
  EXPECT_TRUE(prompter.saveRequests().empty());
}

// A group refused by the check is emptied: the rows of the group shown
// before must go with it.
TEST_F(GroupButtons, ARefusedFileEmptiesTheGrids) {
  FillGroup(3, 2);
  WriteGroupFile("Memb003Gr_004.cap", 2, 5);  // position 5, node 15, has no section
  prompter.ExpectOpenFile(Chosen("Memb003Gr_004.cap"));
  prompter.ExpectMessage(
      "Alcuni nodi presenti in uno o più tracciati non fanno riferimento ad alcuna sezione. Il "
      "gruppo di tracciati non è valido",
      "PROBLEMA", 48);
  Click(form.ButtonOpen);
  EXPECT_EQ(Group().LayoutCount, 0);
  EXPECT_EQ(LayoutRowsShown(), "");
  EXPECT_EQ(NodeRowsShown(), "");
  EXPECT_FALSE(form.ButtonCopyT->isEnabled());
}

// Undoing "Apri" puts back the group it replaced, the group file name and
// the caption; redoing it brings the opened group back.
TEST_F(GroupButtons, UndoingOpenPutsBackTheGroupNameAndCaption) {
  FillGroup(2, 3);
  form.RecordGroupChange();
  const std::string group = LayoutGroupFileBytes(Group());
  const QString caption = form.windowTitle();
  WriteGroupFile("Memb003Gr_002.cap", 9);
  prompter.ExpectOpenFile(Chosen("Memb003Gr_002.cap"));
  Click(form.ButtonOpen);
  QApplication::processEvents();
  const std::string opened = LayoutGroupFileBytes(Group());
  const QString openedCaption = form.windowTitle();
  ASSERT_NE(opened, group);

  QTest::keyClick(form.ButtonOpen, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(LayoutGroupFileBytes(Group()), group);
  EXPECT_EQ(world->GroupFileName, "");
  EXPECT_EQ(form.windowTitle(), caption);
  EXPECT_EQ(LayoutRowsShown(), "1 2");
  QTest::keyClick(form.ButtonOpen, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(LayoutGroupFileBytes(Group()), opened);
  EXPECT_EQ(form.windowTitle(), openedCaption);
}

}  // namespace
