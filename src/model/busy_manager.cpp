#include "model/busy_manager.h"

#include "classlib/contract.h"
#include "classlib/system_services.h"

namespace vantry {

const BusyPhase& busy_phase(BusyToken token) {
  for (const BusyPhase& phase : kBusyPhases) {
    if (phase.token == token) return phase;
  }
  VANTRY_ASSERT(!"unknown busy token");
  return kBusyPhases[0];
}

void BusyManager::start(BusyToken token, std::string_view message, int delayMs) {
  if (my_owner != kBusyIdle) return;
  my_owner = token;
  my_cancelled = false;
  my_services.set_wait_cursor(true);
  my_services.create_busy_dialog(std::string(message), [this] { cancel(); });
  my_dialog = true;
  if (delayMs == 0) {
    show();
  } else {
    my_delayPending = true;
    my_services.start_timer(kBusyDelayTimer, delayMs, [this] { show(); });
  }
}

void BusyManager::show() {
  if (my_owner == kBusyIdle) return;
  if (my_delayPending) {
    my_services.kill_timer(kBusyDelayTimer);
    my_delayPending = false;
  }
  my_services.show_busy_dialog();
}

void BusyManager::end(BusyToken token) {
  if (token != my_owner || token == kBusyIdle) return;
  my_owner = kBusyIdle;
  if (my_delayPending) {
    my_services.kill_timer(kBusyDelayTimer);
    my_delayPending = false;
  }
  my_services.set_wait_cursor(false);
  if (my_dialog) {
    my_services.destroy_busy_dialog();
    my_dialog = false;
  }
}

void BusyManager::set_message(const std::string& message) {
  if (my_owner != kBusyIdle && my_dialog) my_services.set_busy_message(message);
}

bool BusyManager::cancelled() {
  pump_events(my_services);
  // A close asked for meanwhile cancels the phase as its Cancel button would:
  // the computation unwinds, then the window closes with its usual questions.
  if (my_owner != kBusyIdle && my_services.close_requested()) my_cancelled = true;
  return my_cancelled;
}

}  // namespace vantry
