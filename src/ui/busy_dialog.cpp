#include "ui/busy_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialog_units.h"

namespace vantry {

BusyDialog::BusyDialog(QWidget* mainWindow, const std::string& message, std::function<void()> onCancel)
    : QDialog(mainWindow), m_mainWindow(mainWindow), m_onCancel(std::move(onCancel)) {
  setWindowTitle(QStringLiteral("Vantry"));
  setModal(false);
  setFont(busyDialogFont());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setAttribute(Qt::WA_ShowWithoutActivating);
  const DialogUnits du(font());
  setFixedSize(du.x(160), du.y(60));

  m_text = new QLabel(QString::fromStdString(message), this);
  m_text->setAlignment(Qt::AlignCenter);
  m_text->setTextFormat(Qt::PlainText);
  // The template's line is 8 units high; a second unit of room keeps the
  // descenders of a larger substitute face.
  m_text->setGeometry(du.rect(8, 10, 144, 12));

  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setGeometry(du.rect(60, 36, 40, 14));
  m_cancel->setDefault(true);
  connect(m_cancel, &QPushButton::clicked, this, [this] {
    if (m_onCancel) m_onCancel();
  });
}

QString BusyDialog::message() const { return m_text->text(); }

void BusyDialog::setMessage(const std::string& message) {
  m_text->setText(QString::fromStdString(message));
  adjustSize();
}

void BusyDialog::showCentred() {
  // Shown first, so the window frame is known when the whole window is centred.
  show();
  if (m_mainWindow) {
    const QRect main = m_mainWindow->frameGeometry();
    const QRect own = frameGeometry();
    // Halves truncate toward zero, as integer division does.
    move(main.left() + (main.width() - own.width()) / 2, main.top() + (main.height() - own.height()) / 2);
  }
  m_cancel->setFocus();
}

void BusyDialog::reject() {
  if (m_onCancel) m_onCancel();
}

}  // namespace vantry
