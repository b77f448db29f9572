// The help pages as the built program finds them beside itself: every topic
// the program can open has its page, every page and picture exists and every
// link resolves, each strategy guide has its picture and its other names,
// each picture's position really has the pictured move as the engine's next
// move, and the help window searches, opens beside the main window and
// answers F1.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include <fstream>

#include "cli/console_platform.h"
#include "game/game.h"
#include "help/help_browser.h"
#include "help/help_key.h"
#include "help/practice_link.h"
#include "model/state.h"
#include "picture_positions.h"
#include "strategy/extended/extended_table.h"
#include "strategy/strategy_table.h"

namespace vantry::uitest {

class HelpPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void everyTopicOpensItsOwnPage();
  void everyPageAndPictureExistsAndEveryLinkResolves();
  void everyStrategyGuideShowsItsPictureAndOtherNames();
  void everyPictureShowsTheEnginesNextMove();
  void searchFindsPagesByTheirWords();
  void helpOpensBesideTheMainWindow();
  void f1OpensTheHelpOfTheFocusedWindow();
  void screenshotsOfGuidesAndSearch();
};

namespace {

// The help window as the vantry program in the build tree opens it.
QString helpPathBesideTheProgram() { return QStringLiteral(VANTRY_PROGRAM_DIR "/Vantry.chm"); }
QString helpFolder() { return QStringLiteral(VANTRY_PROGRAM_DIR "/help"); }

QString readPage(const QString& file) {
  QFile f(QDir(helpFolder()).filePath(file));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// The targets of a page's links (href) or pictures (src), in order.
QStringList targetsOf(const QString& html, const QString& attribute) {
  QStringList targets;
  const QRegularExpression re(attribute + QStringLiteral("=\"([^\"]+)\""));
  for (auto it = re.globalMatch(html); it.hasNext();) targets << it.next().captured(1);
  return targets;
}

QStringList pageFiles() { return QDir(helpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name); }

std::vector<PicturePosition> picturePositions() {
  std::ifstream file(VANTRY_HELP_SOURCE_DIR "/pictures.txt");
  std::vector<std::string> errors;
  std::vector<PicturePosition> positions = read_picture_positions(file, errors);
  for (const std::string& e : errors) qWarning("pictures.txt: %s", e.c_str());
  if (!errors.empty()) positions.clear();
  return positions;
}

// Never the next move where the standard strategies are stuck.
constexpr int kEmptyRectangle = 47;

QString strategyName(int n) { return QString::fromUtf8(strategy_row(n).name); }

}  // namespace

void HelpPagesTest::everyTopicOpensItsOwnPage() {
  HelpBrowser help(helpPathBesideTheProgram());
  // A strategy page carries every table name of its topic (two rows share the
  // composite chain's) and its level, so a page saved under the wrong number shows.
  for (int i = 0; i < kStrategyRows; ++i) {
    const StrategyRow& row = kStrategyTable[i];
    QVERIFY(row.help_context >= kHelpFirstStrategy && row.help_context <= kHelpLastStrategy);
    help.show_topic(row.help_context);
    const QString text = help.browser()->toPlainText();
    QVERIFY2(!text.contains(QStringLiteral("could not be found")), row.name);
    QVERIFY2(text.contains(QString::fromUtf8(row.name), Qt::CaseInsensitive), row.name);
    const QString level =
        QStringLiteral("level ") + QString::fromUtf8(kLevelWords[row.level].data(), kLevelWords[row.level].size());
    QVERIFY2(text.contains(level), row.name);
  }
  const QList<std::pair<int, QString>> features{{kHelpGettingStarted, QStringLiteral("Getting Started")},
                                                {kHelpColorDialog, QStringLiteral("Colors")},
                                                {kHelpColorThisCell, QStringLiteral("Color This Cell")}};
  for (const auto& [topic, title] : features) {
    help.show_topic(topic);
    QVERIFY(help.browser()->toPlainText().startsWith(title));
    QCOMPARE(help.browser()->documentTitle(), title + QStringLiteral(" - Vantry Help"));
  }
  // A link followed inside the window opens the linked page from the same folder.
  help.show_topic(kHelpGettingStarted);
  help.browser()->setSource(help.browser()->source().resolved(QUrl(QStringLiteral("contents.html"))));
  QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Vantry Help"));
  help.showPage(QStringLiteral("no-such-page"));
  QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("could not be found")));
}

