// The platform calls as the player meets them: message boxes, timers, the
// busy dialog, the hint dialogs and their placement, file dialogs, the
// clipboard, the input and colouring dialogs, and the help window.
#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include "game/memory_settings.h"
#include "help/help_browser.h"
#include "strategy/hint_templates.h"
#include "ui/busy_dialog.h"
#include "ui/coloring_dialog.h"
#include "ui/delay_dialog.h"
#include "ui/dialog_units.h"
#include "ui/file_filter.h"
#include "ui/float_dlg.h"
#include "ui/hint_dialogs.h"
#include "ui/qt_platform.h"
#include "ui_test_support.h"
#include "ui_tests.h"

Q_DECLARE_METATYPE(vantry::MessageIcon)
Q_DECLARE_METATYPE(vantry::MessageButtons)
Q_DECLARE_METATYPE(vantry::MessageAnswer)

namespace vantry::uitest {

namespace {

// A help viewer that only counts what it was asked.
struct CountingHelp : HelpViewer {
  QList<int> topics;
  int contents = 0;
  void show_topic(int context) override { topics << context; }
  void show_contents() override { ++contents; }
};

}  // namespace

void PlatformTest::messageBoxesShowTextsIconsButtonsAndMapAnswers_data() {
  QTest::addColumn<MessageIcon>("icon");
  QTest::addColumn<MessageButtons>("buttons");
  QTest::addColumn<int>("press");  // a QMessageBox::StandardButton, or 0 for Escape
  QTest::addColumn<MessageAnswer>("answer");
  QTest::addColumn<int>("qtIcon");
  QTest::addColumn<int>("qtButtons");
  const int yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  QTest::newRow("ok, exclamation") << MessageIcon::Exclamation << MessageButtons::Ok << int(QMessageBox::Ok)
                                   << MessageAnswer::Ok << int(QMessageBox::Warning) << int(QMessageBox::Ok);
  QTest::newRow("ok by escape") << MessageIcon::Information << MessageButtons::Ok << 0 << MessageAnswer::Ok
                                << int(QMessageBox::Information) << int(QMessageBox::Ok);
  QTest::newRow("cancel of ok/cancel") << MessageIcon::None << MessageButtons::OkCancel << int(QMessageBox::Cancel)
                                       << MessageAnswer::Cancel << int(QMessageBox::NoIcon)
                                       << int(QMessageBox::Ok | QMessageBox::Cancel);
  QTest::newRow("no of yes/no") << MessageIcon::Question << MessageButtons::YesNo << int(QMessageBox::No)
                                << MessageAnswer::No << int(QMessageBox::Question)
                                << int(QMessageBox::Yes | QMessageBox::No);
  QTest::newRow("yes of yes/no/cancel") << MessageIcon::Question << MessageButtons::YesNoCancel << int(QMessageBox::Yes)
                                        << MessageAnswer::Yes << int(QMessageBox::Question) << yesNoCancel;
  QTest::newRow("escape of yes/no/cancel") << MessageIcon::Stop << MessageButtons::YesNoCancel << 0
                                           << MessageAnswer::Cancel << int(QMessageBox::Critical) << yesNoCancel;
}

void PlatformTest::messageBoxesShowTextsIconsButtonsAndMapAnswers() {
  QFETCH(MessageIcon, icon);
  QFETCH(MessageButtons, buttons);
  QFETCH(int, press);
  QFETCH(MessageAnswer, answer);
  QFETCH(int, qtIcon);
  QFETCH(int, qtButtons);
  QtPlatform platform(nullptr);
  // Quotes, line breaks and double spaces show exactly as written.
  const std::string text = "Congratulations!  You solved the puzzle!\nClick \"Resume Game\" <b>now</b>";
  QString seenText, seenTitle;
  int seenIcon = -1, seenButtons = -1;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    seenText = box->text();
    seenTitle = box->windowTitle();
    seenIcon = box->icon();
    seenButtons = int(box->standardButtons());
    if (press == 0) QTest::keyClick(box, Qt::Key_Escape);
    else box->button(QMessageBox::StandardButton(press))->click();
  });
  QCOMPARE(platform.message_box(text, "Vantry", icon, buttons), answer);
  QCOMPARE(seenText, QString::fromStdString(text));
  QCOMPARE(seenTitle, QStringLiteral("Vantry"));
  QCOMPARE(seenIcon, qtIcon);
  QCOMPARE(seenButtons, qtButtons);
}

