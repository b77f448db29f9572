// Helpers for driving the real widgets on the offscreen platform: answering
// a modal dialog from a timer while the code under test waits in it, saving
// what a widget shows as a PNG to look at, and a whole program on settings
// kept in memory.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/memory_settings.h"
#include "ui/vantry_app.h"

namespace vantry {
class TSWindow;
}

namespace vantry::uitest {

// A puzzle with one solution, and that solution, row by row.
inline constexpr const char* kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// Runs action on the next modal widget of the given type once it is open.
// The action must close it (or the test hangs until ctest's timeout). A
// test that expects no such dialog deletes the returned watcher at its end.
template <typename T = QWidget>
QTimer* whenModal(std::function<void(T*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    QWidget* w = QApplication::activeModalWidget();
    if (T* t = qobject_cast<T*>(w); t && t->isVisible()) {
      timer->stop();
      timer->deleteLater();
      action(t);
    }
  });
  timer->start();
  return timer;
}

// Answers the next message box with the button, keeping its text in *text.
inline QTimer* answerMessage(QMessageBox::StandardButton button, QString* text = nullptr) {
  return whenModal<QMessageBox>([button, text](QMessageBox* box) {
    if (text) *text = box->text();
    box->button(button)->click();
  });
}

// While it runs, it accepts every message box, keeping their texts, and hands
// any other modal widget to other.
struct MessageCollector : QTimer {
  QStringList texts;
  explicit MessageCollector(std::function<void(QWidget*)> other = {});
};

// Saves the widget as it shows now under the build folder's "screens".
inline QString saveShot(QWidget* w, const QString& name) {
  QDir().mkpath(QStringLiteral(VANTRY_UI_SHOTS_DIR));
  const QString path = QStringLiteral(VANTRY_UI_SHOTS_DIR "/") + name + QStringLiteral(".png");
  w->grab().save(path);
  return path;
}

// The whole program over settings in memory, with the first-run question
// already answered; startup() runs the start and answers the welcome dialog
// with Cancel.
struct App {
  MemorySettings settings;
  std::unique_ptr<VantryApp> app;

  explicit App(std::string argument = {}) {
    settings.write_integer(kTutorial, 0);
    settings.write_integer(kGeometryX, 40);
    settings.write_integer(kGeometryY, 30);
    app = std::make_unique<VantryApp>(settings, QStringLiteral("/nonexistent/Vantry.chm"), std::move(argument));
  }
  void startup(int welcomeAnswer = 2);
  // Pastes the puzzle as the game in play.
  void pastePuzzle(const char* puzzle = kPuzzle);
  // Gives the grid the keyboard in an active main window.
  TSWindow* focusGrid();
};

}  // namespace vantry::uitest
