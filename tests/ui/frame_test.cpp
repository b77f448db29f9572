// The main window: menus built from the engine's tables reach their
// commands, accelerator keys, the pane placement with the frame widening and
// narrowing, the close with its save prompt and stored geometry, a close
// during a long computation, and screens of the window and its dialogs.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QColorDialog>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <limits>

#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "view/menus.h"
#include "ui/about_dialog.h"
#include "ui/button_pane.h"
#include "ui/color_dialog.h"
#include "ui/qt_canvas.h"
#include "ui/enter_dialog.h"
#include "ui/hint_dialogs.h"
#include "strategy/hint_templates.h"
#include "ui/layout_window.h"
#include "ui/main_frame.h"
#include "ui/qt_platform.h"
#include "ui/ts_window.h"
#include "ui/welcome_dialog.h"
#include "ui_test_support.h"
#include "ui_tests.h"

namespace vantry::uitest {

namespace {

void forEachItem(std::span<const MenuItem> items, const std::function<void(const MenuItem&)>& f) {
  for (const MenuItem& item : items) {
    if (item.is_submenu()) forEachItem(item.submenu, f);
    else if (!item.is_separator()) f(item);
  }
}

}  // namespace

void FrameTest::menusMirrorTheTablesAndReachTheirCommands() {
  App a;
  a.startup();
  MainFrame& frame = a.app->frame();
  // Every item of the tables is an action (the Practice placeholder gives
  // way to the strategies), with its shortcut label right-aligned.
  // Each sends the id the engine says it carries now.
  forEachItem(kMenuBar, [&](const MenuItem& item) {
    if (item.id == kCmdPracticePlaceholder) return;
    QAction* action = frame.action(item.id);
    QVERIFY2(action, qPrintable(QString::number(item.id)));
    QCOMPARE(action->data().toInt(), a.app->grid().menu_item_id(item.id));
  });
  QVERIFY(!frame.action(kCmdPracticePlaceholder));
  QVERIFY(frame.action(kCmdPracticeBase + 1) && frame.action(kCmdPracticeBase + 44));
  QCOMPARE(frame.action(kCmdEnterPuzzle)->text(), QStringLiteral("&Enter puzzle\tCtrl+E"));
  QCOMPARE(frame.menuBar()->actions().size(), 6);
  // The remembered difficulty carries the Ctrl+N label.
  QVERIFY(frame.action(11901)->text().endsWith(QStringLiteral("\tCtrl+N")));
  QVERIFY(frame.action(kCmdPrintPuzzle)->isEnabled());

  // Menu items run their commands: highlight rule and digit, toggles.
  a.pastePuzzle();
  frame.action(kCmdRuleAll)->trigger();
  QCOMPARE(a.app->grid().highlight().rule, kCmdRuleAll);
  QVERIFY(frame.action(kCmdRuleAll)->isChecked());
  QVERIFY(!frame.action(kCmdRuleAny)->isChecked());
  frame.action(11857)->trigger();
  QVERIFY(a.app->grid().highlight().digits[9]);
  // 11907 is the Highlight menu's Possibilities here, not a Superhuman puzzle.
  frame.action(kCmdModeCount)->trigger();
  frame.action(kCmdModePossibilities)->trigger();
  QCOMPARE(a.app->grid().highlight().mode, kCmdModePossibilities);
  QVERIFY(a.app->game().puzzle_valid());
  // "Hide solved cells" greys "Indicate which cells you solved".
  QVERIFY(frame.action(kCmdUserAnswers)->isEnabled());
  frame.action(kCmdHideAnswers)->trigger();
  QVERIFY(frame.action(kCmdHideAnswers)->isChecked());
  QVERIFY(!frame.action(kCmdUserAnswers)->isEnabled());
  frame.action(kCmdHideAnswers)->trigger();
  QVERIFY(frame.action(kCmdUserAnswers)->isEnabled());
  QVERIFY(frame.action(kCmdUserAnswers)->isChecked());
  // A game command: Undo of nothing says so in a message box.
  QString said;
  answerMessage(QMessageBox::Ok, &said);
  frame.action(kCmdUndo)->trigger();
  QCOMPARE(said, QStringLiteral("No moves to undo."));
  // The Highlight and File menus as the player sees them.
  for (int i : {0, 4}) {
    QMenu* menu = frame.menuBar()->actions().at(i)->menu();
    menu->popup(frame.mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(menu->isVisible());
    saveShot(menu, i == 0 ? QStringLiteral("menu_file") : QStringLiteral("menu_highlight"));
    menu->hide();
  }
  // About shows the build's version.
  whenModal<AboutDialog>([&](AboutDialog* d) {
    said = d->findChild<QLabel*>(QStringLiteral("version"))->text();
    saveShot(d, QStringLiteral("about_dialog"));
    d->accept();
  });
  frame.action(kCmdAbout)->trigger();
  QCOMPARE(said, QStringLiteral("Version " VANTRY_VERSION));
}

void FrameTest::accelerators() {
  App a;
  a.startup();
  a.pastePuzzle();
  MainFrame& frame = a.app->frame();
  TSWindow* w = a.focusGrid();
  // N steps the highlight, C clears it; the letters are accelerators.
  QTest::keyClick(w, Qt::Key_N);
  QVERIFY(a.app->grid().highlight().count == 0 || a.app->grid().highlight().digits[1]);
  QTest::keyClick(w, Qt::Key_4);
  QTest::keyClick(w, Qt::Key_N);
  QVERIFY(a.app->grid().highlight().digits[5]);
  QTest::keyClick(w, Qt::Key_C);
  QCOMPARE(a.app->grid().highlight().count, 0);
  // Shift+T lists the strategies in a message box.
  QString caption;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    caption = box->windowTitle();
    box->accept();
  });
  QTest::keyClick(w, Qt::Key_T, Qt::ShiftModifier);
  QTRY_VERIFY(!caption.isEmpty());
  // Every accelerator of the table is bound.
  QCOMPARE(frame.accelerators().size(), qsizetype(std::size(kAccelerators)));
}

