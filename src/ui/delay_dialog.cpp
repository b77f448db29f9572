#include "ui/delay_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vantry {

InputDialog::InputDialog(QWidget* owner, const QString& title, const QString& prompt, const QString& text,
                         int maxLength)
    : QDialog(owner) {
  setWindowTitle(title);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(prompt, this));
  m_field = new QLineEdit(text, this);
  m_field->setMaxLength(maxLength);
  m_field->selectAll();
  layout->addWidget(m_field);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString InputDialog::text() const { return m_field->text(); }

}  // namespace vantry