void HelpPagesTest::everyPageAndPictureExistsAndEveryLinkResolves() {
  const QStringList pages = pageFiles();
  QVERIFY(pages.size() > 60);
  QSet<QString> picturesShown;
  for (const QString& page : pages) {
    const QString html = readPage(page);
    QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page));
    for (const QString& link : targetsOf(html, QStringLiteral("href"))) {
      // Web links, and the program's own links that start Practice.
      if (link.startsWith(QStringLiteral("http")) || link.startsWith(QStringLiteral("vantry:"))) continue;
      const QString file = link.section(QLatin1Char('#'), 0, 0);
      const QString anchor = link.section(QLatin1Char('#'), 1);
      const QString target = file.isEmpty() ? html : readPage(file);
      QVERIFY2(!target.isEmpty(), qPrintable(page + QStringLiteral(" links to a missing ") + link));
      if (!anchor.isEmpty()) {
        QVERIFY2(target.contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                 qPrintable(page + QStringLiteral(" links to a missing place ") + link));
      }
    }
    for (const QString& src : targetsOf(html, QStringLiteral("src"))) {
      QVERIFY2(QFileInfo(QDir(helpFolder()).filePath(src)).isFile(), qPrintable(page + QStringLiteral(": ") + src));
      picturesShown.insert(QFileInfo(src).fileName());
    }
    // Every page leads back to the contents, and the contents list every page.
    if (page != QStringLiteral("contents.html")) {
      QVERIFY2(targetsOf(html, QStringLiteral("href")).contains(QStringLiteral("contents.html")), qPrintable(page));
      QVERIFY2(targetsOf(readPage(QStringLiteral("contents.html")), QStringLiteral("href")).contains(page),
               qPrintable(page + QStringLiteral(" is not in the contents")));
    }
  }
  // Every picture is shown by a page and comes from the position file.
  const QStringList images = QDir(helpFolder() + QStringLiteral("/images")).entryList({QStringLiteral("*.png")});
  QCOMPARE(QSet<QString>(images.begin(), images.end()), picturesShown);
  QSet<QString> positioned;
  for (const PicturePosition& p : picturePositions()) positioned.insert(QString::fromStdString(p.picture) + ".png");
  QCOMPARE(positioned, picturesShown);
}

void HelpPagesTest::everyStrategyGuideShowsItsPictureAndOtherNames() {
  QMap<QString, int> strategyOfPicture;
  for (const PicturePosition& p : picturePositions()) {
    strategyOfPicture[QStringLiteral("images/%1.png").arg(QString::fromStdString(p.picture))] = p.strategy;
  }
  // The extended strategies' guides too: a picture, and their practice link.
  for (int n = 1; n <= kLastExtendedRow; ++n) {
    const int topic = strategy_row(n).help_context;
    const QString html = readPage(QStringLiteral("%1.html").arg(topic));
    bool pictured = false;
    for (const QString& src : targetsOf(html, QStringLiteral("src"))) pictured |= strategyOfPicture.value(src) == n;
    QVERIFY2(pictured, qPrintable(strategyName(n) + QStringLiteral(": no picture of its own")));
    QVERIFY2(html.contains(QStringLiteral("Other guides call it:")), qPrintable(strategyName(n)));
    QVERIFY2(html.contains(QStringLiteral("Why it works")), qPrintable(strategyName(n)));
    // "Practise this strategy" names this strategy's table number; the empty
    // rectangle, which the practice library cannot hold, offers none.
    const QString link = QString::fromStdString(practice_link(n));
    QVERIFY2(
        html.contains(QStringLiteral("<a href=\"%1\">Practise this strategy</a>").arg(link)) != (n == kEmptyRectangle),
        qPrintable(strategyName(n)));
    QCOMPARE(practice_link_strategy(link.toStdString()), n);
    // Past the first strategy, a guide links the strategies it builds on.
    if (n > 1) {
      QVERIFY2(html.contains(QStringLiteral("Builds on:")), qPrintable(strategyName(n)));
    }
  }
  // Names a learner meets elsewhere lead to Vantry's guide.
  HelpBrowser help(helpPathBesideTheProgram());
  const QList<std::pair<QString, QString>> aliases{{QStringLiteral("pointing pair"), QStringLiteral("5030.html")},
                                                   {QStringLiteral("claiming"), QStringLiteral("5040.html")},
                                                   {QStringLiteral("skyscraper"), QStringLiteral("5071.html")},
                                                   {QStringLiteral("two-string kite"), QStringLiteral("5071.html")},
                                                   {QStringLiteral("XY-chain"), QStringLiteral("5210.html")},
                                                   {QStringLiteral("Y-wing"), QStringLiteral("5100.html")},
                                                   {QStringLiteral("empty rectangle"), QStringLiteral("5110.html")}};
  for (const auto& [alias, page] : aliases) {
    bool found = false;
    for (const HelpSearchHit& hit : help.search(alias)) found |= hit.file == page;
    QVERIFY2(found, qPrintable(alias));
  }
}

