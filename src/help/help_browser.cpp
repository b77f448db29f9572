#include "help/help_browser.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vantry {

HelpBrowser::HelpBrowser(const QString& helpPath, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("Vantry Help"));
  // An open help window does not keep the program running once the main
  // window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  const QFileInfo file(helpPath);
  const QDir beside = file.absoluteDir();
  // The pages of the help "file": a folder named like it beside the program,
  // else "help" beside it, else the installed share/vantry/help.
  const QStringList candidates{beside.filePath(file.completeBaseName()),
                               beside.filePath(QStringLiteral("help")),
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
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_browser);
  resize(640, 520);
}

QString HelpBrowser::pageFile(const QString& page) const {
  return QDir(m_folder).filePath(page + QStringLiteral(".html"));
}

void HelpBrowser::show_topic(int context) {
  open(QString::number(context), QStringLiteral("topic %1").arg(context));
}

void HelpBrowser::show_contents() { open(QStringLiteral("contents"), QStringLiteral("the contents")); }

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
  show();
  raise();
  activateWindow();
}

}  // namespace vantry
