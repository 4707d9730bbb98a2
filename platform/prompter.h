#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the open and save dialogs are prepared with. Paths are suite paths.
struct FileDialogRequest {
  std::string initialDir;
  std::string fileName;
  // Pairs of description and pattern separated by "|":
  // "File Tracciati |Memb???Gr_???.cap|Tutti i file |*.*".
  std::string filter;
  std::string title;
};

// Every message box and file dialog of the editor goes through this, so that
// plain code can ask the user without knowing the toolkit, and tests can
// answer in its place.
class Prompter {
 public:
  virtual ~Prompter() = default;

  // Shows a modal message box with one of the styles of common/message.h and
  // returns the code of the button pressed (1 OK, 2 Cancel, 4 Retry, 6 Yes,
  // 7 No).
  virtual int16_t ShowMessageBox(const std::string& prompt, int16_t style,
                                 const std::string& caption) = 0;

  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) = 0;
};
