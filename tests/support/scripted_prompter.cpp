#include "tests/support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

std::string Describe(const Message& m) {
  return m.caption + ": " + m.text + " (style " + std::to_string(m.style) + ")";
}

std::optional<std::string> NextAnswer(std::deque<std::optional<std::string>>& answers,
                                      const FileDialogRequest& request) {
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << request.title;
    return std::nullopt;
  }
  std::optional<std::string> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

ScriptedPrompter::~ScriptedPrompter() {
  for (const auto& expected : expectedMessages_) {
    ADD_FAILURE() << "expected message never shown: " << Describe(expected.first);
  }
  EXPECT_TRUE(openAnswers_.empty() && saveAnswers_.empty()) << "file dialog(s) never asked";
}

void ScriptedPrompter::ExpectMessage(const std::string& text, const std::string& caption,
                                     int16_t style, int16_t answer) {
  expectedMessages_.emplace_back(Message{text, caption, style}, answer);
}

int16_t ScriptedPrompter::ShowMessageBox(const std::string& prompt, int16_t style,
                                         const std::string& caption) {
  messages_.push_back(Message{prompt, caption, style});
  const std::string shown = Describe(messages_.back());
  if (!expectedMessages_.empty()) {
    const auto [expected, answer] = expectedMessages_.front();
    expectedMessages_.pop_front();
    if (Describe(expected) == shown) return answer;
    ADD_FAILURE() << "message differs from the script\n  shown:    " << shown
                  << "\n  expected: " << Describe(expected);
  } else {
    ADD_FAILURE() << "unexpected message: " << shown;
  }
  // The button that leaves everything as it was.
  if ((style & 0x0F) == 5) return kAnswerCancel;
  return style == kStyleYesNo ? kAnswerNo : kAnswerOk;
}

std::optional<std::string> ScriptedPrompter::AskOpenFileName(const FileDialogRequest& request) {
  openRequests_.push_back(request);
  return NextAnswer(openAnswers_, request);
}

std::optional<std::string> ScriptedPrompter::AskSaveFileName(const FileDialogRequest& request) {
  saveRequests_.push_back(request);
  return NextAnswer(saveAnswers_, request);
}
