// The statistics of the game in play and its clock: the counters change with
// every move, undo and hint, and the button pane is told to show them again.
#include "classlib/contract.h"
#include "game/game.h"
#include "strategy/hint_command.h"

namespace vantry {

void Game::count_hint(HintLevel level) {
  switch (level) {
    case HintLevel::Little: ++my_stats.little_hints; break;
    case HintLevel::Medium: ++my_stats.medium_hints; break;
    case HintLevel::Big: ++my_stats.big_hints; break;
    default: VANTRY_ASSERT(!"unknown hint level");
  }
  my_view.pane_changed(PaneUpdate::Counters);
}

void Game::count_moves(int delta, bool recompute) {
  if (delta > 0) my_stats.moves_made += delta;
  if (delta < 0) my_stats.moves_undone -= delta;
  my_view.pane_changed(recompute ? PaneUpdate::CountersAndLines : PaneUpdate::Counters);
}

void Game::reset_statistics() {
  stop_clock();
  my_stats = Statistics{};
  my_view.pane_changed(PaneUpdate::Reset);
}

void Game::start_clock() {
  my_services.start_timer(kClockTimer, kClockIntervalMs, [this] { clock_tick(); });
  my_clockRunning = true;
}

void Game::stop_clock() {
  my_services.kill_timer(kClockTimer);
  my_clockRunning = false;
}

void Game::restart_clock() {
  my_stats.seconds = 0;
  my_view.pane_changed(PaneUpdate::Counters);
  start_clock();
}

void Game::clock_tick() {
  // A minimised or hidden window is not being played.
  if (!my_view.main_window_shown()) return;
  ++my_stats.seconds;
  my_view.pane_changed(PaneUpdate::Counters);
}

void Game::set_next_move_text(const std::string& text) {
  my_busy.end(kBusyNextMove);
  my_nextMoveText = text;
  my_view.pane_changed(PaneUpdate::NextMoveText);
}

// The search hands its answer to set_next_move_text above.
void Game::name_next_move() { find_next_move(*this, my_engine); }

}  // namespace vantry
