#include "help/help_key.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include "help/help_browser.h"

namespace vantry {

HelpKey::HelpKey(HelpBrowser& help, QObject* parent) : QObject(parent), m_help(help) {}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
      static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier) {
    return QObject::eventFilter(watched, event);
  }
  // The key reaches the window system's window first and then the widget with
  // the focus in it; the widget tells whose help it is.
  if (!watched->isWidgetType()) return false;
  helpFor(static_cast<QWidget*>(watched)->window());
  return true;
}

void HelpKey::helpFor(QWidget* window) {
  if (window == &m_help) return;  // F1 in the help itself: it is already open
  if (window != nullptr) {
    const QVariant page = window->property(kHelpPageProperty);
    if (page.isValid()) {
      bool number = false;
      const int topic = page.toInt(&number);
      if (number) {
        m_help.show_topic(topic);
      } else {
        m_help.showPage(page.toString());
      }
      return;
    }
    // A dialog's own help button knows its topic (a hint's strategy, a colour dialog's page).
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      const QString text = button->text().remove(QLatin1Char('&'));
      if (button->isVisible() && button->isEnabled() &&
          (text == QStringLiteral("Help") || text == QStringLiteral("Explain strategy"))) {
        button->click();
        return;
      }
    }
  }
  m_help.showPage(QString::fromLatin1(kPlayingPage));
}

}  // namespace vantry
