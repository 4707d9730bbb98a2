// The example suite as tools/prepare-example-suite.sh makes it, under a
// folder whose name has an accent: tracciati-batch checks it, and the real
// window loads it, shows it and closes itself on a timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/world.h"
#include "editor/form_pri.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"

namespace {

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
  // Closing the last window ends the event loop, as it ends the program.
  QTimer::singleShot(300, &form, &QWidget::close);
  QTimer::singleShot(10000, qApp, [] { QApplication::exit(1); });  // never hang
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
