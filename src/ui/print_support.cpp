#include "ui/print_support.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/qt_canvas.h"
#include "ui/qt_platform.h"

namespace vantry {

PrintAbortDialog::PrintAbortDialog(QWidget* parent, const QString& title, const QString& device, const QString& port)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Printing"));
  auto* layout = new QVBoxLayout(this);
  for (const QString& line : {QStringLiteral("Now printing"), title, QStringLiteral("on %1 (%2)").arg(device, port)}) {
    auto* label = new QLabel(line, this);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
  }
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
  connect(m_cancel, &QPushButton::clicked, this, &PrintAbortDialog::reject);
}

void PrintAbortDialog::reject() {
  m_cancelled = true;
  m_cancel->setEnabled(false);
}

PrintSupport::PrintSupport(QObject* parent) : QObject(parent) {}
PrintSupport::~PrintSupport() = default;

bool PrintSupport::createPrinter() {
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return m_printer->isValid();
}

void PrintSupport::setupDialog(QWidget* parent) {
  // Qt's page set-up dialog serves the system's printers only; without one
  // (the printer writes a PDF file) it would show nothing but a console
  // warning, so the print dialog chooses the printer, the file and the page.
  if (m_printer->outputFormat() == QPrinter::NativeFormat) {
    QPageSetupDialog dialog(m_printer.get(), parent);
    dialog.exec();
    return;
  }
  QPrintDialog dialog(m_printer.get(), parent);
  dialog.setWindowTitle(QStringLiteral("Print setup"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  // Here it only chooses: its accepting button does not print.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  }
  dialog.exec();
}

PrintResult PrintSupport::print(QWidget* parent, const std::string& title,
                                const std::function<PageMapping(const PrinterPage&)>& layout,
                                const std::function<void(Canvas&)>& draw) {
  QPrinter& printer = *m_printer;
  const QString name = QString::fromStdString(title);
  printer.setDocName(name);
  // 1. Where it goes: a test's PDF file, or the print dialog's choice (one
  //    page, so no range to offer).
  if (!m_outputFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_outputFile);
  } else {
    printer.setFromTo(0, 0);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) return PrintResult::Cancelled;
  }

  // 2. The abort dialog names the printer and where it prints to.
  QString device = printer.printerName();
  QString port = printer.outputFileName();
  if (device.isEmpty())
    device = printer.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("PDF") : QStringLiteral("printer");
  if (port.isEmpty()) port = QPrinterInfo::printerInfo(printer.printerName()).location();
  if (port.isEmpty()) port = QStringLiteral("default");
  PrintAbortDialog abort(parent, name, device, port);
  abort.show();
  QApplication::processEvents();
  if (onAbortDialog) onAbortDialog(abort);
  if (abort.cancelled()) return PrintResult::Cancelled;

  // 3. The page's measures as the engine lays out by them.
  QPainter painter;
  if (!painter.begin(&printer)) return PrintResult::Failed;
  const int dpi = printer.resolution();
  const QRect paint = printer.pageLayout().paintRectPixels(dpi);
  const QRect full = printer.pageLayout().fullRectPixels(dpi);
  PrinterPage page;
  page.printable_width = paint.width();
  page.printable_height = paint.height();
  page.dpi_x = printer.logicalDpiX();
  page.dpi_y = printer.logicalDpiY();
  page.paper_width = full.width();
  page.paper_height = full.height();
  page.offset_x = paint.left();
  page.offset_y = paint.top();

  // 4. The mapping, the clip, and the engine's drawing.
  const PageMapping mapping = layout(page);
  painter.setViewport(0, 0, page.printable_width, page.printable_height);
  painter.setWindow(mapping.window.left, mapping.window.top, mapping.window.right - mapping.window.left,
                    mapping.window.bottom - mapping.window.top);
  painter.setClipRect(QRect(mapping.clip.left, mapping.clip.top, mapping.clip.right - mapping.clip.left,
                            mapping.clip.bottom - mapping.clip.top));
  {
    QtCanvas canvas(painter);
    draw(canvas);
  }
  QApplication::processEvents();
  if (abort.cancelled()) {
    printer.abort();
    painter.end();
    return PrintResult::Cancelled;
  }
  return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

// ---- The platform's printing calls ----

PrintSupport& QtPlatform::printing() {
  if (!m_printing) m_printing = new PrintSupport(this);
  return *m_printing;
}

bool QtPlatform::create_printer() { return printing().createPrinter(); }

void QtPlatform::print_setup_dialog() { printing().setupDialog(m_mainWindow); }

void QtPlatform::screen_dpi(int& dpi_x, int& dpi_y) {
  const QScreen* screen =
      m_mainWindow && m_mainWindow->screen() ? m_mainWindow->screen() : QGuiApplication::primaryScreen();
  dpi_x = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
  dpi_y = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

PrintResult QtPlatform::print_page(const std::string& title,
                                   const std::function<PageMapping(const PrinterPage&)>& layout,
                                   const std::function<void(Canvas&)>& draw) {
  return printing().print(m_mainWindow, title, layout, draw);
}

}  // namespace vantry
