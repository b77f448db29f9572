#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QSpacerItem>
#include <QMessageBox>
#include <QMimeData>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "classlib/inifile.h"
#include "help/help_viewer.h"
#include "ui/about_dialog.h"
#include "ui/busy_dialog.h"
#include "ui/coloring_dialog.h"
#include "ui/delay_dialog.h"
#include "ui/drill_summary_dialog.h"
#include "ui/enter_dialog.h"
#include "ui/file_filter.h"
#include "ui/hint_dialogs.h"
#include "ui/qt_canvas.h"
#include "ui/welcome_dialog.h"

namespace vantry {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

template <typename F>
void call(const F& f) {
  if (f) f();
}

// The room a title bar needs for the caption: its text in a title font that
// may be larger and bolder than the box's, plus the window manager's icon and
// buttons beside it.
constexpr int kTitleBarExtras = 150;

int captionWidth(const QWidget* box, const QString& caption) {
  QFont title = box->font();
  title.setBold(true);
  return QFontMetrics(title).horizontalAdvance(caption) * 5 / 4 + kTitleBarExtras;
}

}  // namespace

QtPlatform::QtPlatform(IniFile* settings, HelpViewer* help) : m_settings(settings), m_help(help) {}

QtPlatform::~QtPlatform() {
  for (auto& [id, t] : m_timers) delete t.timer;
  delete m_busy.data();
  delete m_entry.data();
}

// ---- Message boxes ----

