#pragma once

#include "platform/prompter.h"

class QWidget;

// Message boxes and file dialogs of the editor, shown with Qt.
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  int16_t ShowMessageBox(const std::string& prompt, int16_t style,
                         const std::string& caption) override;
  std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

// "File Tracciati |Memb???Gr_???.cap|Tutti i file |*.*" in Qt's form:
// "File Tracciati (Memb???Gr_???.cap);;Tutti i file (*)".
std::string QtFilterText(const std::string& filter);
