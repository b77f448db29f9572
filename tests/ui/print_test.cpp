// Printing for real: each print command goes through QPrinter's PDF output,
// pdftoppm turns the page into an image, and the image is measured: one page,
// the grid's size in inches, black and white, no possibilities where none
// belong, and the game in play untouched. The PDFs and images stay in
// <build>/tests/ui/screens/print for a person to look at.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTest>

#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "view/printing.h"
#include "game/puzzle_text.h"
#include "ui/main_frame.h"
#include "ui/print_support.h"
#include "ui/ts_window.h"
#include "ui/qt_platform.h"
#include "ui_test_support.h"

namespace vantry::uitest {

namespace {

constexpr int kImageDpi = 100;

struct Page {
  QImage image;
  int pages = 0;
};

// Prints command id to <shots>/print/name.pdf and renders the page.
Page printToPdf(App& a, int id, const QString& name) {
  const QString dir = QStringLiteral(VANTRY_UI_SHOTS_DIR "/print");
  QDir().mkpath(dir);
  const QString pdf = dir + QLatin1Char('/') + name + QStringLiteral(".pdf");
  QFile::remove(pdf);
  a.app->platform().printing().setOutputFile(pdf);
  a.app->grid().run_command(id);
  Page page;
  if (!QFile::exists(pdf)) return page;
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  info.waitForFinished(30000);
  for (const QString& line : QString::fromLatin1(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
    if (line.startsWith(QStringLiteral("Pages:"))) page.pages = line.mid(6).trimmed().toInt();
  }
  const QString png = dir + QLatin1Char('/') + name;
  QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kImageDpi),
                                                 QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
  page.image = QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
  return page;
}

bool dark(QRgb p) { return qGray(p) < 128; }

// The grid: the longest run of dark pixels on any row is its top or bottom
// line; its ends are the grid's left and right edges.
QRect gridBox(const QImage& img) {
  int best = 0, left = 0, top = -1, bottom = -1;
  for (int y = 0; y < img.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    int run = 0;
    for (int x = 0; x < img.width(); ++x) {
      run = dark(row[x]) ? run + 1 : 0;
      if (run > best + 2) {
        best = run;
        left = x - run + 1;
        top = y;
      }
      if (run >= best - 2 && run > 0 && best > 0 && y > bottom) bottom = y;
    }
  }
  return QRect(left, top, best, bottom - top + 1);
}

// Dark pixels inside cell (r, c) of the grid, away from its lines.
int inkInCell(const QImage& img, const QRect& grid, int r, int c) {
  const double cell = grid.width() / 9.0;
  const int x0 = grid.left() + int(c * cell + cell * 0.15), x1 = grid.left() + int((c + 1) * cell - cell * 0.15);
  const int y0 = grid.top() + int(r * cell + cell * 0.15), y1 = grid.top() + int((r + 1) * cell - cell * 0.15);
  int ink = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) ink += dark(img.pixel(x, y));
  }
  return ink;
}

bool blackAndWhite(const QImage& img) {
  for (int y = 0; y < img.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = row[x];
      if (qAbs(qRed(p) - qGreen(p)) > 10 || qAbs(qGreen(p) - qBlue(p)) > 10) return false;
    }
  }
  return true;
}

std::string snapshot(Game& game) {
  return grid_text(game.board().current(), "\n") + std::to_string(game.board().size()) +
         std::to_string(game.board().current_index()) + std::to_string(game.board().modified());
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT
 private slots:
  void fourCommandsPrintOnePageEach();
  void abortDialogNamesTheJobAndCancels();
  void ctrlGPrintsABlankSolvingGrid();
};

