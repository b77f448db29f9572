// A one-line input dialog: a title, a prompt and a field of limited length.
// Whatever button closes it, the caller reads the text; the checking of what
// was typed is the caller's.
#pragma once

#include <QDialog>

class QLineEdit;

namespace vantry {

class InputDialog : public QDialog {
  Q_OBJECT
 public:
  InputDialog(QWidget* owner, const QString& title, const QString& prompt, const QString& text, int maxLength);
  QString text() const;
  QLineEdit* field() const { return m_field; }

 private:
  QLineEdit* m_field;
};

}  // namespace vantry
