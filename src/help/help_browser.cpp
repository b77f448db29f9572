#include "help/help_browser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace vantry {

namespace {

const QString kTitleEnd = QStringLiteral(" - Vantry Help");
// The help is not made narrower than this to fit beside a window.
constexpr int kNarrowest = 420;

QString readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The words of a query: split at white space, punctuation around them dropped
// ("X-wing," is the word x-wing).
QStringList queryWords(const QString& query) {
  QStringList words;
  static const QRegularExpression ends(QStringLiteral("^[^\\w]+|[^\\w]+$"));
  for (QString word : query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    word.remove(ends);
    if (!word.isEmpty()) words << word;
  }
  return words;
}

// The sentence of text around position at, at most about 200 characters.
QString sentenceAround(const QString& text, qsizetype at) {
  qsizetype start = at;
  while (start > 0 && at - start < 120 && text[start - 1] != QLatin1Char('.') && text[start - 1] != QLatin1Char('\n')) {
    --start;
  }
  qsizetype end = at;
  while (end < text.size() && end - at < 120 && text[end] != QLatin1Char('.') && text[end] != QLatin1Char('\n')) {
    ++end;
  }
  if (end < text.size() && text[end] == QLatin1Char('.')) ++end;
  QString sentence = text.mid(start, end - start).simplified();
  if (start > 0 && text[start - 1] != QLatin1Char('.') && text[start - 1] != QLatin1Char('\n')) {
    sentence.prepend(QStringLiteral("... "));
  }
  return sentence;
}

}  // namespace

HelpBrowser::HelpBrowser(const QString& helpPath, QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("Vantry Help"));
  // An open help window does not keep the program running once the main
  // window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  const QFileInfo file(helpPath);
  const QDir beside = file.absoluteDir();
  // The pages of the help "file": a folder named like it beside the program,
  // else "help" beside it, else the installed share/vantry/help.
  const QStringList candidates{beside.filePath(file.completeBaseName()), beside.filePath(QStringLiteral("help")),
                               beside.filePath(QStringLiteral("../share/vantry/help"))};
  m_folder = candidates.first();
  for (const QString& folder : candidates) {
    if (QFileInfo(folder).isDir()) {
      m_folder = QDir::cleanPath(folder);
      break;
    }
  }
  m_browser = new QTextBrowser(this);
  m_browser->setOpenExternalLinks(true);
  m_browser->setSearchPaths({m_folder});

  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  auto* back = new QPushButton(QStringLiteral("&Back"), this);
  auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
  m_search = new QLineEdit(this);
  m_search->setPlaceholderText(QStringLiteral("Search the help for words"));
  m_search->setClearButtonEnabled(true);
  auto* find = new QPushButton(QStringLiteral("&Search"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, &HelpBrowser::show_contents);
  connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  auto runSearch = [this] { showSearchResults(m_search->text()); };
  connect(m_search, &QLineEdit::returnPressed, this, runSearch);
  connect(find, &QPushButton::clicked, this, runSearch);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(6, 6, 6, 0);
  bar->addWidget(contents);
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addSpacing(12);
  bar->addWidget(m_search, 1);
  bar->addWidget(find);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(bar);
  layout->addWidget(m_browser, 1);
  resize(660, 640);
}

QString HelpBrowser::pageFile(const QString& page) const {
  return QDir(m_folder).filePath(page + QStringLiteral(".html"));
}

void HelpBrowser::show_topic(int context) { open(QString::number(context), QStringLiteral("topic %1").arg(context)); }

void HelpBrowser::show_contents() { open(QStringLiteral("contents"), QStringLiteral("the contents")); }

void HelpBrowser::showPage(const QString& page) { open(page, QStringLiteral("\"%1\"").arg(page)); }

void HelpBrowser::open(const QString& page, const QString& what) {
  const QString path = pageFile(page);
  if (QFileInfo(path).isFile()) {
    m_browser->setSource(QUrl::fromLocalFile(path));
  } else {
    m_browser->setPlainText(QStringLiteral("The help page for %1 could not be found.\n\n"
                                           "Vantry looked for it in:\n%2\n\n"
                                           "The help pages are installed beside the program.")
                                .arg(what, QDir::toNativeSeparators(path)));
  }
  if (!isVisible()) {
    // Beside the window the player asked from: a dialog's owner, else the
    // active window itself.
    const QWidget* from = QApplication::activeWindow();
    while (from != nullptr && from->parentWidget() != nullptr) from = from->parentWidget()->window();
    if (from != nullptr && from != this) placeBeside(from);
  }
  show();
  raise();
  activateWindow();
}

