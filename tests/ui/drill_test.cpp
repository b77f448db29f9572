// Drills through the real window: started from the pane, each position's move
// made and checked from the pane and the menu, the summary dialog at the end;
// the pane during a drill, the review and the summary rendered to look at.
// And the help page's "Practise this strategy" link starting Practice.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "help/help_browser.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"
#include "ui/button_pane.h"
#include "ui/drill_summary_dialog.h"
#include "ui/hint_dialogs.h"
#include "ui/main_frame.h"
#include "ui_test_support.h"
#include "ui_tests.h"

namespace vantry::uitest {

namespace {

constexpr int kNakedSingle = 1;

// The engine's move on the puzzle in play, made by the player's clicks.
void playTheMove(Game& game) {
  Move move;
  QCOMPARE(game.engine().find(game.board().current(), true, move), kNakedSingle);
  for (const Move::Action& a : move.actions()) {
    if (a.place) game.left_click(a.r, a.c, a.d);
    else game.right_click(a.r, a.c, a.d, false, false);
  }
}

}  // namespace

void DrillTest::drillThroughTheWindowReachesItsSummary() {
  App a;
  a.settings.write_integer(kDrillPositions, 2);
  a.settings.write_integer(kLastStrategy, kNakedSingle);
  a.startup();
  a.app->game().set_random_seed(7);
  MainFrame& frame = a.app->frame();
  ButtonPane* pane = frame.buttonPane();
  QVERIFY(pane && pane->isVisible());
  // One button starts the drill and then checks each of its positions.
  auto* check = qobject_cast<QPushButton*>(pane->control(6039));
  QCOMPARE(check->text(), QStringLiteral("Drill"));
  QVERIFY(!frame.action(kCmdCheckMyMove)->isEnabled());

  QTest::mouseClick(check, Qt::LeftButton);
  QVERIFY(a.app->game().drill().running());
  QCOMPARE(check->text(), QStringLiteral("Check My Move"));
  QCOMPARE(check->toolTip(), QStringLiteral("Position 1 of 2"));
  QVERIFY(frame.action(kCmdCheckMyMove)->isEnabled());
  saveShot(&frame, QStringLiteral("drill_position"));
  saveShot(pane, QStringLiteral("drill_pane"));

  // Position 1: the move made, checked from the pane; the review shows the
  // move's marks on the grid behind the message.
  playTheMove(a.app->game());
  QString review, caption;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    review = box->text();
    caption = box->windowTitle();
    saveShot(&frame, QStringLiteral("drill_review"));
    box->accept();
  });
  QTest::mouseClick(check, Qt::LeftButton);
  QVERIFY2(review.startsWith(QStringLiteral("Found: 1\nMissed: 0\nWrong: 0\n\n")), qPrintable(review));
  QCOMPARE(caption, QStringLiteral("Naked single (1 of 2)"));
  QCOMPARE(check->toolTip(), QStringLiteral("Position 2 of 2"));

  // Position 2: nothing done, checked from the File menu; then the summary.
  whenModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
  QString title;
  QStringList totals, lines;
  QTimer* summary = whenModal<DrillSummaryDialog>([&](DrillSummaryDialog* d) {
    saveShot(d, QStringLiteral("drill_summary"));
    title = d->windowTitle();
    QTableWidget* t = d->table();
    for (int c = 0; c < t->columnCount(); ++c) totals << t->item(t->rowCount() - 1, c)->text();
    for (QLabel* label : d->findChildren<QLabel*>()) lines << label->text();
    d->accept();
  });
  Q_UNUSED(summary);
  frame.action(kCmdCheckMyMove)->trigger();
  QCOMPARE(title, QStringLiteral("Drill summary"));
  QCOMPARE(totals.mid(0, 4), (QStringList{"Total", "1", "1", "0"}));
  QVERIFY2(lines.contains(QStringLiteral("Drill: Naked single")), qPrintable(lines.join('|')));
  QVERIFY2(lines.contains(QStringLiteral("Score: 50%")), qPrintable(lines.join('|')));
  QVERIFY(lines.contains(QStringLiteral("This is your first drill of this strategy.")));
  QVERIFY(!a.app->game().drill().running());
  QCOMPARE(check->text(), QStringLiteral("Drill"));
  QVERIFY(!frame.action(kCmdCheckMyMove)->isEnabled());
  QCOMPARE(a.settings.read_integer("Drills", "Score1", -1), 50);
}

namespace {

// Clicks a guide's "Practise this strategy" link where it is drawn.
void clickPractiseLink(HelpBrowser& help, int topic) {
  help.show_topic(topic);
  QTextBrowser* browser = help.browser();
  QTRY_VERIFY(browser->isVisible());
  QTextCursor at = browser->document()->find(QStringLiteral("Practise this strategy"));
  QVERIFY(!at.isNull());
  at.setPosition(at.selectionStart() + 3);
  browser->setTextCursor(at);
  browser->ensureCursorVisible();
  const QPoint point = browser->cursorRect(at).center();
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

}  // namespace

void DrillTest::helpPageLinkStartsPractice() {
  App a;
  a.startup();
  HelpBrowser help(QStringLiteral(VANTRY_HELP_SOURCE_DIR "/pages.chm"));
  clickPractiseLink(help, 5020);
  QTRY_VERIFY_WITH_TIMEOUT(a.app->game().puzzle_valid(), 20000);
  QCOMPARE(a.app->game().chosen_strategy(), 2);
  QCOMPARE(a.app->game().last_practised(), 2);
}

// An extended strategy's guide practises it with the preference off, and the
// Big hint on the position names it; Practice again stays with the standard one.
void DrillTest::extendedGuideLinkPractisesItsStrategy() {
  constexpr int kMedusa = 51;
  App a;
  a.settings.write_integer(kLastStrategy, 2);
  a.startup();
  QCOMPARE(a.settings.read_integer(kExtendedStrategies), 0);
  HelpBrowser help(QStringLiteral(VANTRY_HELP_SOURCE_DIR "/pages.chm"));
  clickPractiseLink(help, 5460);
  Game& game = a.app->game();
  QTRY_VERIFY_WITH_TIMEOUT(game.puzzle_valid(), 20000);
  QCOMPARE(game.engine().practised(), kMedusa);
  QCOMPARE(game.chosen_strategy(), 2);
  QString title;
  whenModal<HintDialog>([&](HintDialog* d) {
    title = d->windowTitle();
    QApplication::processEvents();
    saveShot(&a.app->frame(), QStringLiteral("extended_practice_big_hint"));
    d->button(kButtonNo)->click();
  });
  a.app->grid().run_command(kCmdBigHint);
  QCOMPARE(title, QStringLiteral("3D Medusa"));
}

}  // namespace vantry::uitest
