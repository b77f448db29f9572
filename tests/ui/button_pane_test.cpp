// The button pane on the offscreen platform, beside the real program's grid:
// its buttons reach their commands, the score follows the game, the two
// lines show their texts and colours, the clock stops while minimised, and
// the pane is rendered beside the grid on both sides.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>
#include <map>
#include <vector>

#include "classlib/settings_keys.h"
#include "view/color_mgr.h"
#include "view/color_schemes.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "view/grid_geometry.h"
#include "view/highlight.h"
#include "strategy/strategy.h"
#include "ui/button_pane.h"
#include "ui/layout_window.h"
#include "ui/main_frame.h"
#include "ui/qt_canvas.h"
#include "ui/qt_platform.h"
#include "ui/ts_window.h"
#include "ui_test_support.h"
#include "ui_tests.h"

namespace vantry::uitest {

namespace {

// A started program with a puzzle and a pane that hears the game's changes.
struct PaneApp : App {
  std::unique_ptr<ButtonPane> pane;
  int focusCalls = 0;

  PaneApp() {
    startup();
    pane = std::make_unique<ButtonPane>(
        app->game(), app->grid(), [this](int id) { app->frame().runCommand(id); }, [this] { ++focusCalls; });
    auto& calls = app->platform().calls();
    calls.paneChanged = [this, frameCall = calls.paneChanged](PaneUpdate u) {
      if (frameCall) frameCall(u);
      pane->refresh(u);
    };
    pane->setUp();
    pastePuzzle();
  }
  Game& game() { return app->game(); }
  void click(int id) { QTest::mouseClick(pane->control(id), Qt::LeftButton); }
  QString value(ScoreField f) { return pane->scoreValue(f)->text(); }
};

// The pixels of a rendered text that are inked in red (240, 0, 0) and in
// black or grey, the blended edges of the glyphs included.
struct Inks {
  int red = 0, dark = 0;
};
Inks inks(const QImage& image) {
  Inks n;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() >= 200 && c.green() < 60 && c.blue() < 60) ++n.red;
      if (c.red() < 150 && std::abs(c.red() - c.green()) < 30 && std::abs(c.red() - c.blue()) < 30) ++n.dark;
    }
  }
  return n;
}

}  // namespace

void ButtonPaneTest::buttonsReachTheirCommandsAndCountersFollow() {
  PaneApp a;
  Game& game = a.game();
  QCOMPARE(a.pane->control(6008)->property("text").toString(), QStringLiteral("Undo"));
  game.left_click(0, 2, kSolution[2] - '0');
  QCOMPARE(a.value(ScoreField::MovesMade), QStringLiteral("1"));
  a.click(6008);  // Undo
  QCOMPARE(game.board().current().cell(0, 2).answer, 0);
  QCOMPARE(a.value(ScoreField::MovesUndone), QStringLiteral("1"));
  QVERIFY(a.focusCalls > 0);
  a.click(6010);  // Redo
  QCOMPARE(game.board().current().cell(0, 2).answer, kSolution[2] - '0');

  // Highlight digit 5, then Clear; the mode radio disables the rules.
  a.click(6032);
  QVERIFY(a.app->grid().highlight().digits[5]);
  QVERIFY(static_cast<ODButton2*>(a.pane->control(6032))->pressed());
  a.click(6017);
  QVERIFY(!a.app->grid().highlight().digits[5]);
  QVERIFY(!static_cast<ODButton2*>(a.pane->control(6032))->pressed());
  a.click(6027);
  QCOMPARE(a.app->grid().highlight().mode, kCmdModeCount);
  QVERIFY(!a.pane->control(6022)->isEnabled());
  QVERIFY(static_cast<QRadioButton*>(a.pane->control(6027))->isChecked());
  a.click(6026);
  QVERIFY(a.pane->control(6022)->isEnabled());

  // Pause and Resume (what pausing does to the clock is the game's).
  a.click(6018);
  QVERIFY(game.paused());
  a.click(6019);
  QVERIFY(!game.paused());

  // Check Solution shows its message; the lists choose what Create and Practice make.
  QString shown;
  answerMessage(QMessageBox::Ok, &shown);
  a.click(6014);
  QTRY_VERIFY(!shown.isEmpty());
  QVERIFY(shown.startsWith(QStringLiteral("This puzzle can be solved.")));
  auto* difficulty = static_cast<QComboBox*>(a.pane->control(6037));
  QCOMPARE(difficulty->count(), 6);
  emit difficulty->activated(3);
  QCOMPARE(game.chosen_difficulty(), Difficulty::Expert);
  auto* strategy = static_cast<QComboBox*>(a.pane->control(6038));
  QVERIFY(strategy->itemText(0) < strategy->itemText(1));  // alphabetical
  emit strategy->activated(2);
  QCOMPARE(game.chosen_strategy(), strategy->itemData(2).toInt());

  game.count_hint(HintLevel::Medium);
  QCOMPARE(a.value(ScoreField::MediumHints), QStringLiteral("1"));
}

