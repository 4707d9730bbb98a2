#pragma once

#include <cstdint>
#include <string>

// A message box as the user sees it: its text, caption and style. Plain code
// returns one of these (or shows it through the Prompter); it never ends the
// process itself.
struct Message {
  std::string text;
  std::string caption;
  int16_t style = 0;
};

// Message box styles: buttons plus icon.
constexpr int16_t kStyleCritical = 16;     // OK, critical-stop icon
constexpr int16_t kStyleExclamation = 48;  // OK, exclamation icon
constexpr int16_t kStyleInformation = 64;  // OK, information icon
constexpr int16_t kStyleYesNo = 52;        // Yes and No, exclamation icon
constexpr int16_t kStyleRetryCancelCritical = 21;  // Retry and Cancel, critical-stop icon

// Codes of the button pressed.
constexpr int16_t kAnswerOk = 1;
constexpr int16_t kAnswerCancel = 2;
constexpr int16_t kAnswerRetry = 4;
constexpr int16_t kAnswerYes = 6;
constexpr int16_t kAnswerNo = 7;

inline constexpr const char* kCaptionProblem = "PROBLEMA";
inline constexpr const char* kCaptionWarning = "ATTENZIONE";
inline constexpr const char* kCaptionInformation = "INFORMAZIONE";
inline constexpr const char* kCaptionError = "ERRORE";
inline constexpr const char* kCaptionMessage = "MESSAGGIO";
