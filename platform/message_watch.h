#pragma once

#include <string>

#include "platform/prompter.h"

// Passes everything on to the prompter it wraps, counting the message boxes
// shown, so that a caller can tell whether a step it ran showed one.
class MessageWatch : public Prompter {
 public:
  explicit MessageWatch(Prompter& inner) : inner_(inner) {}
  int count() const { return count_; }

  int16_t ShowMessageBox(const std::string& prompt, int16_t style,
                         const std::string& caption) override {
    ++count_;
    return inner_.ShowMessageBox(prompt, style, caption);
  }
  std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override {
    return inner_.AskOpenFileName(request);
  }
  std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override {
    return inner_.AskSaveFileName(request);
  }

 private:
  Prompter& inner_;
  int count_ = 0;
};