QMessageBox* QtPlatform::makeMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                                        MessageIcon icon, MessageButtons buttons) {
  auto* box = new QMessageBox(parent);
  box->setWindowTitle(qs(caption));
  // Plain text: the messages hold quotes, line breaks and double spaces
  // that must show exactly as written.
  box->setTextFormat(Qt::PlainText);
  box->setText(qs(text));
  switch (icon) {
    case MessageIcon::None: box->setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box->setIcon(QMessageBox::Information); break;
    case MessageIcon::Exclamation: box->setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box->setIcon(QMessageBox::Question); break;
    case MessageIcon::Stop: box->setIcon(QMessageBox::Critical); break;
  }
  switch (buttons) {
    case MessageButtons::Ok:
      box->setStandardButtons(QMessageBox::Ok);
      box->setEscapeButton(QMessageBox::Ok);
      break;
    case MessageButtons::OkCancel:
      box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box->setEscapeButton(QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo:
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box->setEscapeButton(QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box->setEscapeButton(QMessageBox::Cancel);
      break;
  }
  // The first button is the default, as the program's boxes have it.
  box->setDefaultButton(buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? QMessageBox::Yes
                                                                                                   : QMessageBox::Ok);
  // The window manager writes the caption in the title bar beside its icon
  // and buttons: a box narrower than that shows a cut caption ("V...").
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    grid->addItem(new QSpacerItem(captionWidth(box, qs(caption)), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box;
}

MessageAnswer QtPlatform::message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons) {
  QMessageBox* box = makeMessageBox(m_mainWindow, text, caption, icon, buttons);
  box->setAttribute(Qt::WA_DeleteOnClose, false);
  const int result = box->exec();
  delete box;
  switch (result) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default:
      // Closed some other way: the box's escape answer.
      if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
      if (buttons == MessageButtons::YesNo) return MessageAnswer::No;
      return MessageAnswer::Cancel;
  }
}

bool QtPlatform::message_with_action(const std::string& text, const std::string& caption, MessageIcon icon,
                                     const std::string& action) {
  QMessageBox* box = makeMessageBox(m_mainWindow, text, caption, icon, MessageButtons::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose, false);
  QPushButton* chosen = box->addButton(qs(action), QMessageBox::AcceptRole);
  box->exec();
  const bool yes = box->clickedButton() == chosen;
  delete box;
  return yes;
}

// ---- Cursors and the busy dialog ----

void QtPlatform::set_wait_cursor(bool waiting) {
  // On the main window, which the grid and the pane inherit it from; the
  // busy dialog, a window of its own, keeps the arrow for its Cancel button.
  if (!m_mainWindow) return;
  if (waiting) m_mainWindow->setCursor(Qt::WaitCursor);
  else m_mainWindow->unsetCursor();
}

void QtPlatform::create_busy_dialog(const std::string& message, std::function<void()> on_cancel) {
  destroy_busy_dialog();
  m_busy = new BusyDialog(m_mainWindow, message, std::move(on_cancel));
}

void QtPlatform::show_busy_dialog() {
  if (!m_busy) return;
  m_busy->showCentred();
}

void QtPlatform::set_busy_message(const std::string& message) {
  if (m_busy) m_busy->setMessage(message);
}

void QtPlatform::destroy_busy_dialog() {
  if (!m_busy) return;
  // Deleted later: the phase may end from inside an event of the dialog itself.
  m_busy->hide();
  m_busy->deleteLater();
  m_busy = nullptr;
}

// ---- Timers ----

void QtPlatform::start_timer(int id, int interval_ms, std::function<void()> on_expiry) {
  Timer& t = m_timers[id];
  if (!t.timer) {
    t.timer = new QTimer(this);
    connect(t.timer, &QTimer::timeout, this, [this, id] {
      auto it = m_timers.find(id);
      if (it == m_timers.end() || !it->second.onExpiry) return;
      // A copy: the action may kill or restart this very timer.
      const std::function<void()> action = it->second.onExpiry;
      action();
    });
  }
  t.onExpiry = std::move(on_expiry);
  t.timer->start(qMax(0, interval_ms));
}

void QtPlatform::kill_timer(int id) {
  auto it = m_timers.find(id);
  if (it == m_timers.end()) return;
  it->second.timer->stop();
  it->second.onExpiry = nullptr;
}

bool QtPlatform::timerActive(int id) const {
  auto it = m_timers.find(id);
  return it != m_timers.end() && it->second.timer->isActive();
}

int QtPlatform::timerInterval(int id) const {
  auto it = m_timers.find(id);
  return it == m_timers.end() ? -1 : it->second.timer->interval();
}

// ---- Hint dialogs ----

int QtPlatform::hint_dialog(int template_id, const std::string& text, const std::string& title, int help_context,
                            const std::string& section) {
  HintDialog dialog(m_mainWindow, m_settings, section, template_id, text, title,
                    [this, help_context] { show_help_topic(help_context); });
  return dialog.exec();
}

int QtPlatform::little_hint_dialog(const std::string& text, const std::string& title, int help_context,
                                   const std::string& section) {
  LittleHintDialog dialog(m_mainWindow, m_settings, section, text, title,
                          [this, help_context] { show_help_topic(help_context); });
  return dialog.exec();
}

void QtPlatform::process_pending_events() {
  ++m_pumping;
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  --m_pumping;
}

// ---- Clipboard and files ----

ClipboardRead QtPlatform::get_clipboard_text(std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return ClipboardRead::CannotOpen;
  const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
  if (!data || !data->hasText()) return ClipboardRead::NoText;
  text = data->text().toStdString();
  return ClipboardRead::Text;
}

bool QtPlatform::set_clipboard_text(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(qs(text), QClipboard::Clipboard);
  return true;
}

QFileDialog* QtPlatform::makeFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
  auto* dialog = new QFileDialog(parent);
  if (!request.title.empty()) dialog->setWindowTitle(qs(request.title));
  else dialog->setWindowTitle(save ? QStringLiteral("Save As") : QStringLiteral("Open"));
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile
                           : (request.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
  const QStringList filters = qtFileFilters(request.filter);
  if (!filters.isEmpty()) dialog->setNameFilters(filters);
  if (!request.default_extension.empty()) dialog->setDefaultSuffix(qs(request.default_extension));
  if (save && !request.confirm_overwrite) dialog->setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.initial_directory.empty()) dialog->setDirectory(qs(request.initial_directory));
  if (!request.proposed_name.empty()) dialog->selectFile(qs(request.proposed_name));
  return dialog;
}

std::optional<std::string> QtPlatform::fileDialog(const FileDialogRequest& request, bool save) {
  QFileDialog* dialog = makeFileDialog(m_mainWindow, request, save);
  std::optional<std::string> result;
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
    result = dialog->selectedFiles().first().toStdString();
  }
  delete dialog;
  return result;
}

std::optional<std::string> QtPlatform::open_file_dialog(const FileDialogRequest& request) {
  return fileDialog(request, false);
}

std::optional<std::string> QtPlatform::save_file_dialog(const FileDialogRequest& request) {
  return fileDialog(request, true);
}

// ---- The main window ----

void QtPlatform::repaint_grid() { call(m_calls.repaintGrid); }

void QtPlatform::set_window_title(const std::string& title) {
  if (m_mainWindow) m_mainWindow->setWindowTitle(qs(title));
}

