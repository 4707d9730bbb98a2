#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "platform/key_sequence.h"

class QLocalServer;
class QLocalSocket;

// The viewer's end of the portable task layer: listens on the local socket
// named after this process, so that the editor that started it can bring
// its window to the front and send it keys (platform/task_control.h). On
// Windows the editor uses the system's own windows and keys instead, and
// nothing listens.
class TaskListener : public QObject {
  Q_OBJECT

 public:
  // activate raises the window; keys acts on keystrokes; status describes
  // what is shown, for the "STATUS" request (a diagnostic: "OK" followed by
  // that text).
  TaskListener(std::function<void()> activate,
               std::function<void(const std::vector<KeyAction>&)> keys,
               std::function<QString()> status, QObject* parent = nullptr);
  ~TaskListener() override;

  // Starts listening; false (with the reason in error()) when it cannot.
  bool Listen();
  const QString& error() const { return error_; }

 private:
  void Accept();
  void Serve(QLocalSocket* socket);

  std::function<void()> activate_;
  std::function<void(const std::vector<KeyAction>&)> keys_;
  std::function<QString()> status_;
  QLocalServer* server_ = nullptr;
  QString error_;
};