void HelpPagesTest::everyPictureShowsTheEnginesNextMove() {
  const std::vector<PicturePosition> positions = picturePositions();
  QCOMPARE(int(positions.size()), kLastExtendedRow);
  for (const PicturePosition& p : positions) {
    const QString where = QStringLiteral("line %1 (%2)").arg(p.line).arg(QString::fromStdString(p.picture));
    QVERIFY2(
        QFileInfo(QStringLiteral(VANTRY_HELP_SOURCE_DIR "/pages/images/%1.png").arg(QString::fromStdString(p.picture)))
            .isFile(),
        qPrintable(where));
    State s;
    QCOMPARE(QString::fromStdString(build_position(p, s)), QString());
    ConsolePlatform platform;
    SilentView view;
    Game game(platform, view);
    show_position(p, s, game);
    // The search's next move: the pictured strategy, or the one that always
    // finds the same move first.
    const BigHintShown next = big_hint(game, platform);
    QVERIFY2(next.strategy == (p.found_first_as != 0 ? p.found_first_as : p.strategy), qPrintable(where));
    QCOMPARE(QString::fromStdString(next.marks), QString::fromStdString(p.marks));
    const BigHintShown pictured = pictured_hint(p, game, platform);
    QVERIFY2(pictured.strategy == p.strategy, qPrintable(where));
    QCOMPARE(QString::fromStdString(pictured.marks), QString::fromStdString(p.marks));
  }
}

void HelpPagesTest::searchFindsPagesByTheirWords() {
  HelpBrowser help(helpPathBesideTheProgram());
  // A title match comes first; every word must be on the page; case and
  // surrounding punctuation do not matter.
  QList<HelpSearchHit> hits = help.search(QStringLiteral("X-wing"));
  QVERIFY(!hits.isEmpty());
  QCOMPARE(hits.first().title, QStringLiteral("X-wing"));
  hits = help.search(QStringLiteral("undo UNTIL ok,"));
  QStringList files;
  for (const HelpSearchHit& hit : hits) files << hit.file;
  QVERIFY2(files.contains(QStringLiteral("menu-undo.html")) && files.contains(QStringLiteral("playing.html")),
           qPrintable(files.join(QLatin1Char(' '))));
  for (const HelpSearchHit& hit : hits) QVERIFY(!hit.excerpt.isEmpty());
  QVERIFY(help.search(QStringLiteral("spz deadly")).isEmpty());
  QVERIFY(help.search(QStringLiteral("   ")).isEmpty());

  // The search field shows the results as a page whose links open the pages.
  help.show_contents();
  help.searchField()->setText(QStringLiteral("deadly pattern"));
  QTest::keyClick(help.searchField(), Qt::Key_Return);
  const QString results = help.browser()->toHtml();
  QVERIFY(help.browser()->toPlainText().startsWith(QStringLiteral("Search results")));
  QVERIFY(results.contains(QStringLiteral("5170.html")));
  help.searchField()->setText(QStringLiteral("qqqzzz"));
  QTest::keyClick(help.searchField(), Qt::Key_Return);
  QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("No page contains")));
}