void PlatformTest::messageBoxesAreWideEnoughForTheirCaption() {
  // A short message under a caption: the title bar must hold the caption in a
  // bold title font beside the window manager's icon and three buttons.
  QtPlatform platform(nullptr);
  for (const char* caption : {"Vantry", "Solution status:", "Welcome to Vantry"}) {
    int width = 0, needed = 0;
    whenModal<QMessageBox>([&](QMessageBox* box) {
      QFont title = box->font();
      title.setBold(true);
      needed = QFontMetrics(title).horizontalAdvance(QString::fromLatin1(caption)) + 4 * 24;
      width = box->width();
      saveShot(box, QStringLiteral("message_box_caption_%1").arg(QString::fromLatin1(caption).length()));
      box->button(QMessageBox::Ok)->click();
    });
    platform.message_box("Difficulty: Hard", caption, MessageIcon::None, MessageButtons::Ok);
    QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1: %2 < %3").arg(caption).arg(width).arg(needed)));
  }
}

void PlatformTest::timersRunByIdAndSurviveTheirOwnKill() {
  QtPlatform platform(nullptr);
  int clock = 0, once = 0;
  platform.start_timer(2, 15, [&] { ++clock; });
  // A one-shot timer in the engine's way: it kills itself when it fires.
  platform.start_timer(4, 5, [&] {
    ++once;
    platform.kill_timer(4);
  });
  QCOMPARE(platform.timerInterval(2), 15);
  QTRY_VERIFY(clock >= 3);
  QCOMPARE(once, 1);
  QVERIFY(!platform.timerActive(4));
  // Starting a running id again restarts it with the new interval and action.
  int other = 0;
  platform.start_timer(2, 40, [&] { ++other; });
  QCOMPARE(platform.timerInterval(2), 40);
  const int clockBefore = clock;
  QTRY_VERIFY(other >= 1);
  QCOMPARE(clock, clockBefore);
  platform.kill_timer(2);
  platform.kill_timer(99);  // an id that never ran
  QVERIFY(!platform.timerActive(2));
}

void PlatformTest::busyDialogCentresAndCancelOnlyTells() {
  QWidget main;
  main.setGeometry(100, 80, 600, 500);
  main.show();
  QtPlatform platform(nullptr);
  platform.setMainWindow(&main);
  int cancels = 0;
  platform.create_busy_dialog("Looking for a hint...", [&] { ++cancels; });
  QPointer<BusyDialog> dialog = platform.busyDialog();
  QVERIFY(dialog);
  QVERIFY(!dialog->isVisible());  // a delayed phase shows it later
  platform.show_busy_dialog();
  QVERIFY(dialog->isVisible());
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Vantry"));
  QCOMPARE(dialog->message(), QStringLiteral("Looking for a hint..."));
  const QRect m = main.frameGeometry(), d = dialog->frameGeometry();
  QCOMPARE(d.left(), m.left() + (m.width() - d.width()) / 2);
  QCOMPARE(d.top(), m.top() + (m.height() - d.height()) / 2);
  saveShot(dialog, QStringLiteral("busy_dialog"));
  // The wait cursor is the main window's; the dialog keeps the arrow.
  platform.set_wait_cursor(true);
  QCOMPARE(main.cursor().shape(), Qt::WaitCursor);
  QCOMPARE(dialog->cursor().shape(), Qt::ArrowCursor);
  platform.set_wait_cursor(false);
  QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
  dialog->cancelButton()->click();
  QTest::keyClick(dialog, Qt::Key_Escape);
  QCOMPARE(cancels, 2);
  QVERIFY(dialog->isVisible());  // it stays until the phase ends
  platform.destroy_busy_dialog();
  QVERIFY(!platform.busyDialog());
  QTRY_VERIFY(!dialog);
}

