// Keyboard play, colour schemes and accessibility on the real widgets: an
// Easy puzzle created and solved from the keyboard alone, the keys left as
// they were while keyboard play is off, Tab through the pane, each scheme
// and the line styles rendered, the desktop's palette followed, and the
// grid's cells read through Qt's accessibility interface.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "view/color_schemes.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "ui/button_pane.h"
#include "ui/color_dialog.h"
#include "ui/main_frame.h"
#include "ui/qt_canvas.h"
#include "ui/ts_window.h"
#include "ui_test_support.h"
#include "ui_tests.h"

namespace vantry::uitest {

namespace {

const State& now(App& a) { return a.app->game().board().current(); }

// Moves the play cursor from wherever it is to (r, c) with the arrow keys.
void arrowTo(TSWindow* w, const PlayCursor& from, int r, int c) {
  for (int i = from.row; i < r; ++i) QTest::keyClick(w, Qt::Key_Down);
  for (int i = from.row; i > r; --i) QTest::keyClick(w, Qt::Key_Up);
  for (int i = from.column; i < c; ++i) QTest::keyClick(w, Qt::Key_Right);
  for (int i = from.column; i > c; --i) QTest::keyClick(w, Qt::Key_Left);
}

}  // namespace

void KeyboardPlayTest::anEasyPuzzleCreatedAndSolvedFromTheKeyboardAlone() {
  App a;
  a.settings.write_integer(kKeyboardPlay, 1);
  a.startup();
  QVERIFY(a.app->grid().switches().keyboard_play);
  TSWindow* w = a.focusGrid();
  MessageCollector answerer;
  // Ctrl+N creates a puzzle at the remembered difficulty, Easy.
  QTest::keyClick(w, Qt::Key_N, Qt::ControlModifier);
  QTRY_VERIFY_WITH_TIMEOUT(a.app->game().puzzle_valid() && !a.app->game().busy().is_busy(), 60000);
  QCOMPARE(a.app->game().difficulty(), Difficulty::Easy);
  w = a.focusGrid();
  QTest::keyClick(w, Qt::Key_Home, Qt::ControlModifier);
  QCOMPARE(a.app->grid().play_cursor(), (PlayCursor{0, 0}));

  bool triedUndo = false;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (now(a).cell(r, c).answer != 0) continue;
      arrowTo(w, a.app->grid().play_cursor(), r, c);
      const int right = now(a).cell(r, c).solution;
      QVERIFY(right >= 1 && right <= 9);
      if (!triedUndo) {
        // A wrong digit first: placed, taken back with U, then again with Delete.
        int wrong = 0;
        for (int d = 1; d <= 9 && !wrong; ++d)
          if (d != right && now(a).cell(r, c).is_possible(d)) wrong = d;
        if (wrong) {
          triedUndo = true;
          QTest::keyClick(w, Qt::Key(Qt::Key_0 + wrong));
          QCOMPARE(now(a).cell(r, c).answer, wrong);
          saveShot(w, QStringLiteral("keyboard_play_cursor"));
          QTest::keyClick(w, Qt::Key_U);
          QCOMPARE(now(a).cell(r, c).answer, 0);
          QTest::keyClick(w, Qt::Key_0 + wrong);
          QTest::keyClick(w, Qt::Key_Backspace);
          QCOMPARE(now(a).cell(r, c).answer, 0);
          QVERIFY(now(a).cell(r, c).is_possible(wrong));
          // Control+digit removes the wrong possibility and keeps it out.
          QTest::keyClick(w, Qt::Key(Qt::Key_0 + wrong), Qt::ControlModifier);
          QVERIFY(!now(a).cell(r, c).possible[wrong]);
        }
      }
      QTest::keyClick(w, Qt::Key(Qt::Key_0 + right));
      QCOMPARE(now(a).cell(r, c).answer, right);
    }
  }
  QVERIFY(triedUndo);
  QTRY_VERIFY(answerer.texts.contains(QStringLiteral("Congratulations!  You solved the puzzle!")));
  answerer.stop();
  QVERIFY(now(a).is_solved());
  saveShot(&a.app->frame(), QStringLiteral("keyboard_play_solved"));
}

