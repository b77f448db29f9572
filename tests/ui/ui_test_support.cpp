#include "ui_test_support.h"

#include <QClipboard>
#include <QGuiApplication>

#include "game/game.h"
#include "ui/main_frame.h"
#include "ui/welcome_dialog.h"

namespace vantry::uitest {

void App::startup(int welcomeAnswer) {
  whenModal<WelcomeDialog>([welcomeAnswer](WelcomeDialog* d) { d->done(welcomeAnswer); });
  app->start();
  QTRY_VERIFY_WITH_TIMEOUT(app->frame().startupDone(), 10000);
}

void App::pastePuzzle() {
  QGuiApplication::clipboard()->setText(QString::fromLatin1(kPuzzle));
  app->game().paste();
  QTRY_VERIFY(app->game().puzzle_valid());
}

}  // namespace vantry::uitest
