#include "tests/support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

// The button that leaves everything as it was.
int16_t SafeAnswer(int16_t style) {
  if ((style & 0x0F) == 5) return kAnswerCancel;
  return style == kStyleYesNo ? kAnswerNo : kAnswerOk;
}

std::string Describe(const std::string& caption, const std::string& text, int16_t style) {
  return caption + ": " + text + " (style " + std::to_string(style) + ")";
}

std::optional<std::string> NextAnswer(std::deque<std::optional<std::string>>& answers,
                                      const FileDialogRequest& request, const char* kind) {
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected " << kind << " dialog: " << request.title;
    return std::nullopt;
  }
  std::optional<std::string> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

ScriptedPrompter::~ScriptedPrompter() {
  for (const ExpectedMessage& expected : expectedMessages_) {
    ADD_FAILURE() << "expected message never shown: "
                  << Describe(expected.message.caption, expected.message.text,
                              expected.message.style);
  }
  if (!openAnswers_.empty()) ADD_FAILURE() << openAnswers_.size() << " open dialog(s) never asked";
  if (!saveAnswers_.empty()) ADD_FAILURE() << saveAnswers_.size() << " save dialog(s) never asked";
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
  if (expectedMessages_.empty()) {
    ADD_FAILURE() << "unexpected message: " << Describe(caption, prompt, style);
    return SafeAnswer(style);
  }
  const ExpectedMessage expected = expectedMessages_.front();
  expectedMessages_.pop_front();
  const Message& want = expected.message;
  if (want.text != prompt || want.caption != caption || want.style != style) {
    ADD_FAILURE() << "message differs from the script\n  shown:    "
                  << Describe(caption, prompt, style)
                  << "\n  expected: " << Describe(want.caption, want.text, want.style);
    return SafeAnswer(style);
  }
  return expected.answer;
}

std::optional<std::string> ScriptedPrompter::AskOpenFileName(const FileDialogRequest& request) {
  openRequests_.push_back(request);
  return NextAnswer(openAnswers_, request, "open");
}

std::optional<std::string> ScriptedPrompter::AskSaveFileName(const FileDialogRequest& request) {
  saveRequests_.push_back(request);
  return NextAnswer(saveAnswers_, request, "save");
}
