#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/message.h"
#include "platform/prompter.h"

// A Prompter that plays the user from a script. The test states, in order,
// every message box it expects (text, caption, style) with the button to
// press, and the answer of every file dialog. Anything else that is asked,
// or an expected message that differs, fails the test and gets the answer
// that changes nothing: OK, No, Cancel, or a cancelled dialog. Expectations left
// unused when the prompter is destroyed fail the test too.
class ScriptedPrompter : public Prompter {
 public:
  ScriptedPrompter() = default;
  ~ScriptedPrompter() override;
  ScriptedPrompter(const ScriptedPrompter&) = delete;
  ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

  void ExpectMessage(const std::string& text, const std::string& caption, int16_t style,
                     int16_t answer = kAnswerOk);
  void ExpectOpenFile(std::optional<std::string> path) { openAnswers_.push_back(std::move(path)); }
  void ExpectSaveFile(std::optional<std::string> path) { saveAnswers_.push_back(std::move(path)); }

  int16_t ShowMessageBox(const std::string& prompt, int16_t style,
                         const std::string& caption) override;
  std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;

  // Everything shown or asked, in order, expected or not.
  const std::vector<Message>& messages() const { return messages_; }
  const std::vector<FileDialogRequest>& openRequests() const { return openRequests_; }
  const std::vector<FileDialogRequest>& saveRequests() const { return saveRequests_; }

 private:
  std::deque<std::pair<Message, int16_t>> expectedMessages_;  // with the button to press
  std::deque<std::optional<std::string>> openAnswers_;
  std::deque<std::optional<std::string>> saveAnswers_;
  std::vector<Message> messages_;
  std::vector<FileDialogRequest> openRequests_;
  std::vector<FileDialogRequest> saveRequests_;
};