void FrameTest::panePlacementWidensAndNarrowsTheFrame() {
  App a;
  a.settings.write_string(kButtonsPlacement, "Right");
  a.startup();
  MainFrame& frame = a.app->frame();
  LayoutWindow* layout = frame.layoutWindow();
  QWidget* pane = frame.buttonPane();
  const int kPaneWidth = pane->width();
  QTRY_VERIFY(frame.isVisible());
  // No stored size: the default for this desktop, with the pane's width,
  // grown (within the screen) to the pane's height if that is more.
  const QSize desktop = QGuiApplication::primaryScreen()->size();
  const int base = desktop.width() < 800 || desktop.height() < 800 ? 516 : 651;
  const int grow = std::max(0, layout->paneHeight() - base);
  QCOMPARE(layout->size(),
           QSize(std::min(base + kPaneWidth + grow, desktop.width()), std::max(base, layout->paneHeight())));
  QVERIFY(pane->isVisible());
  QVERIFY(pane->geometry().left() > frame.gridWindow()->geometry().left());
  const int wide = frame.width();
  frame.action(kCmdPaneHide)->trigger();
  QTRY_COMPARE(frame.width(), wide - kPaneWidth);
  QVERIFY(!pane->isVisible());
  QVERIFY(frame.action(kCmdPaneHide)->isChecked());
  frame.action(kCmdPaneLeft)->trigger();
  QTRY_COMPARE(frame.width(), wide);
  QTRY_VERIFY(pane->geometry().right() < frame.gridWindow()->geometry().left());
  QVERIFY(layout->paneShown());
  saveShot(&frame, QStringLiteral("main_pane_left"));
}