void ButtonPaneTest::highlightButtonsFollowTheCountsInBothModes() {
  PaneApp a;
  Game& game = a.game();
  // Fill every three of the solution: button 3 greys out in mode Possibilities.
  for (int i = 0; i < 81; ++i) {
    if (kSolution[i] == '3' && kPuzzle[i] == '0') game.left_click(i / 9, i % 9, 3);
  }
  a.app->frame().gridWindow()->grab();  // a drawing passes the counts on
  QVERIFY(!a.pane->control(6030)->isEnabled());
  QVERIFY(a.pane->control(6031)->isEnabled());
  a.click(6027);
  a.app->frame().gridWindow()->grab();
  const auto& counts = a.app->grid().possibility_counts();
  for (int d = 1; d <= 9; ++d) QCOMPARE(a.pane->control(6027 + d)->isEnabled(), counts[d] > 0);
}

void ButtonPaneTest::statusLineTextsColoursAndTheCheckBoxSetting() {
  PaneApp a;
  Game& game = a.game();
  QLabel* line = a.pane->statusLine();
  a.click(6021);
  QVERIFY(!line->isHidden());
  QVERIFY(a.pane->control(6014)->isHidden());
  QCOMPARE(line->text(), QStringLiteral("OK"));
  QVERIFY(line->font().bold());
  QCOMPARE(line->palette().color(QPalette::WindowText), toQColor(a.app->grid().colors().get(kColorAnswerGiven)));
  for (int d = 1; d <= 9; ++d) {
    if (d != kSolution[2] - '0' && game.board().current().cell(0, 2).is_possible(d)) {
      game.left_click(0, 2, d);
      break;
    }
  }
  QCOMPARE(line->text(), QStringLiteral("NO SOLUTION!"));
  QCOMPARE(line->palette().color(QPalette::WindowText), QColor(240, 0, 0));
  QVERIFY(a.app->grid().stop_solving());
  // What the player sees: the text's pixels are red, none of them black.
  const Inks seen = inks(line->grab().toImage());
  saveShot(line, QStringLiteral("status_no_solution"));
  QVERIFY(seen.red > 20);
  QCOMPARE(seen.dark, 0);

  a.click(6020);
  QVERIFY(!a.pane->nextMoveLine()->isHidden());
  QVERIFY(!a.pane->nextMoveLine()->text().isEmpty());
  QVERIFY(!game.busy().is_busy());

  // Unchecked, "Check Solution" stands in; a new pane on the same settings agrees.
  a.click(6021);
  QVERIFY(line->isHidden());
  QVERIFY(!a.pane->control(6014)->isHidden());
  ButtonPane again(game, a.app->grid(), {}, {});
  again.setUp();
  QVERIFY(!static_cast<QCheckBox*>(again.control(6021))->isChecked());
  QVERIFY(static_cast<QCheckBox*>(again.control(6020))->isChecked());
  QVERIFY(!again.control(6014)->isHidden());
}

