// The help viewer inside the program: a window with a QTextBrowser that shows
// the help pages kept beside the program. Their folder holds one HTML page per
// topic number ("100.html") and "contents.html"; a page that is missing shows
// a plain note saying what was looked for.
#pragma once

#include <QString>
#include <QWidget>

#include "help/help_viewer.h"

class QTextBrowser;

namespace vantry {

class HelpBrowser final : public QWidget, public HelpViewer {
  Q_OBJECT
 public:
  // helpPath is the help file's path (help_file_path); its pages live in the
  // folder of the same name without the extension ("Vantry" beside the
  // program), in "help" beside it, or in "../share/vantry/help" once installed.
  explicit HelpBrowser(const QString& helpPath, QWidget* parent = nullptr);

  void show_topic(int context) override;
  void show_contents() override;

  QTextBrowser* browser() const { return m_browser; }
  // The file a topic's page is read from ("contents" for the contents).
  QString pageFile(const QString& page) const;

 private:
  void open(const QString& page, const QString& what);

  QString m_folder;
  QTextBrowser* m_browser;
};

}  // namespace vantry
