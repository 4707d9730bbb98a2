#include "batch/stream_prompter.h"

#include "common/message.h"

int16_t StreamPrompter::ShowMessageBox(const std::string& prompt, int16_t style,
                                       const std::string& caption) {
  out_ << caption << ": " << prompt << '\n';
  out_.flush();
  ++shown_;
  // Nobody can retry what failed: Retry/Cancel is cancelled.
  if ((style & 0x0F) == 5) return kAnswerCancel;
  return (style & 0x0F) == 4 ? kAnswerYes : kAnswerOk;
}

std::optional<std::string> StreamPrompter::AskOpenFileName(const FileDialogRequest&) {
  return std::nullopt;
}

std::optional<std::string> StreamPrompter::AskSaveFileName(const FileDialogRequest&) {
  return std::nullopt;
}
