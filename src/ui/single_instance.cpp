#include "ui/single_instance.h"

#include <QApplication>
#include <QLocalSocket>
#include <QTimer>
#include <unistd.h>

#include "game/game.h"
#include "model/busy_manager.h"
#include "ui/main_frame.h"
#include "ui/vantry_app.h"

namespace vantry {

namespace {

// A path a line, in UTF-8; the running program answers "ok" a line.
constexpr char kAnswer[] = "ok\n";

}  // namespace

QString instanceName() { return QStringLiteral("vantry-%1").arg(::getuid()); }

bool handToRunningInstance(const QString& name, const QString& path, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(path.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  QByteArray answer;
  while (!answer.endsWith('\n') && socket.waitForReadyRead(timeoutMs)) answer += socket.readAll();
  return answer == kAnswer;
}

InstanceServer::InstanceServer(const QString& name, std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), m_open(std::move(open)) {
  connect(&m_server, &QLocalServer::newConnection, this, &InstanceServer::takeConnection);
  m_server.setSocketOptions(QLocalServer::UserAccessOption);
  if (m_server.listen(name)) return;
  // A socket left behind by a program that ended abnormally: nobody answers
  // at it, so it is removed and made anew.
  if (m_server.serverError() == QAbstractSocket::AddressInUseError) {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) return;  // a running program has it
    QLocalServer::removeServer(name);
    m_server.listen(name);
  }
}

void InstanceServer::ready() {
  m_ready = true;
  const QStringList waiting = std::exchange(m_waiting, {});
  for (const QString& path : waiting) deliver(path);
}

void InstanceServer::takeConnection() {
  while (QLocalSocket* socket = m_server.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      // A path is short; a peer that sends more than a path's worth without
      // a line end is not one of ours.
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > 64 * 1024) socket->abort();
        return;
      }
      const QString path = QString::fromUtf8(socket->readLine()).chopped(1);
      socket->write(kAnswer);
      socket->flush();
      socket->disconnectFromServer();
      if (path.isEmpty()) return;
      if (m_ready) deliver(path);
      else m_waiting << path;
    });
  }
}

void InstanceServer::deliver(const QString& path) {
  // From the event loop, so the exchange with the other program is over
  // before the save question's own loop runs.
  QTimer::singleShot(0, this, [this, path] { m_open(path); });
}

void openHandedGame(VantryApp& app, const QString& path) {
  MainFrame& frame = app.frame();
  // Not while one of the program's dialogs waits for the player or a long
  // computation runs: the game opens once they are over.
  if (QApplication::activeModalWidget() != nullptr || app.game().busy().is_busy()) {
    QTimer::singleShot(250, &frame, [&app, path] { openHandedGame(app, path); });
    return;
  }
  if (frame.isMinimized()) frame.showNormal();
  frame.raise();
  frame.activateWindow();
  app.game().open_file(path.toStdString());
  frame.refreshMenus();
}

}  // namespace vantry
