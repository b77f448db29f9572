#include "cli/console_platform.h"

#include <iostream>
#include <vector>

namespace vantry {

MessageAnswer ConsolePlatform::message_box(const std::string& text, const std::string& caption, MessageIcon,
                                           MessageButtons buttons) {
  if (my_quiet) {
    my_lastMessage = text;
  } else {
    std::cerr << caption << ": " << text << '\n';
  }
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: break;
  }
  return MessageAnswer::No;
}

int ConsolePlatform::hint_dialog(int template_id, const std::string& text, const std::string& title, int,
                                 const std::string&) {
  my_lastDialog = {template_id, title, text};
  return 7;  // No
}

int ConsolePlatform::little_hint_dialog(const std::string& text, const std::string& title, int, const std::string&) {
  my_lastDialog = {1504, title, text};
  return 6;  // OK
}

void ConsolePlatform::start_timer(int id, int interval_ms, std::function<void()> on_expiry) {
  const std::chrono::milliseconds interval(interval_ms);
  my_timers[id] = {interval, Clock::now() + interval, std::move(on_expiry)};
}

void ConsolePlatform::process_pending_events() {
  const auto now = Clock::now();
  std::vector<int> due;
  for (const auto& [id, timer] : my_timers) {
    if (timer.due <= now) due.push_back(id);
  }
  for (int id : due) {
    auto it = my_timers.find(id);
    if (it == my_timers.end()) continue;  // an earlier expiry killed it
    it->second.due = now + it->second.interval;
    auto action = it->second.on_expiry;
    action();
  }
}

}  // namespace vantry
