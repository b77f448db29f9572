// The solution path panel in the real window: beside the grid on either side
// and remembered, counted once a game, a step shown read-only and left again,
// Apply up to here and Copy path, one computation at a time however fast the
// position changes, and a close while the path is being worked out.
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "game/solution_path.h"
#include "ui/main_frame.h"
#include "ui/path_panel.h"
#include "ui/ts_window.h"
#include "ui_test_support.h"
#include "ui_tests.h"

namespace vantry::uitest {

namespace {

// From the magictour corpus: its path takes long enough to be caught working.
constexpr const char* kHardPuzzle = "..9.2........4.6....1....8....1.9.3.54..........8......5....7.67..3...........2..";

QRect inFrame(QWidget* w, MainFrame& frame) { return QRect(w->mapTo(&frame, QPoint(0, 0)), w->size()); }

}  // namespace

void PathPanelTest::besideTheGridOnEitherSideRememberedAndCountedOnce() {
  App a;
  a.startup();
  MainFrame& frame = a.app->frame();
  PathPanel* panel = frame.pathPanel();
  Game& game = a.app->game();
  // Hidden by default; with no puzzle it shows nothing and counts nothing.
  QVERIFY(!panel->isVisible());
  const int wide = frame.width();
  const QSize gridSize = frame.gridWindow()->size();
  frame.runCommand(kCmdSolutionPath);
  QTRY_COMPARE(frame.width(), wide + panel->width());
  QTRY_COMPARE(frame.gridWindow()->size(), gridSize);
  QVERIFY(frame.action(kCmdSolutionPath)->isChecked());
  QCOMPARE(a.settings.read_integer(kSolutionPath), 1);
  QTest::qWait(100);
  QCOMPARE(panel->list()->topLevelItemCount(), 0);
  QCOMPARE(game.statistics().big_hints, 0);

  // A puzzle: the heading, one row a step, on the right of the grid.
  a.pastePuzzle();
  QTRY_VERIFY(panel->path() != nullptr);
  const SolutionPath& path = *panel->path();
  QCOMPARE(panel->heading()->text().toStdString(), path_heading(path));
  QCOMPARE(panel->list()->topLevelItemCount(), int(path.steps.size()));
  QCOMPARE(panel->list()->topLevelItem(0)->text(2).toStdString(), path.steps[0].action);
  QVERIFY(!inFrame(panel, frame).intersects(inFrame(frame.gridWindow(), frame)));
  QVERIFY(inFrame(panel, frame).left() >= inFrame(frame.gridWindow(), frame).right());
  QCOMPARE(game.statistics().big_hints, 1);
  saveShot(&frame, QStringLiteral("path_panel_right"));

  // Hiding and showing again in the same game costs nothing more.
  frame.runCommand(kCmdSolutionPath);
  QTRY_COMPARE(frame.width(), wide);
  frame.runCommand(kCmdSolutionPath);
  QTRY_VERIFY(panel->path() != nullptr);
  QTest::qWait(100);
  QCOMPARE(game.statistics().big_hints, 1);

  // The left side, remembered; the grid keeps its place beside it.
  frame.runCommand(kCmdSolutionPathLeft);
  QCOMPARE(a.settings.read_integer(kSolutionPathLeft), 1);
  QVERIFY(frame.action(kCmdSolutionPathLeft)->isChecked());
  QTRY_VERIFY(inFrame(panel, frame).right() <= inFrame(frame.gridWindow(), frame).left());
  QVERIFY(!inFrame(panel, frame).intersects(inFrame(frame.gridWindow(), frame)));
  saveShot(&frame, QStringLiteral("path_panel_left"));

  // A new game counts again; a puzzle being entered shows nothing. (The
  // Big hint made the game worth saving: the question is answered No.)
  answerMessage(QMessageBox::No);
  a.pastePuzzle();
  QTRY_COMPARE(game.statistics().big_hints, 1);
  QTRY_VERIFY(panel->path() != nullptr);
  QPointer<QTimer> answer = answerMessage(QMessageBox::No);
  frame.runCommand(kCmdEnterPuzzle);
  QTRY_COMPARE(panel->list()->topLevelItemCount(), 0);
  delete answer.data();
  QCOMPARE(panel->heading()->text(), QString());
}

void PathPanelTest::aSelectedStepIsShownReadOnlyUntilLeft() {
  App a;
  a.settings.write_integer(kSolutionPath, 1);
  a.startup();
  a.pastePuzzle();
  MainFrame& frame = a.app->frame();
  PathPanel* panel = frame.pathPanel();
  GridWindow& grid = a.app->grid();
  Game& game = a.app->game();
  QVERIFY(panel->isVisible());
  QTRY_VERIFY(panel->path() != nullptr);
  const SolutionPath& path = *panel->path();

  // Step 6: its position with its marks, its explanation below the list.
  panel->list()->setFocus();
  panel->list()->setCurrentItem(panel->list()->topLevelItem(5));
  QVERIFY(grid.preview() != nullptr);
  QVERIFY(same_position(*grid.preview(), path.steps[5].before));
  QVERIFY(!same_position(*grid.preview(), game.board().current()));
  QCOMPARE(panel->explanation()->toPlainText().toStdString(), path.steps[5].move.explanation());
  QVERIFY(panel->applyButton()->isEnabled());
  saveShot(&frame, QStringLiteral("path_panel_step_selected"));

  // A click on the grid only returns it to the game's position.
  const int states = game.board().size();
  const GridGeometry& g = grid.geometry();
  QTest::mouseClick(frame.gridWindow(), Qt::LeftButton, {}, QPoint(g.line[2] + g.unit / 2, g.line[0] + g.unit / 2));
  QVERIFY(grid.preview() == nullptr);
  QCOMPARE(game.board().size(), states);
  QVERIFY(panel->list()->currentItem() == nullptr);

  // Escape does the same, and so does any command.
  panel->list()->setFocus();
  panel->list()->setCurrentItem(panel->list()->topLevelItem(2));
  QVERIFY(grid.preview() != nullptr);
  QTest::keyClick(panel->list(), Qt::Key_Escape);
  QVERIFY(grid.preview() == nullptr);
  panel->list()->setCurrentItem(panel->list()->topLevelItem(2));
  frame.runCommand(kCmdHighlightNext);
  QVERIFY(grid.preview() == nullptr);
  QCOMPARE(game.board().size(), states);
}

void PathPanelTest::applyUpToHereAndCopyPath() {
  App a;
  a.settings.write_integer(kSolutionPath, 1);
  a.startup();
  a.pastePuzzle();
  MainFrame& frame = a.app->frame();
  PathPanel* panel = frame.pathPanel();
  Game& game = a.app->game();
  QTRY_VERIFY(panel->path() != nullptr);
  const SolutionPath first = *panel->path();

  panel->copyButton()->click();
  QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), path_steps_text(first));

  const int states = game.board().size();
  const int started = panel->computationsStarted();
  panel->list()->setCurrentItem(panel->list()->topLevelItem(3));
  panel->applyButton()->click();
  // (How the steps count as moves and hints is the game's: SolutionPath tests.)
  QCOMPARE(game.board().size(), states + 4);
  QVERIFY(same_position(game.board().current(), first.steps[4].before));
  // The path starts again from the new position.
  QTRY_VERIFY(panel->path() != nullptr && path_starts_at(*panel->path(), game.board().current()));
  QCOMPARE(panel->computationsStarted(), started + 1);
  QCOMPARE(int(panel->path()->steps.size()), int(first.steps.size()) - 4);

  // Up to the last step: solved, and congratulated.
  MessageCollector shown;
  panel->list()->setCurrentItem(panel->list()->topLevelItem(panel->list()->topLevelItemCount() - 1));
  panel->applyButton()->click();
  QVERIFY(game.board().current().is_solved());
  QCOMPARE(shown.texts.size(), 1);
}

