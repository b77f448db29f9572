// A scripted window system and presentation for headless tests. It records
// what the engine asked for (message boxes with caption and icon, busy
// dialogs, timers, cursors) and what the game told the view, answers message
// boxes from a queue, and runs scripted actions when the engine lets waiting
// events through, as a real event loop would deliver a click or a timer expiry
// at that moment. What no test looks at is left to the silent stand-ins.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "classlib/silent_services.h"
#include "classlib/view_observer.h"

namespace vantry::testing {

struct RecordedMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
  MessageButtons buttons;
};

struct RecordedHintDialog {
  bool big;  // HintDialog (true) or LittleHintDialog
  int template_id;
  std::string text;
  std::string title;
  int help_context;
  std::string section;
};

class FakePlatform : public SilentServices, public SilentView {
 public:
  // Message boxes.
  std::deque<MessageAnswer> answers;  // taken in order; Ok/Yes-style default when empty
  std::vector<RecordedMessage> messages;
  MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                            MessageButtons buttons) override {
    messages.push_back({text, caption, icon, buttons});
    if (!answers.empty()) {
      const MessageAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? MessageAnswer::Ok
                                                                                : MessageAnswer::Yes;
  }

  // Hint dialogs: recorded with everything they were given and answered from
  // a queue of button numbers (Yes 6 for a Big hint, OK 6 for the other when empty).
  std::deque<int> hint_answers;
  std::vector<RecordedHintDialog> hint_dialogs;
  std::function<void()> on_hint_dialog;  // runs while the dialog is open
  int hint_dialog(int template_id, const std::string& text, const std::string& title, int help_context,
                  const std::string& section) override {
    hint_dialogs.push_back({true, template_id, text, title, help_context, section});
    if (on_hint_dialog) on_hint_dialog();
    return next_hint_answer();
  }
  int little_hint_dialog(const std::string& text, const std::string& title, int help_context,
                         const std::string& section) override {
    hint_dialogs.push_back({false, 1504, text, title, help_context, section});
    if (on_hint_dialog) on_hint_dialog();
    return next_hint_answer();
  }
  int next_hint_answer() {
    if (hint_answers.empty()) return 6;
    const int a = hint_answers.front();
    hint_answers.pop_front();
    return a;
  }

  // Cursor and busy dialog.
  bool wait_cursor = false;
  int wait_cursor_changes = 0;
  void set_wait_cursor(bool waiting) override {
    wait_cursor = waiting;
    ++wait_cursor_changes;
  }
  bool dialog_exists = false;
  bool dialog_visible = false;
  std::string dialog_message;
  int dialogs_created = 0;
  int dialogs_shown = 0;
  std::function<void()> press_cancel;
  void create_busy_dialog(const std::string& message, std::function<void()> on_cancel) override {
    dialog_exists = true;
    dialog_visible = false;
    dialog_message = message;
    press_cancel = std::move(on_cancel);
    ++dialogs_created;
  }
  void show_busy_dialog() override {
    dialog_visible = true;
    ++dialogs_shown;
  }
  void set_busy_message(const std::string& message) override { dialog_message = message; }
  void destroy_busy_dialog() override {
    dialog_exists = dialog_visible = false;
    press_cancel = nullptr;
  }

  // Timers: running ones by id with their interval and expiry action.
  struct Timer {
    int interval_ms;
    std::function<void()> on_expiry;
  };
  std::map<int, Timer> timers;
  void start_timer(int id, int interval_ms, std::function<void()> on_expiry) override {
    timers[id] = {interval_ms, std::move(on_expiry)};
  }
  void kill_timer(int id) override { timers.erase(id); }
  bool timer_running(int id) const { return timers.count(id) != 0; }
  // The timer's interval elapses once; false if it was not running.
  bool fire_timer(int id) {
    auto it = timers.find(id);
    if (it == timers.end()) return false;
    auto action = it->second.on_expiry;  // the action may kill or restart the timer
    action();
    return true;
  }

  // Event processing: each pass runs the actions scripted for it, in order.
  int pumps = 0;
  std::map<int, std::vector<std::function<void()>>> on_pump;  // by 1-based pass number
  std::function<void()> on_every_pump;
  bool close_was_requested = false;
  void process_pending_events() override {
    ++pumps;
    if (auto it = on_pump.find(pumps); it != on_pump.end()) {
      for (auto& action : it->second) action();
    }
    if (on_every_pump) on_every_pump();
  }
  bool close_requested() const override { return close_was_requested; }

  // Clipboard: what a paste reads (or the failure it meets), and every text
  // copied; set_clipboard_ok false makes copying fail as a locked clipboard would.
  ClipboardRead clipboard_state = ClipboardRead::NoText;
  std::string clipboard;
  bool set_clipboard_ok = true;
  std::vector<std::string> copied;
  ClipboardRead get_clipboard_text(std::string& text) override {
    if (clipboard_state == ClipboardRead::Text) text = clipboard;
    return clipboard_state;
  }
  bool set_clipboard_text(const std::string& text) override {
    if (!set_clipboard_ok) return false;
    copied.push_back(text);
    clipboard = text;
    clipboard_state = ClipboardRead::Text;
    return true;
  }

  // File dialogs: recorded with their request and answered from a queue of
  // paths (nothing = the player cancelled; cancelled when the queue is empty).
  struct RecordedFileDialog {
    bool save;
    FileDialogRequest request;
  };
  std::deque<std::optional<std::string>> file_answers;
  std::vector<RecordedFileDialog> file_dialogs;
  std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override {
    file_dialogs.push_back({false, request});
    return next_file_answer();
  }
  std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override {
    file_dialogs.push_back({true, request});
    return next_file_answer();
  }
  std::optional<std::string> next_file_answer() {
    if (file_answers.empty()) return std::nullopt;
    auto a = file_answers.front();
    file_answers.pop_front();
    return a;
  }

  // Grid, title and pane: counted or kept as last shown.
  int repaints = 0;
  std::string window_title;
  std::vector<PaneUpdate> pane_updates;
  bool window_shown = true;
  void repaint_grid() override { ++repaints; }
  void set_window_title(const std::string& text) override { window_title = text; }
  void pane_changed(PaneUpdate update) override { pane_updates.push_back(update); }
  bool main_window_shown() const override { return window_shown; }

  // The puzzle entry dialog.
  bool entry_dialog_exists = false;
  bool entry_dialog_visible = false;
  void show_entry_dialog() override { entry_dialog_exists = entry_dialog_visible = true; }
  void hide_entry_dialog() override { entry_dialog_visible = false; }
  void destroy_entry_dialog() override { entry_dialog_exists = entry_dialog_visible = false; }

  // The desktop program's calls: system colours and keyboard as set here,
  // dialogs answered from queues (Cancel-like answers when empty) and
  // recorded, the rest counted or kept as last set.
  SystemColors system = {0x00FFFFFF, 0x00000000};
  int system_color_reads = 0;
  SystemColors system_colors() override {
    ++system_color_reads;
    return system;
  }
  std::uint32_t grid_background = 0;
  void set_grid_background(std::uint32_t color) override { grid_background = color; }
  GridCursor grid_cursor = GridCursor::Arrow;
  void set_grid_cursor(GridCursor cursor) override { grid_cursor = cursor; }
  bool shift = false;
  bool shift_held() override { return shift; }
  // Shift + '1'..'9' on a US layout unless a test changes an entry.
  std::map<char, std::string> shifted_keys = {{'1', "!"}, {'2', "@"}, {'3', "#"}, {'4', "$"}, {'5', "%"},
                                              {'6', "^"}, {'7', "&"}, {'8', "*"}, {'9', "("}};
  std::string shifted_digit_key(char digit) override { return shifted_keys[digit]; }

  struct RecordedInput {
    std::string title, prompt, text;
    int max_chars;
  };
  std::deque<std::string> input_answers;  // the field's text; unchanged text when empty
  std::vector<RecordedInput> inputs;
  std::string input_dialog(const std::string& title, const std::string& prompt, const std::string& text,
                           int max_chars) override {
    inputs.push_back({title, prompt, text, max_chars});
    if (input_answers.empty()) return text;
    std::string a = input_answers.front();
    input_answers.pop_front();
    return a;
  }
  struct Point {
    int x, y;
  };
  std::deque<int> coloring_answers;  // 2 (Cancel) when empty
  std::vector<Point> coloring_dialogs;
  int coloring_dialog(int x, int y) override {
    coloring_dialogs.push_back({x, y});
    if (coloring_answers.empty()) return 2;
    const int a = coloring_answers.front();
    coloring_answers.pop_front();
    return a;
  }
  std::deque<std::optional<std::uint32_t>> color_answers;  // cancelled when empty
  std::vector<std::uint32_t> color_chooser_initials;
  std::optional<std::uint32_t> choose_color(std::uint32_t initial, std::array<std::uint32_t, 16>&) override {
    color_chooser_initials.push_back(initial);
    if (color_answers.empty()) return std::nullopt;
    auto a = color_answers.front();
    color_answers.pop_front();
    return a;
  }
  std::deque<int> welcome_answers;  // 2 (Cancel) when empty
  int welcome_dialogs = 0;
  int welcome_dialog() override {
    ++welcome_dialogs;
    if (welcome_answers.empty()) return 2;
    const int a = welcome_answers.front();
    welcome_answers.pop_front();
    return a;
  }
  std::vector<int> help_topics;
  void show_help_topic(int context) override { help_topics.push_back(context); }
  bool palette_limited = false;
  bool limited_palette() override { return palette_limited; }
  int menu_changes = 0;
  void menus_changed() override { ++menu_changes; }
  int arranges = 0;
  void arrange_layout() override { ++arranges; }

  // Printing: a printer that can be refused, a page of given metrics, the
  // mapping the engine chose, and the page drawn on a canvas the test gives.
  // The screen has 96 pixels per inch.
  bool printer_creatable = true;
  int print_setups = 0;
  PrinterPage printer_page{4800, 6600, 600, 600, 5100, 6600, 150, 0};  // US Letter at 600 dpi
  PrintResult print_result = PrintResult::Printed;
  Canvas* print_canvas = nullptr;  // the page is drawn here when set
  std::function<void()> on_print;  // runs while the page prints
  std::vector<std::string> print_titles;
  PageMapping last_mapping;
  bool create_printer() override { return printer_creatable; }
  void print_setup_dialog() override { ++print_setups; }
  PrintResult print_page(const std::string& title, const std::function<PageMapping(const PrinterPage&)>& layout,
                         const std::function<void(Canvas&)>& draw) override {
    print_titles.push_back(title);
    last_mapping = layout(printer_page);
    if (on_print) on_print();
    if (print_canvas) draw(*print_canvas);
    return print_result;
  }
};

}  // namespace vantry::testing
