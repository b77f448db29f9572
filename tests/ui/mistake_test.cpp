// Find my mistake and Where to look through the window: the pane offers the
// one while the status says "NO SOLUTION!", the message box's own button
// undoes back, and the other frames the pattern's cells; the screens are
// saved to look at.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "classlib/settings_keys.h"
#include "view/color_mgr.h"
#include "game/commands.h"
#include "game/game.h"
#include "ui/button_pane.h"
#include "ui/main_frame.h"
#include "ui/ts_window.h"
#include "ui_test_support.h"
#include "ui_tests.h"

namespace vantry::uitest {

namespace {

int framedCells(const State& s) {
  int n = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) n += s.cell(r, c).cellMark == kColorHintRemove;
  }
  return n;
}

}  // namespace

void MistakeTest::findMyMistakeIsOfferedByThePaneAndUndoesBack() {
  App a;
  a.settings.write_integer(kButtonsOKSoFar, 1);
  a.startup();
  a.pastePuzzle();
  Game& game = a.app->game();
  ButtonPane* pane = a.app->frame().buttonPane();
  QWidget* offer = pane->control(kCmdFindMistake);
  QVERIFY(offer && offer->isHidden());

  game.left_click(0, 2, 4);  // right
  game.left_click(0, 3, 2);  // wrong: the solution has 6 there
  game.left_click(1, 1, 7);  // right, but the puzzle stays broken
  QCOMPARE(pane->statusLine()->text(), QStringLiteral("NO SOLUTION!"));
  QVERIFY(!offer->isHidden());
  saveShot(pane, QStringLiteral("mistake_offered_by_pane"));

  QString text;
  bool framed = false;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    text = box->text();
    framed = game.board().current().cell(0, 3).cellMark == kColorHintRemove;
    saveShot(&a.app->frame(), QStringLiteral("mistake_found_window"));
    saveShot(box, QStringLiteral("mistake_found_message"));
    QAbstractButton* undo = nullptr;
    for (QAbstractButton* b : box->buttons()) {
      if (b->text() == QStringLiteral("Undo back to before this move")) undo = b;
    }
    QVERIFY(undo);
    undo->click();
  });
  static_cast<QPushButton*>(offer)->click();
  QCOMPARE(text, QStringLiteral("Move 2: you placed 2 in r1c4, but the solution has 6 there."));
  QVERIFY(framed);
  // Back to before move 2; the two moves undone stay for Redo.
  QCOMPARE(game.board().current_index(), 1);
  QCOMPARE(game.board().size(), 4);
  QCOMPARE(game.statistics().moves_undone, 2);
  QCOMPARE(pane->statusLine()->text(), QStringLiteral("OK"));
  QVERIFY(offer->isHidden());
  QCOMPARE(framedCells(game.board().current()), 1);
  saveShot(&a.app->frame(), QStringLiteral("mistake_undone_back"));

  // Closed with OK from the menu: nothing moves.
  game.left_click(0, 3, 2);
  answerMessage(QMessageBox::Ok);
  a.app->frame().action(kCmdFindMistake)->trigger();
  QCOMPARE(game.board().current_index(), 2);
  game.board().set_modified(false);
}

void MistakeTest::whereToLookFramesThePatternAndCountsALittleHint() {
  App a;
  a.startup();
  a.pastePuzzle();
  Game& game = a.app->game();
  ButtonPane* pane = a.app->frame().buttonPane();
  QAction* menu = a.app->frame().action(kCmdWhereToLook);
  QVERIFY(menu);
  QCOMPARE(menu->text(), QStringLiteral("&Where to look\tW"));
  static_cast<QPushButton*>(pane->control(kCmdWhereToLook))->click();
  QVERIFY(framedCells(game.board().current()) > 0);
  QCOMPARE(pane->scoreValue(ScoreField::LittleHints)->text(), QStringLiteral("1"));
  QCOMPARE(game.board().size(), 1);
  saveShot(&a.app->frame(), QStringLiteral("where_to_look_window"));
  // The menu item and the W key do the same and count again.
  menu->trigger();
  QCOMPARE(pane->scoreValue(ScoreField::LittleHints)->text(), QStringLiteral("2"));
  QTest::keyClick(a.focusGrid(), Qt::Key_W);
  QCOMPARE(pane->scoreValue(ScoreField::LittleHints)->text(), QStringLiteral("3"));
}

}  // namespace vantry::uitest
