// A line on standard error that tells how far a long run has come: shown only
// when standard error is a terminal and the run has taken over two seconds,
// redrawn in place a few times a second and wiped at the end.
#pragma once

#include <chrono>
#include <cstdio>

namespace vantry {

class ProgressLine {
 public:
  // what names the items counted ("puzzles", "positions"); total is 0 when
  // unknown.
  ProgressLine(const char* what, long total, bool enabled);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void update(long done);

  // Whether standard error is a terminal.
  static bool stderr_is_terminal();

 private:
  using Clock = std::chrono::steady_clock;
  const char* my_what;
  long my_total;
  bool my_enabled;
  bool my_shown = false;
  Clock::time_point my_start = Clock::now();
  Clock::time_point my_lastDrawn{};
};

}  // namespace vantry