void FrameTest::closeAsksToSaveAndStoresTheTightGeometry() {
  App a;
  a.startup();
  a.pastePuzzle();
  MainFrame& frame = a.app->frame();
  // A move makes the game worth saving.
  const GridGeometry& g = a.app->grid().geometry();
  QTest::mouseClick(frame.gridWindow(), Qt::LeftButton, {},
                    QPoint(g.line[2] + g.unit + g.unit / 2, g.line[0] + g.unit / 2));
  QVERIFY(a.app->game().board().needs_saving());

  QString asked;
  answerMessage(QMessageBox::Cancel, &asked);
  QVERIFY(!frame.close());
  QCOMPARE(asked, QStringLiteral("Do you want to save this game?"));
  QVERIFY(frame.isVisible());
  a.settings.flush(false);
  QVERIFY(!a.settings.stored.count("Geometry/W"));  // Cancel wrote nothing

  answerMessage(QMessageBox::No);
  QVERIFY(frame.close());
  a.settings.flush(false);
  // The stored size is the tightest square around the grid.
  QCOMPARE(a.settings.read_integer(kGeometry, kGeometryH, 0), g.preferred_size);
  QCOMPARE(a.settings.read_integer(kGeometry, kGeometryW, 0), g.preferred_size + frame.layoutWindow()->pane()->width());
  QCOMPARE(a.settings.read_integer(kGeometryMaximized), 0);
}

void FrameTest::closeDuringAComputationCancelsItThenClosesTheUsualWay() {
  {
    // Had the computation ended without polling again, the window closes
    // the usual way afterwards, and the request does not linger.
    App a;
    a.startup();
    MainFrame& frame = a.app->frame();
    a.app->game().busy().start(kBusyRating);
    QVERIFY(!frame.close());
    QVERIFY(a.app->platform().close_requested());
    QVERIFY(frame.isVisible());
    a.app->game().busy().end(kBusyRating);
    QTRY_VERIFY(!frame.isVisible());
    QVERIFY(!a.app->platform().close_requested());
  }
  // A changed preference and an unsaved move; the close arrives while the
  // puzzle is being rated (at the search's first poll).
  App a;
  a.startup();
  a.pastePuzzle();
  MainFrame& frame = a.app->frame();
  Game& game = a.app->game();
  game.left_click(0, 2, kSolution[2] - '0');
  frame.runCommand(kCmdDeletedPossibilities);
  bool closedWhileBusy = false;
  QTimer::singleShot(0, &frame, [&] {
    closedWhileBusy = game.busy().is_busy();
    frame.close();
  });
  QStringList shown;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    shown << box->text();
    box->button(QMessageBox::No)->click();
  });
  frame.runCommand(kCmdRatePuzzle);
  // The rating was cancelled: no difficulty, the game in play unchanged.
  QVERIFY(closedWhileBusy);
  QVERIFY(!game.busy().is_busy());
  QVERIFY(frame.isVisible());
  QCOMPARE(game.board().current().cell(0, 2).answer, kSolution[2] - '0');
  // Then the usual close: the save question, the window gone, the settings written.
  QTRY_VERIFY(!frame.isVisible());
  QCOMPARE(shown, QStringList{QStringLiteral("Do you want to save this game?")});
  QCOMPARE(a.settings.stored["Preferences/DelPoss"], std::string("0"));
  QVERIFY(a.settings.stored.count("Geometry/W"));
}

namespace {
QStringList qtWarnings;
void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // The offscreen platform's own note on every new window is not ours.
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  if (type != QtDebugMsg && type != QtInfoMsg) qtWarnings << message;
}
}  // namespace

void FrameTest::absurdStoredGeometryIsKeptOnTheScreen() {
  // Sizes and places no screen can hold, as a damaged settings file has them.
  App a;
  constexpr int kMost = std::numeric_limits<int>::max(), kLeast = std::numeric_limits<int>::min();
  a.settings.write_integer(kGeometryX, kMost - 40);
  a.settings.write_integer(kGeometryY, kMost);
  a.settings.write_integer(kGeometry, kGeometryW, kMost);
  a.settings.write_integer(kGeometry, kGeometryH, 100000);
  a.settings.write_integer("Welcome", "Corner", 3);
  a.settings.write_integer("Welcome", "DX", kMost);
  a.settings.write_integer("Welcome", "DY", kLeast);
  QRect welcome;
  whenModal<WelcomeDialog>([&](WelcomeDialog* d) {
    welcome = d->frameGeometry();
    d->done(2);
  });
  a.app->start();
  QTRY_VERIFY_WITH_TIMEOUT(a.app->frame().startupDone(), 10000);
  const QRect screen = a.app->frame().screen()->availableGeometry();
  const QRect frame = a.app->frame().frameGeometry();
  QVERIFY(screen.contains(frame.topLeft()));
  QVERIFY(a.app->frame().layoutWindow()->width() <= screen.width());
  QVERIFY(screen.contains(welcome));
}

