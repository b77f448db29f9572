// The system services of a program without a window system: no one to see a
// message or to press a button, no clipboard, no printer. Every question is
// answered as if the player had cancelled it, and nothing is ever shown.
// The command line tool and the solution path's worker thread build on it,
// overriding only what they do differently.
#pragma once

#include "classlib/system_services.h"

namespace vantry {

class SilentServices : public SystemServices {
 public:
  MessageAnswer message_box(const std::string&, const std::string&, MessageIcon, MessageButtons) override {
    return MessageAnswer::Cancel;
  }
  void set_wait_cursor(bool) override {}
  void create_busy_dialog(const std::string&, std::function<void()>) override {}
  void show_busy_dialog() override {}
  void destroy_busy_dialog() override {}
  void start_timer(int, int, std::function<void()>) override {}
  void kill_timer(int) override {}
  int hint_dialog(int, const std::string&, const std::string&, int, const std::string&) override {
    return 2;  // Cancel
  }
  int little_hint_dialog(const std::string&, const std::string&, int, const std::string&) override {
    return 6;  // OK
  }
  void process_pending_events() override {}
  bool close_requested() const override { return false; }

  // Reading the clipboard finds no text, copying fails quietly, file dialogs
  // are cancelled.
  ClipboardRead get_clipboard_text(std::string&) override { return ClipboardRead::NoText; }
  bool set_clipboard_text(const std::string&) override { return false; }
  std::optional<std::string> open_file_dialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> save_file_dialog(const FileDialogRequest&) override { return std::nullopt; }

  // Plain white and black, no Shift, every dialog closed without a choice.
  SystemColors system_colors() override { return {0x00FFFFFF, 0x00000000}; }
  bool shift_held() override { return false; }
  std::string shifted_digit_key(char) override { return {}; }
  std::string input_dialog(const std::string&, const std::string&, const std::string& text, int) override {
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
  void color_dialog() override {}
  void about_dialog() override {}

  // No printer; the screen at the usual 96 pixels per inch.
  bool create_printer() override { return false; }
  void print_setup_dialog() override {}
  void screen_dpi(int& dpi_x, int& dpi_y) override { dpi_x = dpi_y = 96; }
  PrintResult print_page(const std::string&, const std::function<PageMapping(const PrinterPage&)>&,
                         const std::function<void(Canvas&)>&) override {
    return PrintResult::Failed;
  }
};

}  // namespace vantry