void ButtonPaneTest::listsFollowTheRememberedChoicesAtOnce() {
  App a;
  a.startup();
  MainFrame& frame = a.app->frame();
  Game& game = a.app->game();
  ButtonPane* pane = frame.buttonPane();
  auto* difficulty = static_cast<QComboBox*>(pane->control(6037));
  auto* strategy = static_cast<QComboBox*>(pane->control(6038));
  QCOMPARE(difficulty->currentText(), QStringLiteral("Easy"));
  // The menu commands are cancelled as soon as they start computing: the
  // choice they remember is what counts.
  QTimer canceller;
  canceller.setInterval(1);
  connect(&canceller, &QTimer::timeout, [&] {
    if (game.busy().is_busy()) game.busy().cancel();
  });
  canceller.start();
  frame.runCommand(create_command(Difficulty::Hard));  // File > Create new > Hard
  QCOMPARE(difficulty->currentText(), QStringLiteral("Hard"));
  const int n = strategy_count() - 1;
  QVERIFY(n != game.chosen_strategy());
  frame.runCommand(kCmdPracticeBase + n);  // File > Practice > the last but one
  QCOMPARE(strategy->currentText(), QString::fromUtf8(strategy_row(n).name));
  QCOMPARE(strategy->currentData().toInt(), n);
  // The pane's Create makes what the list shows.
  int ran = 0;
  ButtonPane own(game, a.app->grid(), [&](int id) { ran = id; }, {});
  own.setUp();
  QTest::mouseClick(own.control(6000), Qt::LeftButton);
  QCOMPARE(ran, create_command(Difficulty::Hard));
}

namespace {

QString describe(QWidget* w, const QRect& r) {
  return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
      .arg(QString::fromLatin1(w->metaObject()->className()), w->property("text").toString())
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height());
}

// What a person would see wrong with the pane in the frame's client: a
// control outside the client, two controls (or two groups) that overlap, a
// text wider or higher than its control. Empty when nothing is.
QString paneFault(MainFrame& frame) {
  QWidget* client = frame.layoutWindow();
  ButtonPane* pane = frame.buttonPane();
  std::vector<std::pair<QWidget*, QRect>> controls, groups;
  for (QWidget* w : pane->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(pane)) continue;
    const QRect r(w->mapTo(client, QPoint(0, 0)), w->size());
    if (!client->rect().contains(r)) return describe(w, r) + QStringLiteral(" outside the client");
    if (qobject_cast<QGroupBox*>(w)) groups.emplace_back(w, r);
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QComboBox*>(w);
    if (!control) continue;
    controls.emplace_back(w, r);
    const QFontMetrics fm(w->font());
    const QString text = w->property("text").toString();
    const int wide = std::max(fm.boundingRect(QRect(), Qt::TextShowMnemonic, text).width(),
                              fm.size(Qt::TextShowMnemonic, text).width());
    int room = w->width();
    // A check box or radio button draws its mark beside the text.
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      room -= w->sizeHint().width() - wide;
    }
    if (wide > room || fm.height() > w->height()) {
      return describe(w, r) + QStringLiteral(" cuts its text (%1 wide, room %2)").arg(wide).arg(room);
    }
  }
  for (const auto* list : {&controls, &groups}) {
    for (std::size_t i = 0; i < list->size(); ++i) {
      for (std::size_t j = i + 1; j < list->size(); ++j) {
        const auto& [a, ra] = (*list)[i];
        const auto& [b, rb] = (*list)[j];
        if (ra.intersects(rb)) return describe(a, ra) + QStringLiteral(" overlaps ") + describe(b, rb);
      }
    }
  }
  return {};
}

}  // namespace