void FrameTest::exportIsTitledAndPrintSetupIsQuiet() {
  App a;
  a.startup();
  a.pastePuzzle();
  MainFrame& frame = a.app->frame();
  QString title;
  whenModal<QFileDialog>([&](QFileDialog* f) {
    title = f->windowTitle();
    f->reject();
  });
  frame.runCommand(kCmdExport);
  QCOMPARE(title, QStringLiteral("Export puzzle"));

  // Print setup shows its dialog and says nothing on the console.
  qtWarnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
  bool shown = false;
  QPointer<QTimer> watcher = whenModal<QDialog>([&](QDialog* d) {
    // Setting up prints nothing: no button offers to.
    for (QPushButton* b : d->findChildren<QPushButton*>()) QVERIFY(b->text() != QStringLiteral("&Print"));
    shown = true;
    saveShot(d, QStringLiteral("print_setup_dialog"));
    d->reject();
  });
  frame.runCommand(kCmdPrintSetup);
  QTest::qWait(50);
  qInstallMessageHandler(previous);
  delete watcher.data();
  QVERIFY2(qtWarnings.isEmpty(), qPrintable(qtWarnings.join(QLatin1Char('\n'))));
  QVERIFY(shown);
}

void FrameTest::startsAtTheStoredPlaceOrWithASavedGame() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("puzzle.spz"));
  {
    App a;
    a.startup();
    // At the stored place, but pulled back as far as it would leave the
    // screen (the window is as high as the pane, nearly as high as this one).
    const QRect f = a.app->frame().frameGeometry();
    const QRect screen = a.app->frame().screen()->availableGeometry();
    QCOMPARE(f.left(), std::max(0, std::min(40, screen.left() + screen.width() - f.width())));
    QCOMPARE(f.top(), std::max(0, std::min(30, screen.top() + screen.height() - f.height())));
    a.pastePuzzle();
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();
    });
    QVERIFY(a.app->game().save_as());
  }
  // Named on the command line, the game opens without the welcome choices.
  App b(path.toStdString());
  b.settings.write_integer(kGeometryMaximized, 1);
  bool welcomed = false;
  QPointer<QTimer> watcher = whenModal<WelcomeDialog>([&](WelcomeDialog* d) {
    welcomed = true;
    d->done(2);
  });
  b.app->start();
  QTRY_VERIFY(b.app->frame().startupDone());
  QVERIFY(b.app->game().puzzle_valid());
  QVERIFY(b.app->frame().isMaximized());
  QVERIFY(b.app->frame().windowTitle().contains(QStringLiteral("puzzle")));
  QTest::qWait(50);
  QVERIFY(!welcomed);
  delete watcher.data();
}

