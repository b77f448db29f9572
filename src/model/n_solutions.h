// Does the puzzle, as it stands in a State, have no solution, one, or more?
// The generator, entry, import and paste, Undo until OK, Check solution and
// the solution status all rest on this answer.
#pragma once

#include <chrono>

namespace vantry {

class BusyManager;
class State;

class SolutionCounter {
 public:
  explicit SolutionCounter(BusyManager& busy) : my_busy(busy) {}

  // 0 no solution, 1 exactly one, 2 more than one, -1 interrupted (Cancel in
  // the busy dialog, or the abort flag). The result is cached in the State;
  // a cached count of 0 or more is returned without searching, and an
  // interrupted count leaves the cache unknown.
  int n_solutions(State& s);

  // While set, each solution found is kept as 81 digits, row by row.
  void set_record_solution(bool on) { my_recordSolution = on; }
  bool record_solution() const { return my_recordSolution; }
  const char* solution_text() const { return my_solutionText; }

  // The generator's time limit sets this to stop a count that runs too long.
  void set_abort(bool on) { my_abort = on; }
  bool abort_requested() const { return my_abort; }

  // How much work runs between two passes through the window system's events:
  // often enough that Cancel answers at once, rarely enough not to slow the count.
  void set_poll_interval(std::chrono::microseconds interval) { my_pollInterval = interval; }

 private:
  BusyManager& my_busy;
  bool my_recordSolution = false;
  bool my_abort = false;
  char my_solutionText[82] = {};
  std::chrono::microseconds my_pollInterval{4000};
};

// Every digit missing from a unit's answers must still have a place in it.
// False means the State has no solution and no search is needed.
bool every_digit_has_a_place(const State& s);

}  // namespace vantry
