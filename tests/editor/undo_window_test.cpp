// Undo, redo and the clipboard driven through the real window.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <ostream>

#include "editor/group_history.h"
#include "layouts/group_file.h"
#include "parabolic/form_parab_cable.h"
#include "section_view/picture_box_ui.h"
#include "tests/editor/editor_window.h"

namespace {

using UndoWindow = EditorWindow;

struct Shown {
  std::string group;
  std::string layoutRows;
  std::string nodeRows;
  // Active layout and point, and the rows whose options show them checked.
  std::array<int, 4> active;
  friend bool operator==(const Shown&, const Shown&) = default;
  friend void PrintTo(const Shown& shown, std::ostream* out) {
    *out << "layouts " << shown.layoutRows << ", nodes " << shown.nodeRows << ", active "
         << shown.active[0] << "/" << shown.active[1] << " in rows " << shown.active[2] << "/"
         << shown.active[3] << ", group of " << shown.group.size() << " bytes";
  }
};

// For each kind of change made through the controls: Ctrl+Z on the focused
// widget gives back the whole group (the file it would save, which holds
// every entry in use), the rows shown and the active layout and point;
// Ctrl+Y gives the change again.
TEST_F(UndoWindow, EveryKindOfStepUndoesAndRedoes) {
  FillGroup(2, 9);
  form.RecordGroupChange();
  const auto shown = [this] {
    QApplication::processEvents();
    return Shown{LayoutGroupFileBytes(Group()),
                 LayoutRowsShown(),
                 NodeRowsShown(),
                 {Group().ActiveLayout, Group().ActiveNode, CheckedRow(form.LayoAct),
                  CheckedRow(form.NodeAct)}};
  };
  const std::function<void()> changes[] = {
      [this] { Click(form.ButtonNewT); },
      [this] { Click(form.ButtonCopyT); },
      [this] { Click(form.ButtonNewN); },
      [this] { Click(form.Labelnn[3]); },
      [this] {
        Type(form.TCoordY[2], "12.345");
        PressKey(form.TCoordY[2], Qt::Key_Return);
      },
      [this] {
        Type(form.LayoName[1], "77");
        Focus(form.ButtonNewN);
      },
      [this] {
        Type(form.Description, "Trave");
        Focus(form.ButtonNewN);
      },
      [this] {
        Type(form.NCnd, "3");
        Focus(form.ButtonNewN);
      },
      [this] {
        Type(form.NodeName[2], "13");
        Focus(form.ButtonNewN);
      },
      [this] {
        Type(form.TCoordZ[3], "-4.5");
        PressKey(form.TCoordZ[3], Qt::Key_Return);
      },
      [this] {
        Type(form.TAngDisto[1], "0.25");
        Focus(form.ButtonNewN);
      },
      [this] {
        Focus(form.CableName[1]);
        PressKey(form.CableName[1], Qt::Key_End);
      },
      [this] { Click(form.Command1); },
      [this] { Click(form.Command2); },
      [this] {  // a pick in the view stores the point under the pointer
        QTest::mouseClick(form.Picture1, Qt::LeftButton, Qt::NoModifier,
                          QPoint(form.Picture1->width() / 2 + 10, form.Picture1->height() / 2 - 7));
      },
      [this] {  // "Crea parabolico", the dialog driven while open
        QTimer::singleShot(0, form.ParabDialog, [this] {
          FormParabCable& d = *form.ParabDialog;
          for (int k = 0; k < 3; ++k) d.NodeName[k]->setText(QString::number(11 + k));
          d.TCoordZ[0]->setText("0");
          for (int k = 0; k < 3; ++k) d.TCoordY[k]->setText(k == 1 ? "-5" : "0");
          d.CreaButt->click();
        });
        QTimer::singleShot(10000, form.ParabDialog, [this] { form.ParabDialog->reject(); });
        Click(form.TracParab);
      },
      [this] { Click(form.ButtonCopyN); },
      [this] {
        Click(form.LayoAct[1]);
        QTest::keyClick(form.LayoAct[1], Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(form.LayoAct[1], Qt::Key_V, Qt::ControlModifier);
      },
      [this] {
        prompter.ExpectMessage("Rimuovere tutti i tracciati ?", "ATTENZIONE", 52, kAnswerYes);
        Click(form.ButtonRemove);
      },
  };
  for (std::size_t i = 0; i < std::size(changes); ++i) {
    // The node grid up at its start: a refresh shows it from its end.
    for (int up = 0; up < 5; ++up) PressKey(form.NodeName[1], Qt::Key_Up);
    Click(form.NodeAct[2]);
    const Shown before = shown();
    changes[i]();
    const Shown after = shown();
    ASSERT_NE(after.group, before.group) << "change " << i;
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown(), before) << "undo of change " << i;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(shown(), after) << "redo of change " << i;
  }
}

// Copy the active layout's points from the point grid, paste them into
// another layout: the points arrive equal, as one step. A spreadsheet's text
// (decimal comma, CR LF, trailing empty line) pastes; a bad one is refused
// with its message and changes nothing.
TEST_F(UndoWindow, PointsCopyAndPasteBetweenLayouts) {
  FillGroup(2, 3);
  form.RecordGroupChange();
  Click(form.NodeAct[1]);
  QTest::keyClick(form.NodeAct[1], Qt::Key_C, Qt::ControlModifier);
  Click(form.LayoAct[1]);
  Click(form.NodeAct[3]);
  QTest::keyClick(form.NodeAct[3], Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(Group().Layouts[1].NodeCount, 6);
  for (int p = 1; p <= 3; ++p) {
    EXPECT_EQ(NodeAt(Group().Layouts[1], p + 3), NodeAt(Group().Layouts[2], p));
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(Group().Layouts[1].NodeCount, 3);

  const std::string node = Text(form.NodeName[1]);
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(node + "\t\t0\t1,5\t-2,25\t0\r\n\r\n"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(ActiveLayout().NodeCount, 4);
  EXPECT_EQ(NodeAt(ActiveLayout(), Group().ActiveNode).Z, -2.25);

  const std::string before = LayoutGroupFileBytes(Group());
  prompter.ExpectMessage("Nodo non esistente (riga 2 del testo incollato)", "PROBLEMA", 48);
  QGuiApplication::clipboard()->setText(QString::fromStdString(node + "\r\n9999\r\n"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(LayoutGroupFileBytes(Group()), before);
}

}  // namespace
