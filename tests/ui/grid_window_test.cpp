// The grid widget over the engine: its geometry, mouse clicks on exact
// possibility slots, chains and colouring, keys on the number row and the
// keypad, and what a drawing shows (rendered to PNG files to look at).
#include <QAbstractButton>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "strategy/hint_templates.h"
#include "ui/coloring_dialog.h"
#include "ui/hint_dialogs.h"
#include "ui/main_frame.h"
#include "ui/qt_canvas.h"
#include "ui/qt_platform.h"
#include "ui/ts_window.h"
#include "ui_test_support.h"
#include "ui_tests.h"

namespace vantry::uitest {

namespace {

// The centre of possibility d's slot in cell (r, c).
QPoint slot(const GridGeometry& g, int r, int c, int d) {
  return QPoint(g.line[c] + ((d - 1) % 3) * g.unit + g.unit / 2, g.line[r] + ((d - 1) / 3) * g.unit + g.unit / 2);
}

const Cell& cellAt(App& a, int r, int c) { return a.app->game().board().current().cell(r, c); }

}  // namespace

void GridWindowTest::canvasMeasuresCharacterHeightsAndDrawsInPixels() {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    QtCanvas canvas(painter);
    // A font asked for at a character height measures that high, so the
    // grid's font scaling (target height * 100 / measured "8") holds.
    canvas.set_font_height(100);
    int width = 0, height = 0;
    canvas.measure("8", width, height);
    QVERIFY2(height >= 99 && height <= 101, qPrintable(QString::number(height)));
    QVERIFY(width > 20 && width < height);
    // Fills and lines land on exact pixels, after the origin.
    canvas.set_origin(1, 1);
    canvas.fill_rect({10, 10, 20, 20}, rgb(255, 0, 0));
    canvas.line(0, 40, 30, 40, 1, rgb(0, 0, 255), LineCap::Round);
    // Opaque text fills its cell with the background first.
    canvas.set_font_height(12);
    canvas.text_centred(45, 2, "5", rgb(0, 0, 0), true, rgb(0, 255, 0));
  }
  painter.end();
  QCOMPARE(image.pixelColor(11, 11), QColor(255, 0, 0));
  QCOMPARE(image.pixelColor(20, 20), QColor(255, 0, 0));
  QCOMPARE(image.pixelColor(21, 21), QColor(Qt::white));
  QCOMPARE(image.pixelColor(1, 41), QColor(0, 0, 255));
  QCOMPARE(image.pixelColor(31, 41), QColor(0, 0, 255));  // both end points
  QCOMPARE(image.pixelColor(32, 41), QColor(Qt::white));
  QCOMPARE(image.pixelColor(46, 3), QColor(0, 255, 0));
}

void GridWindowTest::geometryFollowsTheClientSize() {
  MemorySettings settings;
  QtPlatform platform(&settings);
  Game game(platform, platform);
  GridWindow grid(game);
  TSWindow window(grid);
  window.resize(300, 330);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  // The engine sees the client size: a unit of 11 and 30 pixels to spare below.
  QCOMPARE(grid.geometry().unit, 11);
  QCOMPARE(grid.geometry().surplus_height, 30);
  QCOMPARE(window.sizeHint(), QSize(300, 300));
  window.resize(651, 600);
  QTRY_COMPARE(grid.geometry().unit, (600 - 3) / 27);
}

void GridWindowTest::clicksOnSlotsPlaceRemoveAndRestore() {
  App a;
  a.startup();
  TSWindow* w = a.app->frame().gridWindow();
  const GridGeometry& g = a.app->grid().geometry();
  QVERIFY(g.unit > 0);
  // Before there is a puzzle a click says so.
  QString said;
  answerMessage(QMessageBox::Ok, &said);
  QTest::mouseClick(w, Qt::LeftButton, {}, slot(g, 0, 2, 4));
  QVERIFY(said.startsWith(QStringLiteral("There is no valid puzzle yet!")));
  a.pastePuzzle();

  // Cell (0,2) is empty and takes 4; a slot whose digit is not possible
  // there (5, given in the row) does nothing.
  QTest::mouseClick(w, Qt::LeftButton, {}, slot(g, 0, 2, 5));
  QCOMPARE(cellAt(a, 0, 2).answer, 0);
  QTest::mouseClick(w, Qt::LeftButton, {}, slot(g, 0, 2, 4));
  QCOMPARE(cellAt(a, 0, 2).answer, 4);

  // A right click removes possibility 2 of cell (0,3). (Giving it back is
  // the game's rule, checked with the game.)
  QVERIFY(cellAt(a, 0, 3).is_possible(2));
  QTest::mouseClick(w, Qt::RightButton, {}, slot(g, 0, 3, 2));
  QVERIFY(!cellAt(a, 0, 3).is_possible(2));

  // The last pixel of the grid still hits; one beyond it hits nothing.
  const int end = g.extent - 1;
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(end, end));  // digit 9 of (8,8): a given
  QCOMPARE(cellAt(a, 8, 8).answer, 9);
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(g.extent + 1, 5));
  QCOMPARE(a.app->game().statistics().moves_made, 2);  // a placement and a removal
}

