#include "viewer/task_listener.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include "platform/task_control.h"

namespace {

// A request line longer than this is not one of ours.
constexpr qsizetype kMaxRequest = 4096;

}  // namespace

TaskListener::TaskListener(std::function<void()> activate,
                           std::function<void(const std::vector<KeyAction>&)> keys,
                           std::function<QString()> status, QObject* parent)
    : QObject(parent),
      activate_(std::move(activate)),
      keys_(std::move(keys)),
      status_(std::move(status)) {}

TaskListener::~TaskListener() {
  if (server_) server_->close();  // removes the socket file
}

bool TaskListener::Listen() {
#ifdef Q_OS_WIN
  return true;
#else
  const QString name = QString::fromStdString(TaskSocketPath(QCoreApplication::applicationPid()));
  // A socket left by an earlier process with this identifier that ended
  // without removing it.
  QLocalServer::removeServer(name);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    error_ = server_->errorString();
    return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &TaskListener::Accept);
  return true;
#endif
}

void TaskListener::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Serve(socket); });
    Serve(socket);
  }
}

void TaskListener::Serve(QLocalSocket* socket) {
  while (socket->canReadLine()) {
    QString line = QString::fromUtf8(socket->readLine());
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (line == QLatin1String(kTaskRequestActivate)) {
      activate_();
      socket->write(QByteArray(kTaskAnswerOk) + '\n');
      socket->flush();
    } else if (line.startsWith(QLatin1String(kTaskRequestKeysPrefix))) {
      const std::string keys = line.mid(qsizetype(qstrlen(kTaskRequestKeysPrefix))).toStdString();
      if (const auto actions = ParseKeySequence(keys)) keys_(*actions);
      socket->write(QByteArray(kTaskAnswerOk) + '\n');
      socket->flush();
    } else if (line == QLatin1String(kTaskRequestStatus)) {
      socket->write(QByteArray(kTaskAnswerOk) + ' ' + status_().toUtf8() + '\n');
      socket->flush();
    }
  }
  if (socket->bytesAvailable() > kMaxRequest) socket->abort();
}
