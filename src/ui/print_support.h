// Printing through Qt: the run's QPrinter, the page set-up and print dialogs,
// the "Printing" abort dialog, and one page drawn by the engine through a
// QtCanvas under the mapping it chose. Tests may send the page straight to a
// PDF file, with no print dialog.
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "classlib/system_services.h"

class QPrinter;
class QPushButton;

namespace vantry {

// The modeless "Printing" dialog: what prints where, and Cancel to stop it.
class PrintAbortDialog : public QDialog {
  Q_OBJECT
 public:
  PrintAbortDialog(QWidget* parent, const QString& title, const QString& device, const QString& port);
  bool cancelled() const { return m_cancelled; }
  QPushButton* cancelButton() const { return m_cancel; }

 protected:
  void reject() override;  // Cancel, Escape and the close box stop the job

 private:
  QPushButton* m_cancel;
  bool m_cancelled = false;
};

class PrintSupport : public QObject {
  Q_OBJECT
 public:
  explicit PrintSupport(QObject* parent = nullptr);
  ~PrintSupport() override;

  // The printer of the run, made on first use; false when it is unusable.
  bool createPrinter();
  QPrinter* printer() const { return m_printer.get(); }
  void setupDialog(QWidget* parent);
  PrintResult print(QWidget* parent, const std::string& title,
                    const std::function<PageMapping(const PrinterPage&)>& layout,
                    const std::function<void(Canvas&)>& draw);

  // Every following printout goes to this PDF file without the print
  // dialog (empty: back to the dialog).
  void setOutputFile(const QString& path) { m_outputFile = path; }
  // Runs while the abort dialog is up, before the page is drawn.
  std::function<void(PrintAbortDialog&)> onAbortDialog;

 private:
  std::unique_ptr<QPrinter> m_printer;
  QString m_outputFile;
};

}  // namespace vantry
