#include "cli/progress_line.h"

#include <unistd.h>

namespace vantry {

ProgressLine::ProgressLine(const char* what, long total, bool enabled)
    : my_what(what), my_total(total), my_enabled(enabled) {}

ProgressLine::~ProgressLine() {
  // Wipe the line so the shell's prompt starts clean.
  if (my_shown) std::fprintf(stderr, "\r\033[K");
}

bool ProgressLine::stderr_is_terminal() { return isatty(STDERR_FILENO) == 1; }

void ProgressLine::update(long done) {
  if (!my_enabled) return;
  const auto now = Clock::now();
  const std::chrono::duration<double> elapsed = now - my_start;
  if (elapsed.count() < 2.0 || now - my_lastDrawn < std::chrono::milliseconds(250)) return;
  my_lastDrawn = now;
  my_shown = true;
  const double rate = done / elapsed.count();
  if (my_total > 0) {
    std::fprintf(stderr, "\r\033[Kvantry-cli: %ld of %ld %s, %.0f s, %.1f a second", done, my_total, my_what,
                 elapsed.count(), rate);
  } else {
    std::fprintf(stderr, "\r\033[Kvantry-cli: %ld %s, %.0f s, %.0f a second", done, my_what, elapsed.count(), rate);
  }
  std::fflush(stderr);
}

}  // namespace vantry