void FrameTest::colorDialogShowsChangesAtOnceAndCancelRestores() {
  App a;
  a.startup();
  GridWindow& grid = a.app->grid();
  TSWindow* w = a.app->frame().gridWindow();
  const Colorref original = grid.colors().get(0);
  const QColor chosen(10, 120, 30);
  whenModal<ColorDialog>([&](ColorDialog* d) {
    // The list is alphabetical; "Background" heads it.
    QCOMPARE(d->list()->item(0)->text(), QStringLiteral("Answer, initial"));
    QList<QListWidgetItem*> found = d->list()->findItems(QStringLiteral("Background"), Qt::MatchExactly);
    d->list()->setCurrentItem(found.first());
    QCOMPARE(d->selectedElement(), 0);
    QCOMPARE(d->description()->text(), QStringLiteral("The background for cells that are not highlighted."));
    whenModal<QColorDialog>([&](QColorDialog* c) {
      c->setCurrentColor(chosen);
      c->accept();
    });
    d->changeColor();
    // The grid shows the new background before the dialog closes.
    QCOMPARE(w->palette().color(QPalette::Window), chosen);
    QCOMPARE(d->swatch()->palette().color(QPalette::Window), chosen);
    saveShot(d, QStringLiteral("color_dialog"));
    d->reject();
  });
  a.app->frame().action(kCmdChangeColors)->trigger();
  QCOMPARE(grid.colors().get(0), original);
  QCOMPARE(w->palette().color(QPalette::Window), toQColor(original));
  QCOMPARE(grid.color_list_position, 2);  // selected again at the next opening
}

void FrameTest::aWholeGamePlayedByKeysAndClicks() {
  App a;
  a.startup();
  a.pastePuzzle();
  MainFrame& frame = a.app->frame();
  TSWindow* w = a.focusGrid();
  // Every Big hint (key B) is carried out; the last one is congratulated.
  MessageCollector answerer([](QWidget* modal) {
    if (auto* hint = qobject_cast<HintDialog*>(modal)) hint->button(kButtonYes)->click();
  });
  auto solved = [&] { return a.app->game().board().current().is_solved(); };
  // The first move by a click on its slot (4 in cell 1,3), the rest by hints.
  const GridGeometry& g = a.app->grid().geometry();
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(g.line[2] + g.unit / 2, g.line[0] + g.unit + g.unit / 2));
  QCOMPARE(a.app->game().board().current().cell(0, 2).answer, 4);
  for (int i = 0; i < 200 && !solved(); ++i) {
    // The offscreen platform gives the activation back only when asked.
    frame.activateWindow();
    QTRY_VERIFY(frame.isActiveWindow());
    QTest::keyClick(w, Qt::Key_B);
  }
  QTRY_VERIFY(answerer.texts.contains(QStringLiteral("Congratulations!  You solved the puzzle!")));
  answerer.stop();
  QVERIFY(solved());
  saveShot(&frame, QStringLiteral("main_solved"));
}

void FrameTest::screenshotsOfTheMainWindowAndDialogs() {
  // The welcome choices on a first plain start.
  App a;
  a.settings.write_integer(kTutorial, 1);
  QString question;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    question = box->windowTitle();
    saveShot(box, QStringLiteral("getting_started_question"));
    box->button(QMessageBox::No)->click();
    whenModal<WelcomeDialog>([](WelcomeDialog* d) {
      saveShot(d, QStringLiteral("welcome_dialog"));
      d->button(kCmdEnterPuzzle)->click();
    });
  });
  a.app->start();
  QTRY_VERIFY_WITH_TIMEOUT(a.app->frame().startupDone(), 10000);
  QCOMPARE(question, QStringLiteral("Welcome to Vantry"));
  a.settings.flush(false);
  QCOMPARE(a.settings.read_integer(kTutorial), 0);

  // The welcome dialog's Enter button started entry: type a few givens.
  QVERIFY(a.app->game().entering());
  EnterDialog* enter = a.app->platform().entryDialog();
  QVERIFY(enter && enter->isVisible());
  TSWindow* w = a.app->frame().gridWindow();
  QTRY_VERIFY(w->hasFocus());
  for (Qt::Key k : {Qt::Key_5, Qt::Key_3, Qt::Key_Space, Qt::Key_Space, Qt::Key_7}) QTest::keyClick(w, k);
  QCOMPARE(a.app->game().board().current().cell(0, 4).answer, 7);
  saveShot(&a.app->frame(), QStringLiteral("main_entry_mode"));
  saveShot(enter, QStringLiteral("enter_dialog"));
  enter->button(kEntryCancel)->click();
  QVERIFY(!a.app->game().entering());
  QTRY_VERIFY(!a.app->platform().entryDialog());
}

}  // namespace vantry::uitest
