// Brackets a long computation on the user-interface thread: the wait cursor,
// a busy dialog with a Cancel button shown after a delay, and the poll through
// which the computation learns that Cancel was pressed. Phases do not nest:
// a start while one runs is ignored, and so is an end with another token, so
// an inner computation that brackets itself never ends the outer phase.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

class SystemServices;

// The long computations, each with the message its busy dialog shows.
enum BusyToken : int {
  kBusyIdle = 0,
  kBusyCreating = 1,
  kBusyCreatingPractice = 2,
  kBusyNextMove = 3,
  kBusySolvingSingles = 4,
  kBusyTestingStrategies = 5,
  kBusyRating = 6,
  kBusyHint = 7,
  kBusyCheckingSolution = 8,
  kBusyDoneEntering = 10,
  kBusyPaste = 11,
  kBusyImport = 12,
  kBusySolutionStatus = 13,
};

struct BusyPhase {
  BusyToken token;
  std::string_view message;
  int delay_ms;  // before the dialog shows; 0 = at once
};

inline constexpr BusyPhase kBusyPhases[] = {
    {kBusyCreating, "Creating puzzle...", 0},
    {kBusyCreatingPractice, "Creating a practice puzzle...", 0},
    {kBusyNextMove, "Looking for the next move...", 500},
    // Solving singles is quick and runs step by step; its dialog never shows.
    {kBusySolvingSingles, "Solving naked singles", 99999999},
    {kBusyTestingStrategies, "Testing strategies...", 500},
    {kBusyRating, "Checking puzzle difficulty...", 500},
    {kBusyHint, "Looking for a hint...", 500},
    {kBusyCheckingSolution, "Checking for a solution...", 500},
    {kBusyDoneEntering, "Checking the puzzle...", 500},
    {kBusyPaste, "Checking puzzle...", 500},
    {kBusyImport, "Checking puzzle...", 500},
    {kBusySolutionStatus, "Checking solution status...", 500},
};

const BusyPhase& busy_phase(BusyToken token);

// The window timer that shows a delayed busy dialog.
inline constexpr int kBusyDelayTimer = 4;

class BusyManager {
 public:
  explicit BusyManager(SystemServices& services) : my_services(services) {}
  BusyManager(const BusyManager&) = delete;
  BusyManager& operator=(const BusyManager&) = delete;

  // Starts a phase with its own message and delay.
  void start(BusyToken token) {
    const BusyPhase& phase = busy_phase(token);
    start(token, phase.message, phase.delay_ms);
  }
  void start(BusyToken token, std::string_view message, int delayMs);
  // Makes the dialog visible (the delay timer's expiry, or a start without delay).
  void show();
  void end(BusyToken token);
  // Replaces the running phase's message, as a long search reports progress.
  void set_message(const std::string& message);

  bool is_busy() const { return my_owner != kBusyIdle; }
  BusyToken current_owner() const { return my_owner; }
  // The one polling point of every long computation: lets waiting events
  // through (so Cancel can be pressed and the window repaints), then answers.
  bool cancelled();
  // The flag alone, for callers that have just processed events themselves.
  bool cancel_pressed() const { return my_cancelled; }
  void reset_cancel(BusyToken token) {
    if (token == my_owner) my_cancelled = false;
  }
  // The busy dialog's Cancel button.
  void cancel() { my_cancelled = true; }

  SystemServices& services() { return my_services; }

 private:
  SystemServices& my_services;
  bool my_dialog = false;  // a dialog exists for the running phase
  BusyToken my_owner = kBusyIdle;
  bool my_cancelled = false;
  bool my_delayPending = false;
};

}  // namespace vantry
