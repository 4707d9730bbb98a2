#include "tests/editor/editor_window.h"

namespace {

std::string RowsShown(const RowArray<QLabel>& ordinals) {
  std::string shown;
  for (int row = 1; row <= kGridRows; ++row) {
    if (ordinals[row]->isHidden()) continue;
    shown += (shown.empty() ? "" : " ") + ordinals[row]->text().toStdString();
  }
  return shown;
}

}  // namespace

std::string Text(const QLabel* label) { return label->text().toStdString(); }
std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
std::string Text(const QAbstractButton* button) { return button->text().toStdString(); }

void EditorWindow::LoadAndShow() {
  const auto fault = form.Load(job.Argument());
  ASSERT_FALSE(fault.has_value()) << fault->caption << ": " << fault->text;
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

void EditorWindow::FillGroup(int layouts, int points) {
  LayoutGroup& group = Group();
  for (int l = 1; l <= layouts; ++l) {
    Layout& layout = group.Layouts[l];
    layout.Name = static_cast<int16_t>(l);
    layout.CableType = 1;
    layout.NodeCount = static_cast<int16_t>(points);
    for (int j = 1; j <= points; ++j) {
      SetNodeAt(layout, j, {static_cast<int16_t>(1 + (j - 1) % 4), 0, j * 1.0, -j * 1.0, 0.0});
    }
  }
  group.LayoutCount = static_cast<int16_t>(layouts);
  group.ActiveLayout = group.LayoutCount;
  form.RefreshLayoutPanels();
}

std::string EditorWindow::LayoutRowsShown() const { return RowsShown(form.LabelN); }
std::string EditorWindow::NodeRowsShown() const { return RowsShown(form.Labelnn); }

std::string EditorWindow::LayoutGridShown() {
  return LayoutRowsShown() + " (" + std::to_string(Group().ActiveLayout) + " @" +
         std::to_string(CheckedRow(form.LayoAct)) + ")";
}

std::string EditorWindow::NodeGridShown() {
  return NodeRowsShown() + " (" + std::to_string(Group().ActiveNode) + " @" +
         std::to_string(CheckedRow(form.NodeAct)) + ")";
}

void EditorWindow::Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

void EditorWindow::DoubleClick(QWidget* control, QPoint at) {
  QTest::mouseClick(control, Qt::LeftButton, {}, at);
  QTest::mouseDClick(control, Qt::LeftButton, {}, at);
  QTest::mouseRelease(control, Qt::LeftButton, {}, at);
}

void EditorWindow::Focus(QWidget* control) {
  control->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(control->hasFocus()) << control->metaObject()->className();
}

void EditorWindow::Type(QLineEdit* field, const QString& text) {
  Focus(field);
  field->selectAll();
  QTest::keyClicks(field, text);
}

void EditorWindow::PressKey(QWidget* control, int key) {
  QTest::keyClick(control, static_cast<Qt::Key>(key));
}

void EditorWindow::CtrlKey(int key, QWidget* to, Qt::KeyboardModifiers more) {
  if (to == nullptr) to = QApplication::focusWidget();
  ASSERT_NE(to, nullptr);
  QTest::keyClick(to, static_cast<Qt::Key>(key), Qt::ControlModifier | more);
}

int EditorWindow::CheckedRow(const RowArray<QRadioButton>& column) {
  for (int row = 1; row <= kGridRows; ++row) {
    if (column[row]->isChecked()) return row;
  }
  return 0;
}
