// The window system as a command line tool sees it: no windows and no one to
// press Cancel. Message boxes go to standard error and take their default
// answer; timers are kept as deadlines and fire when the running computation
// next lets events through, which is all a long computation needs of them.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>

#include "classlib/platform.h"

namespace vantry {

class ConsolePlatform final : public Platform {
 public:
  MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                            MessageButtons buttons) override;
  void set_wait_cursor(bool) override {}
  void create_busy_dialog(const std::string&, std::function<void()>) override {}
  void show_busy_dialog() override {}
  void destroy_busy_dialog() override {}
  void start_timer(int id, int interval_ms, std::function<void()> on_expiry) override;
  void kill_timer(int id) override { my_timers.erase(id); }
  // A hint dialog is not shown: its title and text are kept for the caller to
  // print. A Big hint is answered No, so its marks stay and nothing changes.
  int hint_dialog(int template_id, const std::string& text, const std::string& title,
                  int help_context, const std::string& section) override;
  int little_hint_dialog(const std::string& text, const std::string& title, int help_context,
                         const std::string& section) override;
  struct ShownDialog {
    int template_id = 0;  // 0 = no dialog since the last forget
    std::string title;
    std::string text;
  };
  const ShownDialog& last_hint_dialog() const { return my_lastDialog; }
  void forget_hint_dialog() { my_lastDialog = {}; }
  // Message boxes are kept the same way when quiet is set, instead of going to
  // standard error.
  void set_quiet(bool quiet) { my_quiet = quiet; }
  const std::string& last_message() const { return my_lastMessage; }
  void forget_message() { my_lastMessage.clear(); }

  void process_pending_events() override;
  bool close_requested() const override { return false; }

  // No clipboard, no dialogs and no window: reading finds no text, copying
  // fails quietly, file dialogs are cancelled, and the display calls do nothing.
  ClipboardRead get_clipboard_text(std::string&) override { return ClipboardRead::NoText; }
  bool set_clipboard_text(const std::string&) override { return false; }
  std::optional<std::string> open_file_dialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> save_file_dialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  void repaint_grid() override {}
  void set_window_title(const std::string&) override {}
  void pane_changed(PaneUpdate) override {}
  void clear_highlights() override {}
  bool main_window_shown() const override { return true; }
  void show_entry_dialog() override {}
  void hide_entry_dialog() override {}
  void destroy_entry_dialog() override {}

  // No window, keyboard or dialogs: plain white and black, no Shift, every
  // dialog closed without a choice.
  SystemColors system_colors() override { return {0x00FFFFFF, 0x00000000}; }
  void set_grid_background(std::uint32_t) override {}
  void set_grid_cursor(GridCursor) override {}
  bool shift_held() override { return false; }
  std::string shifted_digit_key(char) override { return {}; }
  std::string input_dialog(const std::string&, const std::string&, const std::string& text,
                           int) override {
    return text;
  }
  int coloring_dialog(int, int) override { return 2; }
  std::optional<std::uint32_t> choose_color(std::uint32_t, std::array<std::uint32_t, 16>&) override {
    return std::nullopt;
  }
  int welcome_dialog() override { return 2; }
  void show_help_topic(int) override {}
  void show_help_contents() override {}
  bool limited_palette() override { return false; }
  void menus_changed() override {}
  void arrange_layout() override {}
  void close_main_window() override {}
  void color_dialog() override {}
  void about_dialog() override {}
  // No printer on the command line.
  bool create_printer() override { return false; }
  void print_setup_dialog() override {}
  void screen_dpi(int& dpi_x, int& dpi_y) override { dpi_x = dpi_y = 96; }
  PrintResult print_page(const std::string&, const std::function<PageMapping(const PrinterPage&)>&,
                         const std::function<void(Canvas&)>&) override {
    return PrintResult::Failed;
  }

 private:
  using Clock = std::chrono::steady_clock;
  struct Timer {
    std::chrono::milliseconds interval;
    Clock::time_point due;
    std::function<void()> on_expiry;
  };
  std::map<int, Timer> my_timers;
  ShownDialog my_lastDialog;
  bool my_quiet = false;
  std::string my_lastMessage;
};

}  // namespace vantry