void PlatformTest::hintDialogsFollowTheirTemplates() {
  QWidget main;
  main.setGeometry(50, 50, 700, 600);
  main.show();
  MemorySettings settings;
  CountingHelp help;
  QtPlatform platform(&settings, &help);
  platform.setMainWindow(&main);

  // The three Big hint templates grow with their text boxes; each button
  // closes with its number, Escape with Cancel, Explain strategy stays open.
  int heights[3] = {};
  const int templates[3] = {kTemplateOneLine, kTemplateMedium, kTemplateLong};
  const int presses[3] = {kButtonYes, kButtonNo, 0};
  const int results[3] = {6, 7, 2};
  for (int i = 0; i < 3; ++i) {
    whenModal<HintDialog>([&, i](HintDialog* d) {
      heights[i] = d->height();
      // The text box has the template's size in units of the dialog's font.
      const DialogUnits du(d->font());
      const HintTemplate* t = hint_template(templates[i]);
      const QLabel* text = d->findChild<QLabel*>(QStringLiteral("text"));
      QCOMPARE(text->size(), QSize(du.x(t->text_width), du.y(t->text_height)));
      QCOMPARE(du.x(4), du.baseX());
      QCOMPARE(d->windowTitle(), QStringLiteral("X-wing"));
      QCOMPARE(d->text(), QStringLiteral("Look at rows 2 and 7."));
      QVERIFY(d->button(kButtonCancel) && d->button(kButtonExplainStrategy));
      d->button(kButtonExplainStrategy)->click();
      QVERIFY(d->isVisible());
      if (i == 2) saveShot(d, QStringLiteral("hint_dialog_long"));
      if (presses[i] == 0) QTest::keyClick(d, Qt::Key_Escape);
      else d->button(presses[i])->click();
    });
    QCOMPARE(platform.hint_dialog(templates[i], "Look at rows 2 and 7.", "X-wing", 5040, "BigHint"), results[i]);
  }
  QVERIFY(heights[0] < heights[1] && heights[1] < heights[2]);
  QCOMPARE(help.topics, (QList<int>{5040, 5040, 5040}));

  whenModal<LittleHintDialog>([&](LittleHintDialog* d) {
    QCOMPARE(d->windowTitle(), QStringLiteral("Medium hint"));
    QVERIFY(!d->button(kButtonNo));
    saveShot(d, QStringLiteral("little_hint_dialog"));
    QTest::keyClick(d, Qt::Key_Escape);
  });
  QCOMPARE(platform.little_hint_dialog("Look for naked pair with the values 2 and 7", "Medium hint", 5030,
                                       "LittleMediumHint"),
           kButtonOk);
  // Closing stored the placement in the dialog's own section.
  settings.flush(false);
  QVERIFY(settings.stored.count("LittleMediumHint/Corner"));
  QVERIFY(settings.stored.count("BigHint/DX"));
}

void PlatformTest::floatDlgRemembersTheNearestCornerAndStaysOnScreen() {
  QWidget owner;
  owner.setGeometry(100, 100, 400, 300);
  owner.show();
  MemorySettings settings;
  const QRect o = owner.frameGeometry();
  const QPoint bottomRight(o.left() + o.width(), o.top() + o.height());
  {
    // Left near the owner's bottom-right corner and closed...
    FloatDlg d(&owner, &settings, "BigHint");
    d.resize(100, 40);
    d.show();
    d.move(bottomRight + QPoint(-60, -30));
    d.hide();
  }
  settings.flush(false);
  QCOMPARE(settings.stored["BigHint/Corner"], std::string("3"));
  // ...it opens at the same offset from that corner after the owner moved.
  owner.move(150, 130);
  const QRect moved = owner.frameGeometry();
  FloatDlg again(&owner, &settings, "BigHint");
  again.resize(100, 40);
  again.show();
  QCOMPARE(again.frameGeometry().topLeft(),
           QPoint(moved.left() + moved.width(), moved.top() + moved.height()) + QPoint(-60, -30));
  again.hide();
  // (A place beyond the screen is pulled back: FrameTest's absurd geometry.)

  // Opened and closed ten times without being moved, it stays where it was
  // left: the frame the window manager draws round it does not creep in.
  // (Run on a display with a window manager for the real frame.)
  settings.write_integer("EnterDlg", "Corner", 0);
  settings.write_integer("EnterDlg", "DX", 37);
  settings.write_integer("EnterDlg", "DY", 41);
  for (int i = 0; i < 10; ++i) {
    FloatDlg d(&owner, &settings, "EnterDlg");
    d.resize(140, 70);
    d.show();
    // Under a window manager the frame comes a moment after the window shows.
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::qWait(50);
    d.hide();
    QCOMPARE(settings.read_integer("EnterDlg", "Corner", -1), 0);
    QCOMPARE(settings.read_integer("EnterDlg", "DX", 0), 37);
    QCOMPARE(settings.read_integer("EnterDlg", "DY", 0), 41);
  }
}

