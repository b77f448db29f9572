// The desktop's view of Vantry: the saved-game MIME type as the desktop's
// MIME database reads it, and a second start with a saved game handing the
// game to the program already running.
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QAbstractButton>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "game/game.h"
#include "game/saved_game.h"
#include "ui/main_frame.h"
#include "ui/single_instance.h"
#include "ui/vantry_app.h"
#include "ui_test_support.h"

namespace vantry::uitest {

class DesktopTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;

  // A saved game as the program writes it, of the pasted puzzle.
  QString writeSavedGame(const QString& name) {
    App a;
    a.startup();
    a.pastePuzzle();
    std::ostringstream text;
    write_saved_game(text, a.app->game().board(), a.app->game().difficulty(), {});
    const QString path = m_dir.filePath(name);
    std::ofstream(path.toStdString()) << text.str();
    return path;
  }

 private slots:
  void savedGamesAreKnownByNameAndByTheirFirstLine() {
    // XDG_DATA_HOME (set by the test's environment) holds the type's XML alone.
    QMimeDatabase db;
    const QString type = QStringLiteral("application/x-vantry-game");
    QVERIFY2(db.mimeTypeForName(type).isValid(), "the type is not in the MIME database");
    QCOMPARE(db.mimeTypeForName(type).comment(), QStringLiteral("Vantry saved game"));
    QCOMPARE(db.mimeTypeForName(type).genericIconName(), QStringLiteral("application-x-vantry-game"));

    QCOMPARE(db.mimeTypeForFile(writeSavedGame(QStringLiteral("game.spz"))).name(), type);
    // Renamed, by its content.
    QCOMPARE(db.mimeTypeForFile(writeSavedGame(QStringLiteral("renamed"))).name(), type);
    QCOMPARE(db.mimeTypeForFile(writeSavedGame(QStringLiteral("renamed.dat"))).name(), type);
    // An older saved game, whose lines end after the possibilities.
    QCOMPARE(db.mimeTypeForData(QByteArray("5 5 0 0 0 0 0 0 0 0 0 \n0 0 1 1 1 1 1 1 1 1 1 \n")).name(), type);
    // Other text is not a saved game.
    QVERIFY(db.mimeTypeForData(QByteArray("5 5 0 0 0 0 0 0 0 0 2 | 1 0 0 0 0 0 0 0 0 0 \n")).name() != type);
    QVERIFY(db.mimeTypeForData(QByteArray(std::string(81, '.').c_str())).name() != type);
  }

  void aSecondStartWithAGameHandsItToTheRunningProgram() {
    // The running program, in this process, listens as main does; the
    // second start is the real program in a child process, with the same
    // socket folder.
    App running;
    running.startup();
    running.pastePuzzle();  // unsaved: opening another game asks first
    const QString socketFolder = m_dir.filePath(QStringLiteral("sockets"));
    QDir().mkpath(socketFolder);
    InstanceServer server(QDir(socketFolder).filePath(instanceName()),
                          [&](const QString& path) { openHandedGame(*running.app, path); });
    QVERIFY(server.isListening());
    server.ready();

    const QString game = writeSavedGame(QStringLiteral("handed.spz"));
    bool asked = false;
    whenModal<QMessageBox>([&](QMessageBox* box) {
      asked = box->text().contains(QStringLiteral("save this game"));
      box->button(QMessageBox::No)->click();
    });
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), socketFolder);
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(VANTRY_PROGRAM), {game});
    // The event loop runs while waiting, so this program can answer.
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 15000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(running.app->frame().windowTitle().contains(QStringLiteral("handed.spz")), 10000);
    QVERIFY(asked);
    QVERIFY(!running.app->game().board().modified());
  }

  void aGameHandedOverWaitsWhileADialogIsOpen() {
    App running;
    running.startup();
    const QString game = writeSavedGame(QStringLiteral("waiting.spz"));
    auto title = [&] { return running.app->frame().windowTitle(); };
    bool openedUnderTheDialog = true;
    whenModal<QMessageBox>([&](QMessageBox* box) {
      openHandedGame(*running.app, game);
      QTest::qWait(600);
      openedUnderTheDialog = title().contains(QStringLiteral("waiting.spz"));
      box->accept();
    });
    QMessageBox::information(&running.app->frame(), QStringLiteral("Vantry"), QStringLiteral("A dialog"));
    QVERIFY(!openedUnderTheDialog);
    QTRY_VERIFY_WITH_TIMEOUT(title().contains(QStringLiteral("waiting.spz")), 5000);
  }

  void aSocketLeftBehindIsTakenOver() {
    // A socket file nobody listens at, as a program that was killed leaves it.
    const QString name = m_dir.filePath(QStringLiteral("stale-socket"));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(name).constData(), sizeof address.sun_path - 1);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFile::exists(name));
    QVERIFY(!handToRunningInstance(name, QStringLiteral("/x.spz"), 500));

    QStringList opened;
    InstanceServer server(name, [&](const QString& path) { opened << path; });
    QVERIFY(server.isListening());
    // A game handed over before the program has finished starting waits.
    QLocalSocket client;
    client.connectToServer(name);
    QVERIFY(client.waitForConnected(1000));
    client.write("/x.spz\n");
    QTRY_VERIFY(client.bytesAvailable() >= 3);
    QCOMPARE(client.readAll(), QByteArray("ok\n"));
    QTest::qWait(50);
    QVERIFY(opened.isEmpty());
    server.ready();
    QTRY_COMPARE(opened, QStringList{QStringLiteral("/x.spz")});
  }
};

}  // namespace vantry::uitest

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vantry::uitest::DesktopTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
