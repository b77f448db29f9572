// The small modeless window of a long computation: its message and a Cancel
// button. Cancel only tells the computation; the window stays until the
// computation ends and destroys it.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace vantry {

class BusyDialog : public QDialog {
  Q_OBJECT
 public:
  BusyDialog(QWidget* mainWindow, const std::string& message, std::function<void()> onCancel);

  QString message() const;
  void setMessage(const std::string& message);
  QPushButton* cancelButton() const { return m_cancel; }
  // Shows the dialog centred over the main window without activating it.
  void showCentred();

 protected:
  void reject() override;  // Escape and the close box act as Cancel

 private:
  QWidget* m_mainWindow;
  QLabel* m_text;
  QPushButton* m_cancel;
  std::function<void()> m_onCancel;
};

}  // namespace vantry
