// The toolkit's standard texts, as the user meets them in a text box's
// context menu and in the file dialog, read Italian once the translations
// are loaded. Without the translations package, or with a wrong file name,
// they stay English and this fails.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "platform/toolkit_translations.h"

namespace {

TEST(ToolkitTranslations, ContextMenuAndFileDialogReadItalian) {
  ASSERT_TRUE(LoadToolkitTranslations(*QApplication::instance()));

  QLineEdit box;
  const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
  QStringList entries;
  for (const QAction* action : menu->actions()) entries << action->text().section(u'\t', 0, 0);
  EXPECT_TRUE(entries.contains(QStringLiteral("&Incolla"))) << entries.join('|').toStdString();

  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains(QStringLiteral("Cerca in:"))) << labels.join('|').toStdString();
}

}  // namespace
