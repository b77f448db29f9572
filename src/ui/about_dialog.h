// The About box: the icon, the product name, the version of this build and a
// second line; with Shift held while it opens, the numeric version and the
// build date instead.
#pragma once

#include <QDialog>

namespace vantry {

// The version line and the second line as the box shows them.
QString aboutVersionLine(bool shiftHeld);
QString aboutSecondLine(bool shiftHeld);

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog(QWidget* owner, bool shiftHeld);
};

}  // namespace vantry
