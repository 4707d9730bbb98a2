#include "app/show_message.h"

int16_t ShowMessage(Prompter& prompter, const std::string& prompt, int16_t style,
                    const std::string& caption) {
  return prompter.ShowMessageBox(prompt, style, caption);
}

int16_t ShowMessage(Prompter& prompter, const Message& message) {
  return ShowMessage(prompter, message.text, message.style, message.caption);
}