void KeyboardPlayTest::keysDoWhatTheyDidWhileKeyboardPlayIsOff() {
  App a;
  a.startup();
  a.pastePuzzle();
  TSWindow* w = a.focusGrid();
  GridWindow& grid = a.app->grid();
  const Board& board = a.app->game().board();
  auto highlighted = [&] {
    QString digits;
    for (int d = 1; d <= 9; ++d)
      if (grid.highlight().digits[d]) digits += QChar('0' + d);
    return digits;
  };
  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* after;  // the highlighted digits afterwards
  };
  // Arrows, Home and End are the keypad's digits with NumLock off and add or
  // remove one; digits (the keypad's with NumLock on too) make theirs the only
  // one; Shift with the number row types a layout's own character, which
  // adds or removes its digit alone; Delete, Backspace and Space do nothing.
  // clang-format off
  const Press presses[] = {
      {Qt::Key_Up, {}, "8"},          {Qt::Key_Down, {}, "28"},
      {Qt::Key_Left, {}, "248"},      {Qt::Key_Right, {}, "2468"},
      {Qt::Key_Home, {}, "24678"},    {Qt::Key_End, {}, "124678"},
      {Qt::Key_Home, Qt::ControlModifier, "12468"},
      {Qt::Key_Delete, {}, "12468"},  {Qt::Key_Backspace, {}, "12468"},
      {Qt::Key_5, {}, "5"},           {Qt::Key_5, Qt::ControlModifier, ""},
      {Qt::Key_3, Qt::AltModifier, "3"},
      {Qt::Key_Home, Qt::KeypadModifier, "37"},
      {Qt::Key_NumberSign, Qt::ShiftModifier, "7"},
      {Qt::Key_NumberSign, Qt::ShiftModifier, "37"},
      {Qt::Key_Space, {}, "37"},      {Qt::Key_8, Qt::KeypadModifier, "8"},
  };
  // clang-format on
  const int position = board.current_index();
  for (const Press& p : presses) {
    QTest::keyClick(w, p.key, p.modifiers);
    QCOMPARE(highlighted(), QString::fromLatin1(p.after));
  }
  // The Highlight menu's checks follow.
  QVERIFY(a.app->frame().action(kCmdHighlight1 + 7)->isChecked());
  QVERIFY(!a.app->frame().action(kCmdHighlight1 + 2)->isChecked());
  QCOMPARE(board.current_index(), position);
  QCOMPARE(a.app->game().statistics().moves_made, 0);
  QCOMPARE(grid.play_cursor(), (PlayCursor{0, 0}));
}

void KeyboardPlayTest::tabReachesThePaneAndOnlyMouseClicksGiveTheGridBack() {
  App a;
  a.startup();
  a.pastePuzzle();
  TSWindow* w = a.focusGrid();
  ButtonPane* pane = a.app->frame().buttonPane();
  // Tab walks from the grid into the pane's controls as they stand, top to
  // bottom and left to right, and back round to the grid.
  QList<QWidget*> reached;
  for (int i = 0; i < 60; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() == w) break;
    reached.append(QApplication::focusWidget());
  }
  QVERIFY(w->hasFocus());
  qsizetype last = -1;
  for (int id :
       {6000, 6037, 6001, 6038, 6002, 6006, 6008, 6013, 6020, 6021, 6028, 6036, 6017, 6022, 6027, 6018, 6019}) {
    const qsizetype at = reached.indexOf(pane->control(id));
    QVERIFY2(at > last, qPrintable(QString::number(id)));
    last = at;
  }
  // Highlight 5 worked from the keyboard keeps the focus, and shows it.
  QWidget* five = pane->control(6032);
  five->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(five->hasFocus());
  QTest::keyClick(five, Qt::Key_Space);
  QVERIFY(a.app->grid().highlight().digits[5]);
  QVERIFY(five->hasFocus());
  saveShot(pane, QStringLiteral("pane_focus_on_highlight_5"));
  // Shift+Tab goes back a control.
  QTest::keyClick(five, Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), pane->control(6031));
  // A mouse click on a pane button gives the keyboard back to the grid.
  auto* clear = qobject_cast<QAbstractButton*>(pane->control(6017));
  QTest::mouseClick(clear, Qt::LeftButton);
  QVERIFY(!a.app->grid().highlight().digits[5]);
  QTRY_VERIFY(w->hasFocus());
}

