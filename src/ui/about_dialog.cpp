#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "classlib/working_folder.h"
#include "ui/app_icon.h"

#ifndef VANTRY_VERSION
#define VANTRY_VERSION "0.0.0"
#endif

namespace vantry {

QString aboutVersionLine(bool shiftHeld) {
  const QString version = QStringLiteral(VANTRY_VERSION);
  if (!shiftHeld) return QStringLiteral("Version ") + version;
  // The numeric form: major, minor, maintenance and build; a missing part is 0.
  const QStringList parts = version.split(QLatin1Char('.'));
  auto part = [&](int i) { return i < parts.size() ? parts[i].toInt() : 0; };
  return QString::asprintf("%d.%d (Maint %d, Build %d)", part(0), part(1), part(2), part(3));
}

QString aboutSecondLine(bool shiftHeld) {
  if (shiftHeld) return QStringLiteral("Built " __DATE__);
  return QStringLiteral("Copyright \u00A9 2026 ") + QString::fromLatin1(kMakerName);
}

AboutDialog::AboutDialog(QWidget* owner, bool shiftHeld) : QDialog(owner) {
  setWindowTitle(QStringLiteral("About"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(vantryIcon().pixmap(48, 48));
  top->addWidget(icon, 0, Qt::AlignTop);
  auto* lines = new QVBoxLayout;
  auto* name = new QLabel(QStringLiteral("Vantry"), this);
  QFont big = name->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 4);
  name->setFont(big);
  lines->addWidget(name);
  auto* version = new QLabel(aboutVersionLine(shiftHeld), this);
  version->setObjectName(QStringLiteral("version"));
  lines->addWidget(version);
  auto* second = new QLabel(aboutSecondLine(shiftHeld), this);
  second->setObjectName(QStringLiteral("second"));
  lines->addWidget(second);
  top->addLayout(lines);
  layout->addLayout(top);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vantry
