#include "ui_test_support.h"

#include <QClipboard>
#include <QMessageBox>
#include <QGuiApplication>

#include "classlib/system_services.h"
#include "game/game.h"
#include "model/busy_manager.h"
#include "ui/qt_platform.h"
#include "ui/ts_window.h"
#include "ui/main_frame.h"
#include "ui/welcome_dialog.h"

namespace vantry::uitest {

void App::startup(int welcomeAnswer) {
  whenModal<WelcomeDialog>([welcomeAnswer](WelcomeDialog* d) { d->done(welcomeAnswer); });
  app->start();
  QTRY_VERIFY_WITH_TIMEOUT(app->frame().startupDone(), 10000);
  // Without a real keyboard the modifiers are those of the last event sent:
  // an earlier test's Shift would still count as held.
  QTest::keyRelease(app->frame().gridWindow(), Qt::Key_Shift);
}

void App::pastePuzzle(const char* puzzle) {
  QGuiApplication::clipboard()->setText(QString::fromLatin1(puzzle));
  app->game().paste();
  QTRY_VERIFY(app->game().puzzle_valid());
}

TSWindow* App::focusGrid() {
  MainFrame& frame = app->frame();
  frame.activateWindow();
  TSWindow* w = frame.gridWindow();
  w->setFocus();
  [&] { QTRY_VERIFY(w->hasFocus()); }();
  return w;
}

MessageCollector::MessageCollector(std::function<void(QWidget*)> other) {
  setInterval(5);
  connect(this, &QTimer::timeout, [this, other] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      texts << box->text();
      box->accept();
    } else if (modal && other) {
      other(modal);
    }
  });
  start();
}

}  // namespace vantry::uitest
