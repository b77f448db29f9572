// A scripted window system for headless tests. It records what the engine
// asked for (message boxes with caption and icon, busy dialogs, timers,
// cursors), answers message boxes from a queue, and runs scripted actions when
// the engine lets waiting events through, as a real event loop would deliver
// a click or a timer expiry at that moment.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "classlib/platform.h"

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

class FakePlatform : public Platform {
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
  int hint_dialog(int template_id, const std::string& text, const std::string& title,
                  int help_context, const std::string& section) override {
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

  // Grid, title, pane and highlights: counted or kept as last shown.
  int repaints = 0;
  std::string title;
  std::vector<PaneUpdate> pane_updates;
  int highlight_clears = 0;
  bool window_shown = true;
  void repaint_grid() override { ++repaints; }
  void set_window_title(const std::string& text) override { title = text; }
  void pane_changed(PaneUpdate update) override { pane_updates.push_back(update); }
  void clear_highlights() override { ++highlight_clears; }
  bool main_window_shown() const override { return window_shown; }

  // The puzzle entry dialog.
  bool entry_dialog_exists = false;
  bool entry_dialog_visible = false;
  void show_entry_dialog() override { entry_dialog_exists = entry_dialog_visible = true; }
  void hide_entry_dialog() override { entry_dialog_visible = false; }
  void destroy_entry_dialog() override { entry_dialog_exists = entry_dialog_visible = false; }
};

}  // namespace vantry::testing
