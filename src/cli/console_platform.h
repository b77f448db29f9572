// The window system as a command line tool sees it: no windows and no one to
// press Cancel. Message boxes go to standard error and take their default
// answer; timers are kept as deadlines and fire when the running computation
// next lets events through, which is all a long computation needs of them.
// Everything else is silent.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>

#include "classlib/silent_services.h"

namespace vantry {

class ConsolePlatform final : public SilentServices {
 public:
  MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                            MessageButtons buttons) override;
  void start_timer(int id, int interval_ms, std::function<void()> on_expiry) override;
  void kill_timer(int id) override { my_timers.erase(id); }
  void process_pending_events() override;
  // A hint dialog is not shown: its title and text are kept for the caller to
  // print. A Big hint is answered No, so its marks stay and nothing changes.
  int hint_dialog(int template_id, const std::string& text, const std::string& title, int help_context,
                  const std::string& section) override;
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