void KeyboardPlayTest::schemesAndLineStylesRendered() {
  App a;
  a.startup();
  a.pastePuzzle();
  GridWindow& grid = a.app->grid();
  grid.run_command(kCmdKeyboardPlay);
  TSWindow* w = a.focusGrid();
  // Something of everything: highlights, a hint's marks, a chain, the cursor.
  QTest::keyClick(w, Qt::Key_Right);
  QTest::keyClick(w, Qt::Key_Right);
  grid.highlight_digit(2, false);
  grid.highlight_digit(4, true);
  State& s = a.app->game().board().current();
  s.cell(0, 2).digitMark[4] = kColorHintSet;
  s.cell(0, 3).digitMark[2] = kColorHintRemove;
  s.cell(0, 3).cellMark = kColorHintRemove;
  s.cell(1, 1).digitMark[2] = kColorHintXOut;
  s.append(2, 0, false);
  s.append(2, 3, false);
  s.append(4, 3, false);
  for (int scheme = 0; scheme < int(color_schemes().size()); ++scheme) {
    whenModal<ColorDialog>([&](ColorDialog* d) {
      QCOMPARE(d->schemes()->count(), 3);
      d->chooseScheme(scheme);
      QCOMPARE(d->schemes()->currentIndex(), scheme);
      d->accept();
    });
    a.app->frame().action(kCmdChangeColors)->trigger();
    QCOMPARE(matching_scheme(grid.colors()), scheme);
    w->repaint();
    const QImage shot = w->grab().toImage();
    // Inside the given cell (0,0), beside its digit: the background.
    QCOMPARE(QColor(shot.pixel(5, 5)).rgb(), toQColor(color_schemes()[scheme].colors[kColorBackground]).rgb());
    const QString name = QStringLiteral("scheme_%1")
                             .arg(QString::fromUtf8(color_schemes()[scheme].name.data()).toLower().replace(' ', '_'));
    saveShot(&a.app->frame(), name);
    grid.run_command(kCmdNotByColorAlone);
    saveShot(w, name + QStringLiteral("_not_by_color_alone"));
    grid.run_command(kCmdNotByColorAlone);
  }
  // Cancel after a scheme puts back the colours of the opening.
  whenModal<ColorDialog>([&](ColorDialog* d) {
    d->chooseScheme(kSchemeClassic);
    QCOMPARE(matching_scheme(grid.colors()), kSchemeClassic);
    d->reject();
  });
  a.app->frame().action(kCmdChangeColors)->trigger();
  QCOMPARE(matching_scheme(grid.colors()), kSchemeHighContrast);
}

void KeyboardPlayTest::systemColorsFollowTheDesktopPaletteWhileRunning() {
  App a;
  a.startup();
  GridWindow& grid = a.app->grid();
  TSWindow* w = a.app->frame().gridWindow();
  const QPalette original = QApplication::palette();
  grid.run_command(kCmdSystemColors);
  QPalette dark = original;
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, QColor(235, 235, 235));
  QApplication::setPalette(dark);
  QTRY_COMPARE(w->palette().color(QPalette::Window), QColor(30, 30, 30));
  QCOMPARE(grid.colors().get(kColorHighlightBgAll), color_schemes()[kSchemeDark].colors[kColorHighlightBgAll]);
  saveShot(&a.app->frame(), QStringLiteral("system_colors_dark_desktop"));
  QApplication::setPalette(original);
  QTRY_COMPARE(w->palette().color(QPalette::Window), original.color(QPalette::Base));
  QCOMPARE(grid.colors().get(kColorHighlightBgAll), ColorMgr::default_color(kColorHighlightBgAll));
  grid.run_command(kCmdSystemColors);
}

