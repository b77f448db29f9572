// The window system for the engine, in Qt: message boxes, the busy, hint,
// welcome, input, colouring and colour dialogs, window timers by id, cursors,
// the clipboard, file dialogs, help, printing and processing waiting events
// (the system services), and what the game tells its presentation: the
// title, the entry dialog, the grid, the pane, the menus (the view observer).
// What only the main window can do (repaint the grid, rebuild the menus,
// re-arrange the layout) it asks of the main window through MainWindowCalls.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

#include "classlib/canvas.h"
#include "classlib/system_services.h"
#include "classlib/view_observer.h"
#include "ui/busy_dialog.h"
#include "ui/enter_dialog.h"

class QFileDialog;
class QMessageBox;
class QTimer;
class QWidget;

namespace vantry {

class HelpViewer;
class IniFile;
class PrintSupport;

// The main window's side of the platform; unset calls do nothing.
struct MainWindowCalls {
  std::function<void()> repaintGrid;
  std::function<void(PaneUpdate)> paneChanged;
  std::function<void()> clearHighlights;
  std::function<void()> menusChanged;
  std::function<void()> arrangeLayout;
  std::function<void()> colorDialog;
  std::function<void(Colorref)> setGridBackground;
  std::function<void(GridCursor)> setGridCursor;
  std::function<void(int)> entryButton;  // 601-603 from the entry dialog
  std::function<void()> focusGrid;       // the keys go to the grid again
  std::function<Colorref(int)> colorOf;  // a colour element, for the colouring buttons
};

class QtPlatform final : public QObject, public SystemServices, public ViewObserver {
  Q_OBJECT
 public:
  explicit QtPlatform(IniFile* settings, HelpViewer* help = nullptr);
  ~QtPlatform() override;

  void setMainWindow(QWidget* window) { m_mainWindow = window; }
  QWidget* mainWindow() const { return m_mainWindow; }
  void setHelpViewer(HelpViewer* help) { m_help = help; }
  MainWindowCalls& calls() { return m_calls; }
  // A close request that arrives during a long computation: the computation
  // stops at its next poll, as after Cancel.
  void requestClose() { m_closeRequested = true; }
  // The computation is over: the request is dealt with the usual way.
  void forgetCloseRequest() { m_closeRequested = false; }
  // True while a computation lets waiting events through: the program is
  // inside that computation, not at a point where the window may close.
  bool insideComputation() const { return m_pumping > 0; }

  // The dialogs and timers as they stand, for the main window and tests.
  BusyDialog* busyDialog() const { return m_busy; }
  EnterDialog* entryDialog() const { return m_entry; }
  bool timerActive(int id) const;
  int timerInterval(int id) const;

  // Qt's face of the engine's message box, unshown: texts, icon, buttons.
  static QMessageBox* makeMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                                     MessageIcon icon, MessageButtons buttons);
  // Qt's file dialog for a request, unshown.
  static QFileDialog* makeFileDialog(QWidget* parent, const FileDialogRequest& request, bool save);

  // ---- SystemServices ----
  // The action is a button of its own beside OK, which is the default.
  bool message_with_action(const std::string& text, const std::string& caption, MessageIcon icon,
                           const std::string& action) override;
  MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                            MessageButtons buttons) override;
  void set_wait_cursor(bool waiting) override;
  void create_busy_dialog(const std::string& message, std::function<void()> on_cancel) override;
  void show_busy_dialog() override;
  void destroy_busy_dialog() override;
  void set_busy_message(const std::string& message) override;
  void start_timer(int id, int interval_ms, std::function<void()> on_expiry) override;
  void kill_timer(int id) override;
  int hint_dialog(int template_id, const std::string& text, const std::string& title, int help_context,
                  const std::string& section) override;
  int little_hint_dialog(const std::string& text, const std::string& title, int help_context,
                         const std::string& section) override;
  void process_pending_events() override;
  bool close_requested() const override { return m_closeRequested; }
  ClipboardRead get_clipboard_text(std::string& text) override;
  bool set_clipboard_text(const std::string& text) override;
  std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override;
  std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override;
  SystemColors system_colors() override;
  bool shift_held() override;
  std::string shifted_digit_key(char digit) override;
  std::string input_dialog(const std::string& title, const std::string& prompt, const std::string& text,
                           int max_chars) override;
  int coloring_dialog(int x, int y) override;
  std::optional<std::uint32_t> choose_color(std::uint32_t initial, std::array<std::uint32_t, 16>& custom) override;
  int welcome_dialog() override;
  void show_help_topic(int context) override;
  void show_help_contents() override;
  bool limited_palette() override;
  void color_dialog() override;
  void about_dialog() override;
  void drill_summary(const DrillReport& report) override;

  // ---- Printing (print_support.cpp) ----
  bool create_printer() override;
  void print_setup_dialog() override;
  void screen_dpi(int& dpi_x, int& dpi_y) override;
  PrintResult print_page(const std::string& title, const std::function<PageMapping(const PrinterPage&)>& layout,
                         const std::function<void(Canvas&)>& draw) override;
  // The printer and its dialogs, made on first use.
  PrintSupport& printing();

  // ---- ViewObserver ----
  void repaint_grid() override;
  void set_window_title(const std::string& title) override;
  void pane_changed(PaneUpdate update) override;
  void clear_highlights() override;
  bool main_window_shown() const override;
  void show_entry_dialog() override;
  void hide_entry_dialog() override;
  void destroy_entry_dialog() override;
  void set_grid_background(std::uint32_t color) override;
  void set_grid_cursor(GridCursor cursor) override;
  void menus_changed() override;
  void arrange_layout() override;
  void close_main_window() override;

 private:
  std::optional<std::string> fileDialog(const FileDialogRequest& request, bool save);

  IniFile* m_settings;
  HelpViewer* m_help;
  QPointer<QWidget> m_mainWindow;
  MainWindowCalls m_calls;
  QPointer<BusyDialog> m_busy;
  QPointer<EnterDialog> m_entry;
  PrintSupport* m_printing = nullptr;  // a child object, made on first use
  struct Timer {
    QTimer* timer;
    std::function<void()> onExpiry;
  };
  std::map<int, Timer> m_timers;
  bool m_closeRequested = false;
  int m_pumping = 0;  // nested process_pending_events calls
};

}  // namespace vantry
