// What the engine asks of the window system: message boxes and their answers,
// the busy dialog and the wait cursor, timers, the hint dialogs, processing
// waiting events, the clipboard, file dialogs, and the desktop's other modal
// dialogs. The Qt layer implements it for real, the tests with a scripted
// fake, the command line tool and the solution path's worker thread with
// SilentServices. What the game tells its presentation is the ViewObserver's.
#pragma once

#include <functional>
#include <optional>
#include <array>
#include <cstdint>
#include <string>

#include "classlib/canvas.h"
#include "classlib/drill_report.h"

namespace vantry {

enum class MessageIcon { None, Information, Exclamation, Question, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Reading the clipboard: its text, or why there is none.
enum class ClipboardRead { Text, CannotOpen, NoText };

// What a file dialog is asked to show. The filter is a list of description
// and pattern pairs, each ended by '|' ("Text Files (*.txt)|*.txt|").
struct FileDialogRequest {
  std::string filter;
  std::string default_extension;  // without the dot; added to a bare name
  std::string initial_directory;
  std::string proposed_name;       // the name (or path) the dialog starts with
  bool must_exist = false;         // open: the file and its folder must exist
  bool confirm_overwrite = false;  // save: ask before replacing a file
  std::string title;               // empty: the window system's own ("Open", "Save As")
};

// The two system colours "Use system colors" follows, as 0x00BBGGRR.
struct SystemColors {
  std::uint32_t window = 0;       // the window background
  std::uint32_t window_text = 0;  // text on it
};

// ---- Printing ----
// A printer page in device pixels: the printable area, the paper and the
// unprintable offsets of the printable area's corner on it, with the
// printer's pixels per inch.
struct PrinterPage {
  int printable_width = 0, printable_height = 0;
  int dpi_x = 0, dpi_y = 0;
  int paper_width = 0, paper_height = 0;
  int offset_x = 0, offset_y = 0;
};

// How a page is drawn: the logical window that maps onto the whole printable
// area (same scale on both axes), and the rectangle drawing is clipped to.
struct PageMapping {
  Rect window;
  Rect clip;
};

enum class PrintResult { Printed, Cancelled, Failed };

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // A modal message box; returns the button the player chose.
  virtual MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                                    MessageButtons buttons) = 0;

  // A message box that offers one thing to do besides closing it: a button
  // labelled action. True when the player chose it. Without a window system
  // of its own this is the question "<action>?" under the text, with Yes and No.
  virtual bool message_with_action(const std::string& text, const std::string& caption, MessageIcon icon,
                                   const std::string& action);

  // The wait cursor (true) or the arrow (false) over the main window and the button pane.
  virtual void set_wait_cursor(bool waiting) = 0;

  // The modeless busy dialog: created with its message (not yet visible), shown,
  // destroyed. Its Cancel button calls on_cancel; the dialog stays up until destroyed.
  virtual void create_busy_dialog(const std::string& message, std::function<void()> on_cancel) = 0;
  virtual void show_busy_dialog() = 0;
  virtual void destroy_busy_dialog() = 0;
  // A new message for the busy dialog that is up (a count of the work done).
  virtual void set_busy_message(const std::string& message) { (void)message; }

  // Window timers of the main window, by id. A timer repeats every interval_ms
  // until it is killed; starting an id that runs restarts it with the new expiry.
  virtual void start_timer(int id, int interval_ms, std::function<void()> on_expiry) = 0;
  virtual void kill_timer(int id) = 0;

  // The two modal hint dialogs. hint_dialog shows a Big hint on template 1501,
  // 1502 or 1503 (the longer the explanation, the taller the template) and
  // returns the number of the button that closed it: 6 Yes, 7 No, 2 Cancel.
  // little_hint_dialog shows a Little or Medium hint on template 1504 and
  // returns 6 (OK). In both, "Explain strategy" opens help_context and leaves
  // the dialog open; section names the settings section keeping its placement.
  virtual int hint_dialog(int template_id, const std::string& text, const std::string& title, int help_context,
                          const std::string& section) = 0;
  virtual int little_hint_dialog(const std::string& text, const std::string& title, int help_context,
                                 const std::string& section) = 0;