void PathPanelTest::restartsOnEveryChangeButNeverRunsTwoAtOnce() {
  App a;
  a.settings.write_integer(kSolutionPath, 1);
  a.startup();
  a.pastePuzzle(kHardPuzzle);
  MainFrame& frame = a.app->frame();
  PathPanel* panel = frame.pathPanel();
  Game& game = a.app->game();
  QTRY_VERIFY(panel->working());
  QCOMPARE(panel->heading()->text(), QStringLiteral("Working out the solution path..."));
  // Moves while it works: each stale computation stops before the next starts.
  for (int i = 0; i < 4; ++i) {
    const State& s = game.board().current();
    for (int r = 0, done = 0; r < 9 && !done; ++r) {
      for (int c = 0; c < 9 && !done; ++c) {
        if (s.cell(r, c).answer != 0) continue;
        int d = 1;
        while (!s.cell(r, c).is_possible(d)) ++d;
        game.right_click(r, c, d, false, false);
        done = 1;
      }
    }
    QTest::qWait(60);
  }
  QTRY_VERIFY_WITH_TIMEOUT(!panel->working() && panel->path() != nullptr, 60000);
  QVERIFY(path_starts_at(*panel->path(), game.board().current()));
  QVERIFY(panel->computationsStarted() >= 2);
  QCOMPARE(panel->mostRunningAtOnce(), 1);
  // Undo is a change too. The new path may be ready before the first poll, so
  // the count of computations started tells that it was worked out again.
  const int started = panel->computationsStarted();
  game.undo();
  QTRY_VERIFY(panel->computationsStarted() > started);
  QTRY_VERIFY_WITH_TIMEOUT(!panel->working() && panel->path() != nullptr, 60000);
  QVERIFY(path_starts_at(*panel->path(), game.board().current()));
  QCOMPARE(panel->mostRunningAtOnce(), 1);
}

void PathPanelTest::closingWhileThePathIsWorkedOut() {
  App a;
  a.settings.write_integer(kSolutionPath, 1);
  a.startup();
  a.pastePuzzle(kHardPuzzle);
  MainFrame& frame = a.app->frame();
  QTRY_VERIFY(frame.pathPanel()->working());
  // Whatever the close asks is answered No.
  QPointer<QTimer> answer = answerMessage(QMessageBox::No);
  QElapsedTimer clock;
  clock.start();
  frame.close();
  QTRY_VERIFY(!frame.isVisible());
  a.app.reset();
  QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
  delete answer.data();
}

}  // namespace vantry::uitest
