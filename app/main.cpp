#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/argument.h"
#include "app/qt_prompter.h"
#include "app/world.h"
#include "editor/editor_start.h"
#include "platform/toolkit_translations.h"

namespace {

// Without any display the toolkit would abort with a long message; say in
// one line what is missing and how to run the editor anyway.
bool HasDisplay() {
#if defined(__linux__) || defined(__unix__)
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
         std::getenv("QT_QPA_PLATFORM");
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "tracciati: nessun display disponibile (DISPLAY non impostato); "
                 "avviare con: xvfb-run -a tracciati '|diroot=...|MEMBRA=n|'\n");
    return 1;
  }
  const std::string argument = JoinArguments(argc, argv);
  QApplication application(argc, argv);
  LoadToolkitTranslations(application);
  QtPrompter prompter;
  auto world = std::make_unique<World>();
  const auto form = StartEditor(*world, prompter, argument);
  if (!form) return 1;
  form->show();
  return QApplication::exec();
}
