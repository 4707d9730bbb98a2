#pragma once

#include <ostream>

#include "platform/prompter.h"

// Prints every message box as "CAPTION: text" on a stream (standard error
// in tracciati-batch) and answers Yes to every question and Cancel to a
// Retry/Cancel one (a retry would only fail again). There is nobody to
// choose a file, so every file dialog is cancelled.
class StreamPrompter : public Prompter {
 public:
  explicit StreamPrompter(std::ostream& out) : out_(out) {}

  int16_t ShowMessageBox(const std::string& prompt, int16_t style,
                         const std::string& caption) override;
  std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;

  int messagesShown() const { return shown_; }

 private:
  std::ostream& out_;
  int shown_ = 0;
};
