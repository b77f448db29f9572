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
  void process_pending_events() override;
  bool close_requested() const override { return false; }

 private:
  using Clock = std::chrono::steady_clock;
  struct Timer {
    std::chrono::milliseconds interval;
    Clock::time_point due;
    std::function<void()> on_expiry;
  };
  std::map<int, Timer> my_timers;
};

}  // namespace vantry
