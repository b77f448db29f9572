#include "ui/help_links.h"

#include <QDesktopServices>
#include <QTimer>

#include "game/commands.h"
#include "help/practice_link.h"
#include "strategy/extended/extended_table.h"

namespace vantry {

namespace {

const QString kScheme = QString::fromLatin1(kPracticeLinkScheme.data(), kPracticeLinkScheme.size());

}  // namespace

HelpLinks::HelpLinks(std::function<void(int)> runCommand, QObject* parent)
    : QObject(parent), m_runCommand(std::move(runCommand)) {
  QDesktopServices::setUrlHandler(kScheme, this, "openLink");
}

HelpLinks::~HelpLinks() { QDesktopServices::unsetUrlHandler(kScheme); }

void HelpLinks::openLink(const QUrl& url) {
  const int n = practice_link_strategy(url.toString().toStdString());
  if (n < 1 || n > kLastExtendedRow) return;
  // The click is still being handled inside the help window; Practice runs a
  // long computation of its own, so it starts once that click is over.
  QTimer::singleShot(0, this, [this, n] {
    if (m_runCommand) m_runCommand(kCmdPracticeBase + n);
  });
}

}  // namespace vantry