void HelpPagesTest::helpOpensBesideTheMainWindow() {
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget main;
  main.setGeometry(room.left() + 10, room.top() + 20, 200, 200);
  main.show();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  main.activateWindow();
  HelpBrowser help(helpPathBesideTheProgram());
  help.resize(room.width() / 2 - 40, 200);
  QApplication::setActiveWindow(&main);
  help.show_topic(kHelpGettingStarted);
  QVERIFY(help.isVisible());
  QVERIFY2(help.frameGeometry().left() > main.frameGeometry().right(), "right of the main window");
  QVERIFY(help.frameGeometry().right() <= room.right());
  // No room on the right: it goes on the left.
  help.hide();
  main.move(room.right() - main.frameGeometry().width() - 5, main.y());
  help.placeBeside(&main);
  QVERIFY(help.frameGeometry().right() < main.frameGeometry().left());
  // Room on neither side for its width: narrower, beside it all the same.
  main.setGeometry(room.left(), room.top(), room.width() - 500, 200);
  help.resize(600, 200);
  help.placeBeside(&main);
  QVERIFY(help.width() < 600);
  QVERIFY(help.frameGeometry().left() > main.frameGeometry().right());
  QVERIFY(help.frameGeometry().right() <= room.right());
}

void HelpPagesTest::f1OpensTheHelpOfTheFocusedWindow() {
  HelpBrowser help(helpPathBesideTheProgram());
  HelpKey key(help);
  // The grid (any window without a page of its own) opens the playing page.
  QWidget grid;
  key.helpFor(&grid);
  QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Playing Vantry - Vantry Help"));
  // A window that names its page or topic.
  QDialog entering;
  entering.setProperty(kHelpPageProperty, QStringLiteral("entering"));
  key.helpFor(&entering);
  QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Entering a Puzzle - Vantry Help"));
  entering.setProperty(kHelpPageProperty, kHelpGettingStarted);
  key.helpFor(&entering);
  QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Getting Started - Vantry Help"));
  // A dialog with its own help button: F1 presses it.
  QDialog hint;
  auto* explain = new QPushButton(QStringLiteral("&Explain strategy"), &hint);
  int pressed = 0;
  connect(explain, &QPushButton::clicked, [&] { ++pressed; });
  hint.show();
  QVERIFY(QTest::qWaitForWindowExposed(&hint));
  qApp->installEventFilter(&key);
  explain->setFocus();
  QApplication::setActiveWindow(&hint);
  QTest::keyClick(explain, Qt::Key_F1);
  qApp->removeEventFilter(&key);
  QCOMPARE(pressed, 1);
}

void HelpPagesTest::screenshotsOfGuidesAndSearch() {
  HelpBrowser help(helpPathBesideTheProgram());
  QDir().mkpath(QStringLiteral(VANTRY_UI_SHOTS_DIR));
  help.resize(700, 900);
  const QList<std::pair<int, QString>> guides{{5070, QStringLiteral("help_x_wing.png")},
                                              {5071, QStringLiteral("help_turbot_fish.png")},
                                              {5250, QStringLiteral("help_composite_chain.png")},
                                              {5510, QStringLiteral("help_dynamic_forcing_chain.png")}};
  for (const auto& [topic, shot] : guides) {
    help.show_topic(topic);
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QVERIFY(help.grab().save(QStringLiteral(VANTRY_UI_SHOTS_DIR "/") + shot));
  }
  help.show_contents();
  QVERIFY(help.grab().save(QStringLiteral(VANTRY_UI_SHOTS_DIR "/help_contents.png")));
  for (const QString& page : {QStringLiteral("strategies"), QStringLiteral("hints")}) {
    help.showPage(page);
    QVERIFY(help.grab().save(QStringLiteral(VANTRY_UI_SHOTS_DIR "/help_%1.png").arg(page)));
  }
  help.searchField()->setText(QStringLiteral("chain"));
  help.showSearchResults(help.searchField()->text());
  QVERIFY(help.grab().save(QStringLiteral(VANTRY_UI_SHOTS_DIR "/help_search.png")));
}

}  // namespace vantry::uitest

QTEST_MAIN(vantry::uitest::HelpPagesTest)
#include "help_pages_test.moc"
