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
  for (const ExpectedMessage& expected : expectedMessages_) {
    ADD_FAILURE() << "expected message never shown: " << Describe(expected.message);
  }
  EXPECT_TRUE(openAnswers_.empty() && saveAnswers_.empty()) << "file dialog(s) never asked";
}

void ScriptedPrompter::ExpectMessage(const std::string& text, const std::string& caption,
                                     int16_t style, int16_t answer) {
  expectedMessages_.push_back({Message{text, caption, style}, answer});
}

void ScriptedPrompter::ExpectOpenFile(std::optional<std::string> path) {
  openAnswers_.push_back(std::move(path));
}

void ScriptedPrompter::ExpectSaveFile(std::optional<std::string> path) {
  saveAnswers_.push_back(std::move(path));
}

int16_t ScriptedPrompter::ShowMessageBox(const std::string& prompt, int16_t style,
                                         const std::string& caption) {
  messages_.push_back(Message{prompt, caption, style});
  std::optional<ExpectedMessage> expected;
  if (!expectedMessages_.empty()) {
    expected = expectedMessages_.front();
    expectedMessages_.pop_front();
  }
  const std::string want = expected ? Describe(expected->message) : "none";
  if (want == Describe(messages_.back())) return expected->answer;
  ADD_FAILURE() << "message differs from the script\n  shown:    " << Describe(messages_.back())
                << "\n  expected: " << want;
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
