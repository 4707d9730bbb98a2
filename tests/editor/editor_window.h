#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/world.h"
#include "editor/form_pri.h"
#include "tests/support/fixture_job.h"
#include "tests/support/scripted_prompter.h"

// The real main window on the fixture job, loaded, shown and active (focus
// events need an active window). The prompter fails the test on any message
// it was not told to expect.
class EditorWindow : public ::testing::Test {
 protected:
  void SetUp() override { LoadAndShow(); }
  void LoadAndShow();

  LayoutGroup& Group() { return world->Group; }
  Layout& ActiveLayout() { return world->Group.Layouts[world->Group.ActiveLayout]; }

  // Fills the group through the records, quicker than clicking: layouts
  // named after their place, each of `points` points at nodes 11 to 14 in
  // turn with Y = point and Z = -point; then makes the last layout active as
  // opening a file does.
  void FillGroup(int layouts, int points);

  // The items the visible rows of a grid show, e.g. "4 5 6 7 8 9 10".
  std::string LayoutRowsShown() const;
  std::string NodeRowsShown() const;
  // The same with the active item and the row whose option marks it
  // (0 for none), e.g. "4 5 6 7 8 9 10 (10 @7)".
  std::string LayoutGridShown() { return GridShown(LayoutRowsShown(), 0, form.LayoAct); }
  std::string NodeGridShown() { return GridShown(NodeRowsShown(), 1, form.NodeAct); }

  // A message box with the caption and style of a refused value.
  void ExpectProblem(const std::string& text) { prompter.ExpectMessage(text, "PROBLEMA", 48); }

  static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
  // What the window system sends for a double click: a click, then the
  // second press as a double click, then its release (QTest's own
  // mouseDClick sends only the middle one).
  static void DoubleClick(QWidget* control, QPoint at = QPoint());
  // Moves the focus from code, as leaving a field by the keyboard does.
  static void Focus(QWidget* control);
  // A click into the field, then the text typed over its whole text.
  static void Type(QLineEdit* field, const QString& text);
  static void PressKey(QWidget* to, int key) { QTest::keyClick(to, static_cast<Qt::Key>(key)); }
  // Ctrl with a key, sent to `to` or else to the widget that has the focus.
  static void CtrlKey(int key, QWidget* to = nullptr, Qt::KeyboardModifiers more = {});
  // The row whose option button is selected; 0 for none.
  static int CheckedRow(const RowArray<QRadioButton>& column);

  FixtureJob job;
  ScriptedPrompter prompter;
  std::unique_ptr<World> world = std::make_unique<World>();
  FormPri form{*world, prompter};

 private:
  std::string GridShown(const std::string& rows, int node, const RowArray<QRadioButton>& column);
};

template <typename Widget>
std::string Text(const Widget* widget) {
  return widget->text().toStdString();
}
