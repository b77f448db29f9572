#include "model/n_solutions.h"

#include "classlib/system_services.h"
#include "model/busy_manager.h"
#include "model/count_input.h"
#include "model/fast_counter.h"
#include "model/state.h"

namespace vantry {

namespace {

// Lets the window system in every few milliseconds and says whether the count
// must stop: Cancel in the running busy phase, the abort flag, or a close
// asked for meanwhile (the phase is then cancelled too, so its caller gives up
// as after Cancel, and the window closes once the caller has returned).
class CountPoll final : public SearchPoll {
 public:
  CountPoll(BusyManager& busy, const bool& abort, std::chrono::microseconds interval)
      : my_busy(busy), my_abort(abort), my_interval(interval), my_last(Clock::now()) {}

  bool should_stop() override {
    const auto now = Clock::now();
    if (now - my_last >= my_interval) {
      pump_events(my_busy.services());
      my_last = Clock::now();
      if (my_busy.services().close_requested()) {
        my_busy.cancel();
        return true;
      }
    }
    return (my_busy.is_busy() && my_busy.cancel_pressed()) || my_abort;
  }

 private:
  using Clock = std::chrono::steady_clock;
  BusyManager& my_busy;
  const bool& my_abort;
  std::chrono::microseconds my_interval;
  Clock::time_point my_last;
};

}  // namespace

bool every_digit_has_a_place(const State& s) {
  for (UnitKind kind : {UnitKind::Box, UnitKind::Row, UnitKind::Column}) {
    for (int index = 0; index < 9; ++index) {
      const Unit& unit = s.unit(kind, index);
      for (int d = 1; d <= 9; ++d) {
        bool placed = false;
        for (int i = 0; i < 9 && !placed; ++i) placed = unit.cell(i).answer == d;
        if (!placed && unit.places_of_digit(d) == 0) return false;
      }
    }
  }
  return true;
}

int SolutionCounter::n_solutions(State& s) {
  if (s.solutionCount >= 0) return s.solutionCount;
  s.solutionCount = 0;
  if (!every_digit_has_a_place(s)) return 0;

  CountPoll poll(my_busy, my_abort, my_pollInterval);
  const int count = fast_count(count_input_of(s), my_recordSolution ? my_solutionText : nullptr, &poll);
  s.solutionCount = (count == kCountStopped || my_abort) ? -1 : count;
  return s.solutionCount;
}

}  // namespace vantry
