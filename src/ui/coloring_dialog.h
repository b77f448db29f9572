// "Color this cell": six colour buttons in the six colouring colours, Clear
// all, Cancel and Help. exec() returns the button's id: 101-106 for a
// colour, 1 for Clear all, 2 for Cancel; Help opens its page and stays.
#pragma once

#include <QDialog>
#include <functional>

#include "classlib/canvas.h"

class QAbstractButton;

namespace vantry {

class ColoringDialog : public QDialog {
  Q_OBJECT
 public:
  // colorOf(21 + i) is the face of button i; the button's centre lies at
  // (24 + 42 i, 24) in the dialog's client area, so a dialog placed by the
  // engine puts the default choice under the mouse.
  ColoringDialog(QWidget* owner, std::function<Colorref(int)> colorOf, std::function<void()> help);
  QAbstractButton* button(int id) const;

 protected:
  void reject() override { done(2); }

 private:
  std::function<void()> m_help;
};

}  // namespace vantry
