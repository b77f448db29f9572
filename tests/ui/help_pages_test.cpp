// The help pages as the built program finds them beside itself: every topic
// the program can open has its page with the right title and level, the
// contents page links to all of them, and the help window shows one readably.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "help/help_browser.h"
#include "strategy/strategy_table.h"

namespace vantry::uitest {

class HelpPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void everyTopicOpensItsOwnPage();
  void contentsLinksEveryPageAndEveryPageLinksBack();
  void screenshotsOfAPageAndTheContents();
};

namespace {

// The help window as the vantry program in the build tree opens it.
QString helpPathBesideTheProgram() { return QStringLiteral(VANTRY_PROGRAM_DIR "/Vantry.chm"); }

// Every topic the program opens: the start-up prompt's, the two colour
// dialogs' and each strategy's Explain strategy topic.
QSet<int> topicsTheProgramOpens() {
  QSet<int> topics{kHelpGettingStarted, kHelpColorDialog, kHelpColorThisCell};
  for (int i = 0; i < kStrategyRows; ++i) topics.insert(kStrategyTable[i].help_context);
  return topics;
}

QString readPage(const HelpBrowser& help, const QString& page) {
  QFile file(help.pageFile(page));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The targets of a page's links, in order.
QStringList linksOf(const QString& html) {
  QStringList links;
  static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
  for (auto it = href.globalMatch(html); it.hasNext();) links << it.next().captured(1);
  return links;
}

}  // namespace

void HelpPagesTest::everyTopicOpensItsOwnPage() {
  HelpBrowser help(helpPathBesideTheProgram());
  QVERIFY2(QFileInfo(help.pageFile(QStringLiteral("contents"))).isFile(),
           qPrintable(help.pageFile(QStringLiteral("contents"))));
  // A strategy page carries every table name of its topic (two rows share the
  // composite chain's) and its level, so a page saved under the wrong number shows.
  for (int i = 0; i < kStrategyRows; ++i) {
    const StrategyRow& row = kStrategyTable[i];
    QVERIFY(row.help_context >= kHelpFirstStrategy && row.help_context <= kHelpLastStrategy);
    help.show_topic(row.help_context);
    const QString text = help.browser()->toPlainText();
    QVERIFY2(!text.contains(QStringLiteral("could not be found")), row.name);
    QVERIFY2(text.contains(QString::fromUtf8(row.name), Qt::CaseInsensitive), row.name);
    const QString level = QStringLiteral("level ") + QString::fromUtf8(kLevelWords[row.level].data(),
                                                                      kLevelWords[row.level].size());
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
}

void HelpPagesTest::contentsLinksEveryPageAndEveryPageLinksBack() {
  HelpBrowser help(helpPathBesideTheProgram());
  const QStringList links = linksOf(readPage(help, QStringLiteral("contents")));
  QSet<int> linked;
  for (const QString& link : links) {
    static const QRegularExpression topicPage(QStringLiteral("^(\\d+)\\.html$"));
    const auto m = topicPage.match(link);
    QVERIFY2(m.hasMatch(), qPrintable(link));
    QVERIFY2(!linked.contains(m.captured(1).toInt()), qPrintable(link + QStringLiteral(" twice")));
    linked.insert(m.captured(1).toInt());
  }
  QCOMPARE(linked, topicsTheProgramOpens());
  // No page lies in the folder that neither the program nor the contents
  // reaches, and every page leads back to the contents.
  const QStringList files = QDir(QFileInfo(help.pageFile(QStringLiteral("contents"))).path())
                                .entryList({QStringLiteral("*.html")}, QDir::Files);
  QCOMPARE(files.size(), linked.size() + 1);
  for (int topic : linked) {
    QVERIFY2(linksOf(readPage(help, QString::number(topic))).contains(QStringLiteral("contents.html")),
             qPrintable(QString::number(topic)));
  }
}

void HelpPagesTest::screenshotsOfAPageAndTheContents() {
  HelpBrowser help(helpPathBesideTheProgram());
  QDir().mkpath(QStringLiteral(VANTRY_UI_SHOTS_DIR));
  help.show_topic(5070);
  QVERIFY(QTest::qWaitForWindowExposed(&help));
  QVERIFY(help.grab().save(QStringLiteral(VANTRY_UI_SHOTS_DIR "/help_x_wing.png")));
  help.show_contents();
  QVERIFY(help.grab().save(QStringLiteral(VANTRY_UI_SHOTS_DIR "/help_contents.png")));
}

}  // namespace vantry::uitest

QTEST_MAIN(vantry::uitest::HelpPagesTest)
#include "help_pages_test.moc"
