// The main window's section view, drawing buttons and help line, and the
// verify window, as the user reaches them.

#include <QTableWidget>
#include <filesystem>
#include <vector>

#include "editor/help_line_watcher.h"
#include "editor/verify_window.h"
#include "tests/editor/editor_window.h"

namespace {

using ViewButtons = EditorWindow;

// The pointer moved by the platform (the offscreen one moves it as a display
// would, with Enter and Leave to the widgets it crosses).
void MoveOnto(QWidget* widget, QPoint at = QPoint()) { QTest::mouseMove(widget, at); }

// The help text follows the mouse on the timer's tick; a hide request acts at
// once. A test with the real timer guards against the tick never being
// connected, which a direct call would not show. Leaving a control for its own
// frame or the window sends the parent no Enter, so these moves catch a line
// left shown there; the window itself is the frames' parent.
TEST_F(ViewButtons, HelpLineFollowsThePointerAndHidesOnTheBareWindowOrFrame) {
  const std::tuple<QPushButton*, QWidget*, const char*> cases[] = {
      {form.ButtonClose, form.ButtonClose->parentWidget(), " Esce dal programma "},
      {form.ButtonNewT, form.ButtonNewT->parentWidget(), " Crea un nuovo tracciato "},
      {form.ButtonOpen, &form, " Apre un gruppo di tracciati già creato "},
  };
  // The cursor labels' texts go by their index; a cable box's on focus.
  MoveOnto(form.LabelCoord[2]);
  EXPECT_EQ(form.HelpLine->State().text, 28);
  FillGroup(1, 1);
  Focus(form.CableName[1]);
  EXPECT_EQ(form.HelpLine->State().text, 8);
  for (const auto& [control, bare, text] : cases) {
    MoveOnto(control);
    QTRY_VERIFY_WITH_TIMEOUT(form.LabMsg->isVisible(), 2000);
    EXPECT_EQ(Text(form.LabMsg), text);
    ASSERT_EQ(bare->childAt(2, 2), nullptr) << text;  // a bare corner
    MoveOnto(bare, QPoint(2, 2));
    EXPECT_FALSE(form.LabMsg->isVisible() || form.Timer1->isActive());
  }

  // Straight from one control onto another the text changes and the line
  // stays; a move over a field does not count as its frame's.
  MoveOnto(form.ButtonClose);
  QTRY_VERIFY_WITH_TIMEOUT(form.LabMsg->isVisible(), 2000);
  MoveOnto(form.TCoordY[1]);
  QTRY_COMPARE_WITH_TIMEOUT(form.LabMsg->text(), QString::fromStdString(ToolTipTexts()[kTipCoordY]),
                            2000);
}

TEST_F(ViewButtons, ModeButtonAndSymmetryAct) {
  FillGroup(1, 3);
  Click(form.ButtonAction);
  EXPECT_EQ(Text(form.ButtonAction) + std::to_string(world->ViewMode), "SIST. RIFER.2");

  Click(form.Command1);  // "Simmetria Z": Y changes sign
  Click(form.Command2);  // "Simmetria Y": Z changes sign
  EXPECT_EQ(Text(form.TCoordY[2]) + " " + Text(form.TCoordZ[2]), "-2 2");
}

// Records each change of the window's pointer with the number of messages
// shown before it, so that the order of hourglass and message boxes shows.
struct PointerTrace : QObject {
  PointerTrace(QWidget& shown, const ScriptedPrompter& asked) : window(shown), prompter(asked) {
    window.installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &window || event->type() != QEvent::CursorChange) return false;
    const auto change = std::make_pair(window.cursor().shape(), prompter.messages().size());
    if (changes.empty() || changes.back() != change) changes.push_back(change);  // sent twice
    return false;
  }
  QWidget& window;
  const ScriptedPrompter& prompter;
  std::vector<std::pair<Qt::CursorShape, std::size_t>> changes;
};