void QtPlatform::pane_changed(PaneUpdate update) {
  if (m_calls.paneChanged) m_calls.paneChanged(update);
}

void QtPlatform::clear_highlights() { call(m_calls.clearHighlights); }

bool QtPlatform::main_window_shown() const {
  return m_mainWindow && m_mainWindow->isVisible() && !m_mainWindow->isMinimized();
}

void QtPlatform::show_entry_dialog() {
  if (!m_entry) {
    m_entry = new EnterDialog(m_mainWindow, m_settings, [this](int id) {
      if (m_calls.entryButton) m_calls.entryButton(id);
    });
  }
  m_entry->show();
  // The keys go to the grid, where the digits are typed.
  call(m_calls.focusGrid);
  call(m_calls.repaintGrid);
}

void QtPlatform::hide_entry_dialog() {
  if (m_entry) m_entry->hide();
}

void QtPlatform::destroy_entry_dialog() {
  if (!m_entry) return;
  // Hidden first (its place is stored), deleted once its button's click is over.
  m_entry->hide();
  m_entry->deleteLater();
  m_entry = nullptr;
}

SystemColors QtPlatform::system_colors() {
  const QPalette palette = QApplication::palette();
  return {toColorref(palette.color(QPalette::Base)), toColorref(palette.color(QPalette::Text))};
}

void QtPlatform::set_grid_background(std::uint32_t color) {
  if (m_calls.setGridBackground) m_calls.setGridBackground(color);
}

void QtPlatform::set_grid_cursor(GridCursor cursor) {
  if (m_calls.setGridCursor) m_calls.setGridCursor(cursor);
}

bool QtPlatform::shift_held() {
  // The keyboard as it is now, asked of the window system where it can tell.
  return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

std::string QtPlatform::shifted_digit_key(char digit) {
  // Qt does not let a program ask the keyboard layout what a key gives with
  // Shift. The grid window recognises the digit keys by their position
  // instead and hands the engine these characters for Shift + digit, so
  // highlighting works the same on every layout.
  static constexpr char kShifted[] = "!@#$%^&*(";
  if (digit < '1' || digit > '9') return {};
  return std::string(1, kShifted[digit - '1']);
}

std::string QtPlatform::input_dialog(const std::string& title, const std::string& prompt, const std::string& text,
                                     int max_chars) {
  InputDialog dialog(m_mainWindow, qs(title), qs(prompt), qs(text), max_chars);
  dialog.exec();
  return dialog.text().toStdString();
}

int QtPlatform::coloring_dialog(int x, int y) {
  ColoringDialog dialog(m_mainWindow, m_calls.colorOf, [this] { show_help_topic(1800); });
  // The client area's origin goes to (x, y), so the default colour's button
  // lies under the mouse.
  dialog.setGeometry(x, y, dialog.width(), dialog.height());
  return dialog.exec();
}

std::optional<std::uint32_t> QtPlatform::choose_color(std::uint32_t initial, std::array<std::uint32_t, 16>& custom) {
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, toQColor(custom[i]));
  QColorDialog dialog(toQColor(initial), m_mainWindow);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  for (int i = 0; i < 16; ++i) custom[i] = toColorref(QColorDialog::customColor(i));
  if (!chosen) return std::nullopt;
  return toColorref(dialog.selectedColor());
}

int QtPlatform::welcome_dialog() {
  WelcomeDialog dialog(m_mainWindow, m_settings);
  return dialog.exec();
}

void QtPlatform::show_help_topic(int context) {
  if (m_help) m_help->show_topic(context);
}

void QtPlatform::show_help_contents() {
  if (m_help) m_help->show_contents();
}

bool QtPlatform::limited_palette() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->depth() > 0 && screen->depth() <= 8;
}

void QtPlatform::menus_changed() { call(m_calls.menusChanged); }

void QtPlatform::arrange_layout() { call(m_calls.arrangeLayout); }

void QtPlatform::close_main_window() {
  if (m_mainWindow) m_mainWindow->close();
}

void QtPlatform::color_dialog() { call(m_calls.colorDialog); }

void QtPlatform::about_dialog() {
  AboutDialog dialog(m_mainWindow, shift_held());
  dialog.exec();
}

void QtPlatform::drill_summary(const DrillReport& report) {
  DrillSummaryDialog dialog(m_mainWindow, report);
  dialog.exec();
}

}  // namespace vantry