void HelpBrowser::placeBeside(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QScreen* screen = window->screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(frame.topLeft(), QSize(1920, 1080));
  // The window frame around the page adds to the size the window manager shows.
  const int frameWidth = frameGeometry().width() - width();
  const int w = width() + frameWidth;
  const int right = room.right() - frame.right();  // free pixels on each side
  const int left = frame.left() - room.left();
  int x = 0;
  if (right >= w) {
    x = frame.right() + 1;
  } else if (left >= w) {
    x = frame.left() - w;
  } else if (qMax(left, right) >= kNarrowest + frameWidth) {
    // Narrower rather than over the window, on the side with more room.
    resize(qMax(left, right) - frameWidth, height());
    x = right >= left ? frame.right() + 1 : room.left();
  } else {
    x = room.right() - w + 1;
  }
  const int y = qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() - frameGeometry().height() + 1));
  move(qMax(room.left(), x), y);
}

void HelpBrowser::loadTexts() const {
  if (!m_pages.isEmpty()) return;
  // The contents' order first, then any page it does not link.
  QStringList files;
  static const QRegularExpression href(QStringLiteral("href=\"([^\"#:]+\\.html)\""));
  const QString contents = readFile(pageFile(QStringLiteral("contents")));
  for (auto it = href.globalMatch(contents); it.hasNext();) {
    const QString file = it.next().captured(1);
    if (!files.contains(file)) files << file;
  }
  for (const QString& file : QDir(m_folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    if (!files.contains(file) && file != QStringLiteral("contents.html")) files << file;
  }
  for (const QString& file : files) {
    const QString html = readFile(QDir(m_folder).filePath(file));
    if (html.isEmpty()) continue;
    QTextDocument document;
    document.setHtml(html);
    QString title = document.metaInformation(QTextDocument::DocumentTitle);
    if (title.endsWith(kTitleEnd)) title.chop(kTitleEnd.size());
    m_pages.append({file, title, {}});
    m_texts.append(document.toPlainText());
  }
}

QList<HelpSearchHit> HelpBrowser::search(const QString& query) const {
  loadTexts();
  const QStringList words = queryWords(query);
  QList<HelpSearchHit> inTitle, inText;
  if (words.isEmpty()) return {};
  for (qsizetype i = 0; i < m_pages.size(); ++i) {
    const QString& text = m_texts[i];
    bool all = true;
    bool titled = true;
    for (const QString& word : words) {
      all = all && text.contains(word, Qt::CaseInsensitive);
      titled = titled && m_pages[i].title.contains(word, Qt::CaseInsensitive);
    }
    if (!all) continue;
    HelpSearchHit hit = m_pages[i];
    // The first place the first word occurs after the title.
    const qsizetype body = text.indexOf(QLatin1Char('\n'));
    qsizetype at = text.indexOf(words.first(), qMax<qsizetype>(body, 0), Qt::CaseInsensitive);
    if (at < 0) at = text.indexOf(words.first(), 0, Qt::CaseInsensitive);
    hit.excerpt = sentenceAround(text, at);
    (titled ? inTitle : inText).append(hit);
  }
  return inTitle + inText;
}

void HelpBrowser::showSearchResults(const QString& query) {
  const QList<HelpSearchHit> hits = search(query);
  QString html = QStringLiteral(
      "<html><head><title>Search results - Vantry Help</title></head><body>"
      "<h1>Search results</h1>");
  const QString quoted = query.simplified().toHtmlEscaped();
  if (queryWords(query).isEmpty()) {
    html += QStringLiteral("<p>Type one or more words in the search field, then press Enter.</p>");
  } else if (hits.isEmpty()) {
    html += QStringLiteral(
                "<p>No page contains all of the words <b>%1</b>. Try fewer words, or "
                "another name for the same thing.</p>")
                .arg(quoted);
  } else {
    html += QStringLiteral("<p>%1 %2 %3 <b>%4</b>:</p><ul>")
                .arg(hits.size())
                .arg(hits.size() == 1 ? QStringLiteral("page contains") : QStringLiteral("pages contain"),
                     queryWords(query).size() == 1 ? QStringLiteral("the word") : QStringLiteral("all of the words"),
                     quoted);
    for (const HelpSearchHit& hit : hits) {
      const QString url = QUrl::fromLocalFile(QDir(m_folder).filePath(hit.file)).toString();
      html += QStringLiteral("<li><a href=\"%1\">%2</a><br>%3</li>")
                  .arg(url.toHtmlEscaped(), hit.title.toHtmlEscaped(), hit.excerpt.toHtmlEscaped());
    }
    html += QStringLiteral("</ul>");
  }
  html += QStringLiteral("<hr><p><a href=\"%1\">Contents</a></p></body></html>")
              .arg(QUrl::fromLocalFile(pageFile(QStringLiteral("contents"))).toString().toHtmlEscaped());
  m_browser->setHtml(html);
  if (!isVisible()) show();
}

}  // namespace vantry
