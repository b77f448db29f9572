// Links from the help pages into the program: the help window hands a
// "vantry:" link to the window system's URL handling, which brings it here
// instead of to a browser; a practice link starts Practice for its strategy.
#pragma once

#include <QObject>
#include <QUrl>
#include <functional>

namespace vantry {

class HelpLinks : public QObject {
  Q_OBJECT
 public:
  // runCommand carries out a menu command id in the main window.
  explicit HelpLinks(std::function<void(int)> runCommand, QObject* parent = nullptr);
  ~HelpLinks() override;

 public slots:
  void openLink(const QUrl& url);

 private:
  std::function<void(int)> m_runCommand;
};

}  // namespace vantry
