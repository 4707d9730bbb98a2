#include "editor/editor_start.h"

#include "app/qt_prompter.h"
#include "app/show_message.h"
#include "editor/style_images.h"

std::unique_ptr<FormPri> StartEditor(World& world, QtPrompter& prompter,
                                     const std::string& argument) {
  PreloadStyleImages();
  auto form = std::make_unique<FormPri>(world, prompter);
  prompter.SetParent(form.get());
  if (auto fault = form->Load(argument)) {
    prompter.SetParent(nullptr);  // the window is never shown
    form.reset();
    ShowMessage(prompter, *fault);
    return nullptr;
  }
  return form;
}
