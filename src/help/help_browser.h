// The help viewer inside the program: a window with a QTextBrowser that shows
// the help pages kept beside the program. Their folder holds one HTML page per
// topic number ("100.html"), pages named by subject ("playing.html"), the
// pictures in "images" and "contents.html"; a page that is missing shows a
// plain note saying what was looked for. Above the page: Contents, Back,
// Forward and a search field that lists the pages holding every word typed.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "help/help_viewer.h"

class QLineEdit;
class QTextBrowser;

namespace vantry {

// One page found by the search: its file, its title and the sentence where
// the first word was found.
struct HelpSearchHit {
  QString file;
  QString title;
  QString excerpt;
};

class HelpBrowser final : public QWidget, public HelpViewer {
  Q_OBJECT
 public:
  // helpPath is the help file's path (help_file_path); its pages live in the
  // folder of the same name without the extension ("Vantry" beside the
  // program), in "help" beside it, or in "../share/vantry/help" once installed.
  explicit HelpBrowser(const QString& helpPath, QWidget* parent = nullptr);

  void show_topic(int context) override;
  void show_contents() override;
  // A page by its name without ".html" ("playing").
  void showPage(const QString& page);

  QTextBrowser* browser() const { return m_browser; }
  QLineEdit* searchField() const { return m_search; }
  // The file a topic's page is read from ("contents" for the contents).
  QString pageFile(const QString& page) const;

  // The pages whose text holds every word of the query (case ignored), the
  // pages with the words in their title first, then in contents order.
  QList<HelpSearchHit> search(const QString& query) const;
  // Shows the search results for the query as a page of links.
  void showSearchResults(const QString& query);

  // Before it first shows, the window goes beside the window it helps with:
  // right of it when the screen has room there, else left of it, else
  // narrower on the side with more room, else as far right as the screen
  // allows; at the same height.
  void placeBeside(const QWidget* window);

 private:
  void open(const QString& page, const QString& what);
  void loadTexts() const;

  QString m_folder;
  QTextBrowser* m_browser;
  QLineEdit* m_search;
  // The pages' plain texts and titles, read once for the search.
  mutable QList<HelpSearchHit> m_pages;
  mutable QStringList m_texts;
};

}  // namespace vantry