void PrintTest::fourCommandsPrintOnePageEach() {
  QVERIFY2(QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-v")}) == 0,
           "pdftoppm is missing (poppler-utils, make deps)");
  App a;
  // The grid alone fills the window: printed at the size a 651-pixel grid
  // has on screen, large enough for the measures below.
  a.settings.write_string(kButtonsPlacement, "Hide");
  a.startup();
  a.pastePuzzle();
  Game& game = a.app->game();
  GridWindow& grid = a.app->grid();
  game.left_click(0, 2, 4);  // a move, so the game has something to keep
  const std::string before = snapshot(game);
  const int extent = grid.geometry().extent;  // the grid's width on screen, in pixels
  const double naturalInches = extent / 96.0;

  // Print puzzle: natural size, possibilities in the empty cells, colour.
  Page page = printToPdf(a, kCmdPrintPuzzle, QStringLiteral("puzzle"));
  QCOMPARE(page.pages, 1);
  QRect box = gridBox(page.image);
  QVERIFY2(qAbs(box.width() / double(kImageDpi) - naturalInches) < 0.06,
           qPrintable(QString::number(box.width()) + QLatin1Char(' ') + QString::number(naturalInches)));
  QVERIFY(qAbs(box.center().x() - page.image.width() / 2) < kImageDpi / 5);
  QVERIFY(inkInCell(page.image, box, 0, 3) > 0);
  QCOMPARE(snapshot(game), before);

  // Without clues: the given and the placed answer, nothing in empty cells.
  page = printToPdf(a, kCmdPrintNoClues, QStringLiteral("no_clues"));
  QCOMPARE(page.pages, 1);
  box = gridBox(page.image);
  QCOMPARE(inkInCell(page.image, box, 0, 3), 0);
  QVERIFY(inkInCell(page.image, box, 0, 2) > 0);
  QVERIFY(inkInCell(page.image, box, 0, 0) > 0);
  QCOMPARE(snapshot(game), before);

  // Answers at half size, every cell filled, in black and white.
  grid.settings().write_integer(kPrintInColor, 0);
  page = printToPdf(a, kCmdPrintAnswers, QStringLiteral("answers"));
  QCOMPARE(page.pages, 1);
  box = gridBox(page.image);
  QVERIFY(qAbs(box.width() / double(kImageDpi) - naturalInches / 2) < 0.06);
  QVERIFY(blackAndWhite(page.image));
  for (int r = 0; r < 9; ++r) QVERIFY(inkInCell(page.image, box, r, 8 - r) > 0);
  QCOMPARE(snapshot(game), before);
  QVERIFY(game.board().needs_saving());

  // Full size: the available width, a quarter inch in from the paper or the
  // printable area, limits the nearly square drawing.
  grid.settings().write_integer(kPrintBig, 1);
  page = printToPdf(a, kCmdPrintPuzzle, QStringLiteral("puzzle_full_size"));
  box = gridBox(page.image);
  const QPageLayout layout = a.app->platform().printing().printer()->pageLayout();
  const QRectF paper = layout.fullRectPoints(), paint = layout.paintRectPoints();
  const double available = (qMin(paper.width() - 18, paint.right()) - qMax(18.0, paint.left())) / 72.0;
  const Rect drawing = print_drawing_rect(grid.geometry().preferred_size, grid.possibility_font_height());
  const double expected = available * extent / (drawing.right - drawing.left);
  QVERIFY2(qAbs(box.width() / double(kImageDpi) - expected) < 0.08,
           qPrintable(QString::number(box.width()) + QLatin1Char(' ') + QString::number(expected)));
  grid.settings().write_integer(kPrintBig, 0);

  // The blank solving grid erases the puzzle (after the question and the
  // save prompt) and prints every possibility, with no header.
  QTimer answering;
  QObject::connect(&answering, &QTimer::timeout, [] {
    auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!message) return;
    const bool question = message->text().contains(QStringLiteral("blank solving grid"));
    message->button(question ? QMessageBox::Yes : QMessageBox::No)->click();
  });
  answering.start(50);
  page = printToPdf(a, kCmdPrintBlankGrid, QStringLiteral("blank"));
  QCOMPARE(page.pages, 1);
  QVERIFY(!game.puzzle_valid());
  box = gridBox(page.image);
  QVERIFY(qAbs(box.width() / double(kImageDpi) - naturalInches) < 0.06);
  const int allNine = inkInCell(page.image, box, 0, 0);
  for (int r = 1; r < 9; ++r) QVERIFY(qAbs(inkInCell(page.image, box, r, r) - allNine) < allNine / 10);
  int header = 0;
  for (int y = box.top() - kImageDpi / 4; y < box.top() - 3; ++y) {
    for (int x = box.left(); x < box.right(); ++x) header += dark(page.image.pixel(x, y));
  }
  QCOMPARE(header, 0);
}

void PrintTest::abortDialogNamesTheJobAndCancels() {
  App a;
  a.startup();
  a.pastePuzzle();
  PrintSupport& printing = a.app->platform().printing();
  const QString pdf = QStringLiteral(VANTRY_UI_SHOTS_DIR "/print/cancelled.pdf");
  QFile::remove(pdf);
  printing.setOutputFile(pdf);
  QStringList lines;
  printing.onAbortDialog = [&](PrintAbortDialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Printing"));
    for (QLabel* label : dialog.findChildren<QLabel*>()) lines << label->text();
    saveShot(&dialog, QStringLiteral("print_abort_dialog"));
    dialog.cancelButton()->click();
  };
  a.app->grid().run_command(kCmdPrintPuzzle);
  printing.onAbortDialog = nullptr;
  QCOMPARE(lines.size(), 3);
  QCOMPARE(lines[0], QStringLiteral("Now printing"));
  QCOMPARE(lines[1], QStringLiteral("Vantry puzzle"));
  QCOMPARE(lines[2], QStringLiteral("on PDF (%1)").arg(pdf));
  QVERIFY(!QFile::exists(pdf) || QFileInfo(pdf).size() == 0);
}

void PrintTest::ctrlGPrintsABlankSolvingGrid() {
  App a;
  a.startup();
  TSWindow* w = a.focusGrid();
  const QString pdf = QStringLiteral(VANTRY_UI_SHOTS_DIR "/print/ctrl_g.pdf");
  QFile::remove(pdf);
  a.app->platform().printing().setOutputFile(pdf);
  QTest::keyClick(w, Qt::Key_G, Qt::ControlModifier);
  QVERIFY(QFileInfo(pdf).size() > 0);
}

}  // namespace vantry::uitest

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vantry::uitest::PrintTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "print_test.moc"