// "Disegna tracciati" writes one file per layout and lists them; the
// window's hourglass is gone before the summary. A drawing that cannot be
// written (here a folder stands where it should go, which stops root as
// well) is reported after the summary; an unwritten preview is reported and
// the viewer is left alone. With no layout there is only a message, before
// any hourglass; the hourglass is the window's (the application's would
// cover the message boxes).
TEST_F(ViewButtons, DrawingsThatCannotBeWrittenAreReported) {
  prompter.ExpectMessage("Nessun tracciato definito ", "INFORMAZIONE", 64);
  PointerTrace trace(form, prompter);
  Click(form.DrawAllLayo);
  EXPECT_TRUE(trace.changes.empty());
  FillGroup(2, 3);
  trace.changes.clear();
  std::filesystem::create_directory(job.JobFolder() / "MembTRAVE 1TmpTrac001.dis");
  std::filesystem::create_directory(job.JobFolder() / "MembTRAVE 1TmpTrac.dis");
  const std::string folder = job.JobSuitePath();
  prompter.ExpectMessage("Tracciati disegnati: (2)\n\r" + folder +
                             "\\MembTRAVE 1TmpTrac001.dis\n\r" + folder +
                             "\\MembTRAVE 1TmpTrac002.dis",
                         "INFORMAZIONE", 64);
  prompter.ExpectMessage(
      "Problemi con la scrittura del file " + folder + "\\MembTRAVE 1TmpTrac001.dis", "ERRORE", 16);
  Click(form.DrawAllLayo);
  EXPECT_TRUE(std::filesystem::exists(job.JobFolder() / "MembTRAVE 1TmpTrac002.dis"));
  using Change = std::pair<Qt::CursorShape, std::size_t>;
  EXPECT_EQ(trace.changes, (std::vector<Change>{{Qt::WaitCursor, 1}, {Qt::ArrowCursor, 1}}));
  prompter.ExpectMessage(
      "Problemi con la scrittura del file " + folder + "\\MembTRAVE 1TmpTrac.dis", "ERRORE", 16);
  Click(form.DrawLayo);
  EXPECT_FALSE(std::filesystem::exists(job.Root() / "progra" / "Ostrel.inp"));
}

// A description that no Windows file name could hold is mended in the file
// names only (a "/" would otherwise point into a folder that is not there).
// The fixture suite has no viewer program: the preview is written, the start
// fails and the user is asked to retry or give up.
TEST_F(ViewButtons, DrawingFileNamesMendTheDescription) {
  FillGroup(1, 3);
  world->Job.MemberDescription = "TR/AVE:1";
  const std::string folder = job.JobSuitePath();
  prompter.ExpectMessage("Tracciati disegnati: (1)\n\r" + folder + "\\MembTR_AVE_1TmpTrac001.dis",
                         "INFORMAZIONE", 64);
  Click(form.DrawAllLayo);
  EXPECT_TRUE(std::filesystem::exists(job.JobFolder() / "MembTR_AVE_1TmpTrac001.dis"));

  prompter.ExpectMessage(
      "Problemi con l'apertura dell'applicazione: " + world->Job.RootDir + "\\progra\\Ostrel.exe",
      "MESSAGGIO", kStyleRetryCancelCritical, kAnswerCancel);
  Click(form.DrawLayo);
  EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(std::filesystem::exists(job.JobFolder() / "MembTR_AVE_1TmpTrac.dis"));
  EXPECT_TRUE(std::filesystem::exists(job.Root() / "progra" / "Ostrel.inp"));
}

using VerifyWindowTest = EditorWindow;

// F7 opens the window; "Verifica" fills the table (point 21 of each layout
// leaves the 40 x 40 section) once its limits read; double-clicking a row
// makes its layout and point active through the grids; a change of the
// group empties the table.
TEST_F(VerifyWindowTest, RefusesABadLimitThenFillsAndActivates) {
  FillGroup(10, 21);
  form.RecordGroupChange();
  QTest::keyClick(&form, Qt::Key_F7);
  ASSERT_NE(form.Verify, nullptr);
  form.Verify->resize(700, 900);  // every row in sight
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Verify));
  QTableWidget& table = *form.Verify->Table;
  // A limit that does not read, or is negative, is said and nothing is
  // checked: the table stays empty.
  const QString radius = form.Verify->RadiusBox->text();
  for (const char* text : {"due", "-1"}) {
    form.Verify->RadiusBox->setText(text);
    ExpectProblem(std::string("Valore non valido ") + text);
    Click(form.Verify->VerifyButton);
    EXPECT_EQ(table.rowCount(), 0) << text;
  }
  form.Verify->RadiusBox->setText(radius);
  Click(form.Verify->VerifyButton);
  EXPECT_EQ(form.Verify->Summary->text(), "Problemi: 10");

  int row = -1;  // the row that names layout 3 and point 21
  for (const QTableWidgetItem* point : table.findItems("21", Qt::MatchExactly)) {
    if (point->column() == 1 && table.item(point->row(), 0)->text() == "3") row = point->row();
  }
  ASSERT_GE(row, 0);
  const auto at = [&] { return table.visualItemRect(table.item(row, 3)).center(); };
  ASSERT_TRUE(QTest::qWaitFor([&] { return table.viewport()->rect().contains(at()); }, 2000));
  DoubleClick(table.viewport(), at());

  // The grids move just enough to show them.
  EXPECT_EQ(LayoutGridShown(), "3 4 5 6 7 8 9 (3 @1)");
  EXPECT_EQ(NodeGridShown(), "15 16 17 18 19 20 21 (21 @7)");

  // A new layout changes the group.
  Click(form.ButtonNewT);
  EXPECT_TRUE(QTest::qWaitFor([&] { return table.rowCount() == 0; }, 2000));
}

}  // namespace
