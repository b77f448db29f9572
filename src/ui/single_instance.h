// One Vantry a player: a saved game opened (from the file manager, say) while
// Vantry runs is handed to the running program through a local socket, which
// opens it after its save question and comes to the front, instead of a
// second program starting. The socket is per user; its name can be a full
// path (the tests use their own).
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace vantry {

class VantryApp;

// The running program's socket name for this user.
QString instanceName();

// Gives path to the program listening at name; true when it took the game
// (it answers once it has it), false when no program listens there.
bool handToRunningInstance(const QString& name, const QString& path, int timeoutMs = 3000);

// Listens at name for games handed over and passes each path to open, later,
// from the event loop, after the hand-over itself is done; until ready() is
// called the paths wait.
class InstanceServer : public QObject {
  Q_OBJECT
 public:
  InstanceServer(const QString& name, std::function<void(const QString&)> open, QObject* parent = nullptr);
  // False when the socket could not be made (another program took it first).
  bool isListening() const { return m_server.isListening(); }
  void ready();

 private:
  void takeConnection();
  void deliver(const QString& path);

  QLocalServer m_server;
  std::function<void(const QString&)> m_open;
  bool m_ready = false;
  QStringList m_waiting;
};

// Opens a handed-over game in the running program: the window to the front,
// then the game opened as Open does (with the save question first). While a
// dialog of the program is open or a long computation runs, it waits.
void openHandedGame(VantryApp& app, const QString& path);

}  // namespace vantry
