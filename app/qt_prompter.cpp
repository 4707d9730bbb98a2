#include "app/qt_prompter.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include "common/message.h"
#include "common/text.h"
#include "common/text_file.h"
#include "platform/suite_path.h"

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

QMessageBox::Icon IconOf(int16_t style) {
  switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The folder proposed by a dialog, as a path of this host.
QString StartPath(const FileDialogRequest& request) {
  const std::string dir = Utf8FromPath(HostPath(request.initialDir));
  return Q(dir + "/" + request.fileName);
}

}  // namespace

std::string QtFilterText(const std::string& filter) {
  std::string out;
  std::size_t pos = 0;
  while (pos < filter.size()) {
    const std::size_t bar = filter.find('|', pos);
    if (bar == std::string::npos) break;
    std::size_t end = filter.find('|', bar + 1);
    if (end == std::string::npos) end = filter.size();
    std::string pattern = filter.substr(bar + 1, end - bar - 1);
    if (pattern == "*.*") pattern = "*";
    if (!out.empty()) out += ";;";
    out += Trim(filter.substr(pos, bar - pos)) + " (" + pattern + ")";
    pos = end + 1;
  }
  return out;
}

int16_t QtPrompter::ShowMessageBox(const std::string& prompt, int16_t style,
                                   const std::string& caption) {
  QMessageBox box(IconOf(style), Q(caption), Q(prompt), QMessageBox::NoButton, parent_);
  if ((style & 0x0F) == 4) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
  }
  if ((style & 0x0F) == 5) {
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.button(QMessageBox::Retry)->setText(QStringLiteral("Riprova"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    box.setDefaultButton(QMessageBox::Retry);
    return box.exec() == QMessageBox::Retry ? kAnswerRetry : kAnswerCancel;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return kAnswerOk;
}

std::optional<std::string> QtPrompter::AskOpenFileName(const FileDialogRequest& request) {
  const QString path = QFileDialog::getOpenFileName(parent_, Q(request.title), StartPath(request),
                                                    Q(QtFilterText(request.filter)));
  if (path.isEmpty()) return std::nullopt;
  return S(path);
}

std::optional<std::string> QtPrompter::AskSaveFileName(const FileDialogRequest& request) {
  // Qt's save dialog asks before replacing an existing file.
  const QString path = QFileDialog::getSaveFileName(parent_, Q(request.title), StartPath(request),
                                                    Q(QtFilterText(request.filter)));
  if (path.isEmpty()) return std::nullopt;
  return S(path);
}