  // Lets the window system deliver waiting events (paints, clicks on Cancel,
  // timer expiries) and returns when the queue is empty.
  virtual void process_pending_events() = 0;
  // True once the player has asked the application to close while a
  // computation ran: the computation stops at its next poll.
  virtual bool close_requested() const = 0;

  // ---- Clipboard and file dialogs ----

  // The clipboard's plain text into text (Text), or why not.
  virtual ClipboardRead get_clipboard_text(std::string& text) = 0;
  // Empties the clipboard and puts text on it; false if it could not be opened
  // or emptied, in which case it is left alone.
  virtual bool set_clipboard_text(const std::string& text) = 0;

  // The modal file dialogs: the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> open_file_dialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> save_file_dialog(const FileDialogRequest& request) = 0;

  // ---- The desktop's other dialogs, colours and keyboard ----
  // Only the desktop program reaches most of these; SilentServices answers
  // them as a program without a window system would (nothing chosen).

  // The system's window and window-text colours, asked for whenever
  // "Use system colors" is turned on or refreshed.
  virtual SystemColors system_colors() = 0;
  // Whether Shift is held right now (a menu or pane command reads the
  // keyboard at the moment it runs).
  virtual bool shift_held() = 0;
  // The text the keyboard layout produces for Shift + the main keyboard's
  // digit key ('1'..'9'); empty, or more than one character, when that key
  // gives no single character with Shift (a dead key, for example).
  virtual std::string shifted_digit_key(char digit) = 0;

  // A modal input dialog with a title, a prompt and a one-line field of at
  // most max_chars characters that starts with text. Returns the field's
  // text whichever button closed it.
  virtual std::string input_dialog(const std::string& title, const std::string& prompt, const std::string& text,
                                   int max_chars) = 0;
  // The modal "Color this cell" dialog: six colour buttons (ids 101-106,
  // faces in the colours of elements 21-26), "Clear all" (1), "Cancel" (2)
  // and "Help" (9, opens help topic 1800 and leaves the dialog open).
  // Its client origin goes to the screen point (x, y) before it shows.
  // Returns 101-106, 1 or 2.
  virtual int coloring_dialog(int x, int y) = 0;
  // The colour chooser, fully expanded, starting at initial with the sixteen
  // custom colours (the chooser may change them). Nothing when cancelled.
  virtual std::optional<std::uint32_t> choose_color(std::uint32_t initial, std::array<std::uint32_t, 16>& custom) = 0;
  // The modal Welcome dialog; returns the id of the button that closed it:
  // 11901-11906 create, 11875 enter, 24332 open, 2 Cancel.
  virtual int welcome_dialog() = 0;
  // The help viewer at a topic number, or at its contents.
  virtual void show_help_topic(int context) = 0;
  virtual void show_help_contents() = 0;
  // True when the display shows 256 colours or fewer.
  virtual bool limited_palette() = 0;
  // The colour dialog ("Change colors") over the engine's ColorDialog;
  // returns when it closed.
  virtual void color_dialog() = 0;
  // The modal About box.
  virtual void about_dialog() = 0;
  // The modal summary at the end of a drill; a plain message box unless the
  // window system has a better way to show its table.
  virtual void drill_summary(const DrillReport& report);

  // ---- Printing ----
  // The run's printer, made on first use; false when none can be made.
  virtual bool create_printer() = 0;
  // The window system's page set-up (printer choice) dialog for that printer.
  virtual void print_setup_dialog() = 0;
  // The screen's pixels per inch, across and down.
  virtual void screen_dpi(int& dpi_x, int& dpi_y) = 0;
  // Prints a one-page document called title through the print dialog, with
  // an abort dialog while it prints: layout maps the page, draw draws it in
  // the mapped logical units.
  virtual PrintResult print_page(const std::string& title, const std::function<PageMapping(const PrinterPage&)>& layout,
                                 const std::function<void(Canvas&)>& draw) = 0;
};

// Processes waiting events on behalf of a long computation. A close request
// that arrives meanwhile cancels the running computation (close_requested()
// then answers true); the window closes the usual way once it has ended.
void pump_events(SystemServices& services);

}  // namespace vantry
