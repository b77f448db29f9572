#include "ui_test_support.h"

#include <QClipboard>
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

void App::pastePuzzle() {
  QGuiApplication::clipboard()->setText(QString::fromLatin1(kPuzzle));
  app->game().paste();
  QTRY_VERIFY(app->game().puzzle_valid());
}

}  // namespace vantry::uitest
