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

std::string EditorWindow::GridShown(const std::string& rows, int node,
                                    const RowArray<QRadioButton>& column) {
  const int active = node != 0 ? Group().ActiveNode : Group().ActiveLayout;
  return rows + " (" + std::to_string(active) + " @" + std::to_string(CheckedRow(column)) + ")";
}

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
  QTest::mouseClick(field, Qt::LeftButton);
  ASSERT_TRUE(field->hasFocus()) << field->objectName().toStdString();
  field->selectAll();
  QTest::keyClicks(field, text);
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
