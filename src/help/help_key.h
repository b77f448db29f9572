// F1 opens the help of whatever has the focus. A window names its page with
// the property kHelpPageProperty (a page name such as "entering", or a topic
// number); a dialog with a "Help" or "Explain strategy" button gets what that
// button opens; anything else, the grid above all, gets the playing page.
#pragma once

#include <QObject>

class QWidget;

namespace vantry {

class HelpBrowser;

inline constexpr char kHelpPageProperty[] = "vantryHelpPage";
inline constexpr char kPlayingPage[] = "playing";

class HelpKey final : public QObject {
  Q_OBJECT
 public:
  // Watches the whole application once installed: qApp->installEventFilter.
  explicit HelpKey(HelpBrowser& help, QObject* parent = nullptr);

  // What F1 does with the focus in this window.
  void helpFor(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  HelpBrowser& m_help;
};

}  // namespace vantry