void ButtonPaneTest::everyControlIsInsideTheWindow() {
  // Run by ctest once per scale factor (QT_SCALE_FACTOR), in each colour
  // scheme: a first start with no stored size, made larger; then a restart
  // on the geometry that stored, made as small as it goes.
  const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
  for (const ColorScheme& scheme : color_schemes()) {
    const QString schemeName = QString::fromUtf8(scheme.name.data(), scheme.name.size()).toLower().replace(' ', '_');
    const QString name = QStringLiteral("pane_%1_scale_%2_").arg(schemeName, scale);
    std::map<std::string, std::string> stored;
    for (int run = 1; run <= 2; ++run) {
      App a;
      for (const auto& [key, value] : stored) a.settings.stored[key] = value;
      for (int e = 0; e < kColorElements; ++e) {
        a.settings.write_integer(color_key(e), int(scheme.colors[e]));
      }
      a.startup();
      MainFrame& frame = a.app->frame();
      ButtonPane* pane = frame.buttonPane();
      QVERIFY(pane->isVisible());
      saveShot(&frame, name + QStringLiteral("run_%1").arg(run));
      QVERIFY2(paneFault(frame).isEmpty(), qPrintable(name + QString::number(run) + paneFault(frame)));
      // The grid grew with the window: it fills the grid window's width.
      QVERIFY(a.app->grid().geometry().surplus_width < 12);
      if (run == 1) {
        // Larger: the pane's fonts and controls grow, and the size is stored.
        const double zoom = pane->zoom();
        const int textHeight = QFontMetrics(pane->control(6008)->font()).height();
        frame.resize(frame.size() * 1.6);
        QTRY_VERIFY(pane->zoom() > zoom);
        QVERIFY(QFontMetrics(pane->control(6008)->font()).height() > textHeight);
        QTRY_VERIFY2(paneFault(frame).isEmpty(), qPrintable(name + "large " + paneFault(frame)));
        saveShot(&frame, name + QStringLiteral("large"));
      } else {
        // As small as the window goes: the pane at its own size, whole.
        frame.resize(1, 1);
        QTRY_COMPARE(pane->zoom(), 1.0);
        QTRY_VERIFY2(paneFault(frame).isEmpty(), qPrintable(name + "small " + paneFault(frame)));
        saveShot(&frame, name + QStringLiteral("small"));
      }
      QVERIFY(frame.close());
      a.settings.flush(false);
      stored = a.settings.stored;
    }
  }
}

void ButtonPaneTest::scoreValuesStandAtTheRightEdge() {
  App a;
  a.startup();
  ButtonPane* pane = a.app->frame().buttonPane();
  auto* resume = pane->control(6019);
  const int right = resume->mapTo(pane, QPoint(resume->width(), 0)).x();
  for (int f = 0; f < 6; ++f) {
    QLabel* value = pane->scoreValue(ScoreField(f));
    QCOMPARE(value->mapTo(pane, QPoint(value->width(), 0)).x(), right);
    QVERIFY(value->alignment() & Qt::AlignRight);
  }
}

void ButtonPaneTest::clockStopsWhileMinimised() {
  PaneApp a;
  MainFrame& frame = a.app->frame();
  a.game().restart_clock();
  QCOMPARE(a.value(ScoreField::ElapsedTime), QStringLiteral("0:00"));
  QTRY_COMPARE_WITH_TIMEOUT(a.value(ScoreField::ElapsedTime), QStringLiteral("0:01"), 3000);
  frame.showMinimized();
  QTRY_VERIFY(frame.isMinimized());
  const int seconds = a.game().statistics().seconds;
  QTest::qWait(2200);  // two ticks pass while minimised
  QCOMPARE(a.game().statistics().seconds, seconds);
  frame.showNormal();
  QTRY_VERIFY_WITH_TIMEOUT(a.game().statistics().seconds > seconds, 3000);
}

}  // namespace vantry::uitest