void KeyboardPlayTest::gridCellsAndControlsSpeakThroughQtAccessibility() {
  App a;
  a.settings.write_integer(kKeyboardPlay, 1);
  a.startup();
  a.pastePuzzle();
  TSWindow* w = a.focusGrid();
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w);
  QVERIFY(grid);
  QCOMPARE(grid->role(), QAccessible::Table);
  QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Sudoku grid"));
  QCOMPARE(grid->childCount(), 81);
  QCOMPARE(grid->child(0)->text(QAccessible::Name), QStringLiteral("row 1, column 1: 5, given"));
  QCOMPARE(grid->child(2)->text(QAccessible::Name), QStringLiteral("row 1, column 3: possibilities 1, 2, 4"));
  QCOMPARE(grid->child(2)->role(), QAccessible::Cell);
  QCOMPARE(grid->indexOfChild(grid->child(40)), 40);
  QCOMPARE(grid->child(40)->parent(), grid);
  const QRect cell = grid->child(40)->rect();
  QCOMPARE(grid->childAt(cell.center().x(), cell.center().y()), grid->child(40));

  // The cursor is the focused cell, and each move is told. (The offscreen
  // platform has no accessibility bridge, so Qt delivers no events here:
  // what the grid tells is checked, and that its events name the right cell.)
  QTest::keyClick(w, Qt::Key_Right);
  QTest::keyClick(w, Qt::Key_Right);
  QCOMPARE(grid->focusChild(), grid->child(2));
  QVERIFY(grid->child(2)->state().focused);
  QCOMPARE(w->accessibleFocusCell(), 2);
  QAccessibleEvent focus(w, QAccessible::Focus);
  focus.setChild(w->accessibleFocusCell());
  QCOMPARE(focus.accessibleInterface(), grid->child(2));
  QTest::keyClick(w, Qt::Key_4);
  QCOMPARE(grid->child(2)->text(QAccessible::Name), QStringLiteral("row 1, column 3: 4"));
  QCOMPARE(grid->text(QAccessible::Description), QStringLiteral("4 placed in row 1, column 3"));
  QTest::keyClick(w, Qt::Key_4, Qt::ControlModifier);  // not possible in an answered cell
  QCOMPARE(grid->text(QAccessible::Description), QStringLiteral("4 placed in row 1, column 3"));
  QTest::keyClick(w, Qt::Key_Delete);
  QCOMPARE(grid->text(QAccessible::Description), QStringLiteral("4 taken back from row 1, column 3"));
  QTest::keyClick(w, Qt::Key_Down);
  QCOMPARE(w->accessibleFocusCell(), 11);
  QCOMPARE(grid->focusChild()->text(QAccessible::Name), QString::fromStdString(a.app->grid().cell_text(1, 2)));

  // Every pane control has a name to be read out.
  ButtonPane* pane = a.app->frame().buttonPane();
  for (int id = 6000; id <= 6038; ++id) {
    QWidget* control = pane->control(id);
    if (!control) continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(), qPrintable(QString::number(id)));
  }
  QCOMPARE(QAccessible::queryAccessibleInterface(pane->control(6030))->text(QAccessible::Name),
           QStringLiteral("Highlight 3"));
  // And so has the colour dialog with its controls.
  whenModal<ColorDialog>([&](ColorDialog* d) {
    QCOMPARE(QAccessible::queryAccessibleInterface(d)->text(QAccessible::Name), QStringLiteral("Change colors"));
    for (QWidget* control : {static_cast<QWidget*>(d->schemes()), static_cast<QWidget*>(d->list()), d->swatch()}) {
      QVERIFY(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty());
    }
    d->reject();
  });
  a.app->frame().action(kCmdChangeColors)->trigger();
}

}  // namespace vantry::uitest
