#include "ui/pane_focus.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QPointer>

#include "ui/button_pane.h"

namespace vantry {

namespace {

// Remembers whether the pane was last worked with the mouse or the keys.
class InputTracker : public QObject {
 public:
  using QObject::QObject;
  bool byMouse = true;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: byMouse = true; break;
      case QEvent::KeyPress:
      case QEvent::ShortcutOverride: byMouse = false; break;
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

std::function<void()> openPaneToKeyboard(ButtonPane& pane, std::function<void()> focusGrid) {
  auto* tracker = new InputTracker(&pane);
  for (int id = 6000; id <= 6038; ++id) {
    QWidget* w = pane.control(id);
    if (!w) continue;
    // Tab reaches it; a click does not take the keyboard from the grid.
    w->setFocusPolicy(qobject_cast<QComboBox*>(w) ? Qt::StrongFocus : Qt::TabFocus);
    w->installEventFilter(tracker);
    if (id >= 6028 && id <= 6036) w->setAccessibleName(QStringLiteral("Highlight %1").arg(id - 6027));
    else if (id == 6037) w->setAccessibleName(QStringLiteral("Difficulty"));
    else if (id == 6038) w->setAccessibleName(QStringLiteral("Strategy"));
    else if (auto* button = qobject_cast<QAbstractButton*>(w)) w->setAccessibleName(button->text());
  }
  QPointer<InputTracker> guard(tracker);
  return [guard, focusGrid = std::move(focusGrid)] {
    if (guard && !guard->byMouse) return;
    if (focusGrid) focusGrid();
  };
}

}  // namespace vantry