void PlatformTest::fileDialogsConvertFiltersAndOptions() {
  QCOMPARE(qtFileFilters("Sudoku Puzzle (*.spz)|*.spz|All Files (*.*)|*.*|"),
           (QStringList{"Sudoku Puzzle (*.spz)", "All Files (*)"}));
  QCOMPARE(qtFileFilters("Text|*.txt;*.text|dangling"), (QStringList{"Text (*.txt *.text)"}));
  QVERIFY(qtFileFilters("").isEmpty());

  // A folder of its own: the dialog lists the folder while the test types a
  // name, and a crowded shared temporary folder makes that slow and racy.
  QTemporaryDir own;
  QVERIFY(own.isValid());
  const QString folder = own.path();
  FileDialogRequest save{
      "Sudoku Puzzle (*.spz)|*.spz|", "spz", folder.toStdString(), "game", false, true, "Save the game"};
  std::unique_ptr<QFileDialog> d(QtPlatform::makeFileDialog(nullptr, save, true));
  QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
  QCOMPARE(d->windowTitle(), QStringLiteral("Save the game"));
  QCOMPARE(d->defaultSuffix(), QStringLiteral("spz"));
  QVERIFY(!d->testOption(QFileDialog::DontConfirmOverwrite));
  QCOMPARE(QDir(d->directory()).canonicalPath(), QDir(folder).canonicalPath());
  FileDialogRequest open{"All Files (*.*)|*.*|", "", "", "", true, false, ""};
  d.reset(QtPlatform::makeFileDialog(nullptr, open, false));
  QCOMPARE(d->fileMode(), QFileDialog::ExistingFile);
  QCOMPARE(d->windowTitle(), QStringLiteral("Open"));

  // Through the platform: the chosen path comes back, Cancel gives nothing.
  QtPlatform platform(nullptr);
  whenModal<QFileDialog>([&](QFileDialog* f) {
    // Type the name into the dialog's name field, as a person would.
    auto* name = f->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(QStringLiteral("chosen"));
    static_cast<QDialog*>(f)->accept();
  });
  const auto chosen = platform.save_file_dialog(save);
  QVERIFY(chosen.has_value());
  QCOMPARE(QString::fromStdString(*chosen), QDir(folder).filePath(QStringLiteral("chosen.spz")));
  whenModal<QFileDialog>([](QFileDialog* f) { f->reject(); });
  QVERIFY(!platform.open_file_dialog(open).has_value());
}

void PlatformTest::clipboardRoundTrip() {
  QtPlatform platform(nullptr);
  QGuiApplication::clipboard()->clear();
  std::string text = "unchanged";
  QCOMPARE(platform.get_clipboard_text(text), ClipboardRead::NoText);
  QCOMPARE(text, std::string("unchanged"));
  QVERIFY(platform.set_clipboard_text(kPuzzle));
  QCOMPARE(platform.get_clipboard_text(text), ClipboardRead::Text);
  QCOMPARE(text, std::string(kPuzzle));
}

void PlatformTest::inputAndColoringDialogs() {
  CountingHelp help;
  QtPlatform platform(nullptr, &help);
  platform.calls().colorOf = [](int element) { return rgb(element * 9, 100, 200); };
  // The input dialog gives its text whichever button closed it.
  whenModal<InputDialog>([](InputDialog* d) {
    QCOMPARE(d->field()->maxLength(), 20);
    QCOMPARE(d->text(), QStringLiteral("0.25"));
    d->field()->setText(QStringLiteral("1.5"));
    d->reject();
  });
  QCOMPARE(
      platform.input_dialog("Naked singles solving delay", "Enter the delay, from 0.001 to 2.000 seconds:", "0.25", 20),
      std::string("1.5"));

  // The colouring dialog's client origin goes where it is told, so the
  // buttons' centres lie 24 + 42 i pixels right of and 24 below it.
  whenModal<ColoringDialog>([&](ColoringDialog* d) {
    QCOMPARE(d->geometry().topLeft(), QPoint(300, 200));
    for (int i = 0; i < 6; ++i) QCOMPARE(d->button(101 + i)->geometry().center(), QPoint(24 + 42 * i, 24));
    saveShot(d, QStringLiteral("coloring_dialog"));
    d->button(9)->click();  // Help stays open
    QVERIFY(d->isVisible());
    d->button(103)->click();
  });
  QCOMPARE(platform.coloring_dialog(300, 200), 103);
  QCOMPARE(help.topics, QList<int>{1800});
  whenModal<ColoringDialog>([](ColoringDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
  QCOMPARE(platform.coloring_dialog(0, 0), 2);
}

void PlatformTest::helpViewerShowsAMissingPageClearly() {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("Vantry"));
  QFile page(dir.filePath(QStringLiteral("Vantry/100.html")));
  QVERIFY(page.open(QIODevice::WriteOnly));
  page.write("<h1>Getting Started with Vantry</h1>");
  page.close();
  HelpBrowser help(dir.filePath(QStringLiteral("Vantry.chm")));
  help.show_topic(100);
  QVERIFY(help.isVisible());
  QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("Getting Started")));
  help.show_topic(5040);
  QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("topic 5040 could not be found")));
  help.show_contents();
  QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("contents.html")));
}

}  // namespace vantry::uitest