void GridWindowTest::shiftDragBuildsAChainAndCtrlClickColours() {
  App a;
  a.startup();
  a.pastePuzzle();
  TSWindow* w = a.app->frame().gridWindow();
  const GridGeometry& g = a.app->grid().geometry();

  QTest::mousePress(w, Qt::LeftButton, Qt::ShiftModifier, slot(g, 0, 2, 5));
  QVERIFY(w->chainCursorShown());
  QTest::mouseRelease(w, Qt::LeftButton, Qt::ShiftModifier, slot(g, 4, 2, 5));
  QVERIFY(!w->chainCursorShown());
  QCOMPARE(a.app->game().board().current().chain_length(), 2);
  QCOMPARE(a.app->game().board().current().chain_row(1), 4);

  // Control + click opens "Color this cell" under the mouse; the third
  // colour is element 23.
  QPoint dialogAt;
  whenModal<ColoringDialog>([&](ColoringDialog* d) {
    dialogAt = d->geometry().topLeft();
    d->button(103)->click();
  });
  const QPoint clicked = slot(g, 2, 0, 5);
  QTest::mouseClick(w, Qt::LeftButton, Qt::ControlModifier, clicked);
  QCOMPARE(cellAt(a, 2, 0).color, 23);
  // The default choice is Color 1: its button's centre lies under the mouse.
  QCOMPARE(dialogAt + QPoint(24, 24), w->mapToGlobal(clicked));
  // Control + right click takes the colouring away again.
  QTest::mouseClick(w, Qt::RightButton, Qt::ControlModifier, clicked);
  QCOMPARE(cellAt(a, 2, 0).color, 0);
  QCOMPARE(a.app->game().statistics().moves_made, 0);  // neither is a move
}

void GridWindowTest::paintsWhatThePlayerShouldSee() {
  App a;
  a.startup();
  MainFrame& frame = a.app->frame();
  TSWindow* w = frame.gridWindow();
  GridWindow& grid = a.app->grid();
  saveShot(&frame, QStringLiteral("main_new_game"));
  a.pastePuzzle();
  const GridGeometry& g = grid.geometry();
  QImage image = w->grab().toImage();
  saveShot(&frame, QStringLiteral("main_puzzle"));
  // A given answer is drawn in its colour somewhere in its cell.
  auto cellHas = [&](const QImage& img, int r, int c, Colorref color) {
    const QColor want = toQColor(color);
    for (int y = g.line[r] + 3; y < g.line[r + 1] - 2; ++y) {
      for (int x = g.line[c] + 3; x < g.line[c + 1] - 2; ++x) {
        if (img.pixelColor(x, y) == want) return true;
      }
    }
    return false;
  };
  QVERIFY(cellHas(image, 0, 0, grid.colors().get(1)));    // the given 5
  QVERIFY(cellHas(image, 0, 2, grid.colors().get(3)));    // possibilities of an empty cell
  QVERIFY(!cellHas(image, 0, 2, grid.colors().get(14)));  // nothing highlighted yet

  // Highlighting 5 gives the cells holding it the highlight background; a
  // coloured cell keeps its colouring.
  grid.run_command(11853);
  whenModal<ColoringDialog>([](ColoringDialog* d) { d->button(105)->click(); });
  QTest::mouseClick(w, Qt::LeftButton, Qt::ControlModifier, slot(g, 8, 0, 1));
  // A chain of the player's from (6,2) down to (8,2): one vertical segment,
  // moved right of the centres, in the chain colour.
  QTest::mousePress(w, Qt::LeftButton, Qt::ShiftModifier, slot(g, 6, 2, 5));
  QTest::mouseRelease(w, Qt::LeftButton, Qt::ShiftModifier, slot(g, 8, 2, 5));
  image = w->grab().toImage();
  const int chainX = g.line[2] + g.half_cell + g.chain_offset - 4;
  QCOMPARE(image.pixelColor(chainX, g.line[7] + g.half_cell), toQColor(grid.colors().get(10)));
  saveShot(&frame, QStringLiteral("main_highlight_and_colouring"));
  // Each cell's bottom-right corner shows its background.
  int highlighted = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const QColor bg = image.pixelColor(g.line[c + 1] - 4, g.line[r + 1] - 4);
      if (cellAt(a, r, c).color != 0) {
        QCOMPARE(bg, toQColor(grid.colors().get(25)));
      } else if (cellAt(a, r, c).is_possible(5)) {
        QCOMPARE(bg, toQColor(grid.colors().get(14)));
        ++highlighted;
      } else {
        QCOMPARE(bg, toQColor(grid.colors().get(0)));
      }
    }
  }
  QVERIFY(highlighted > 0);

  // A Big hint on screen: the marks are drawn while the dialog asks.
  grid.run_command(11858);
  bool marked = false;
  whenModal<HintDialog>([&](HintDialog* d) {
    QApplication::processEvents();
    const QImage shown = w->grab().toImage();
    saveShot(&frame, QStringLiteral("main_big_hint"));
    saveShot(d, QStringLiteral("big_hint_dialog"));
    for (int r = 0; r < 9 && !marked; ++r) {
      for (int c = 0; c < 9 && !marked; ++c) {
        const Cell& cell = cellAt(a, r, c);
        bool any = cell.cellMark != 0;
        for (int dd = 1; dd <= 9; ++dd) any = any || cell.digitMark[dd] != 0;
        if (any) {
          const Colorref color = grid.colors().get(cell.cellMark ? cell.cellMark : 9);
          marked = cellHas(shown, r, c, color) || cellHas(shown, r, c, grid.colors().get(8));
        }
      }
    }
    d->button(kButtonNo)->click();
  });
  a.app->grid().run_command(kCmdBigHint);
  QVERIFY(marked);
}

}  // namespace vantry::uitest
