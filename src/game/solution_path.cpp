#include "game/solution_path.h"

#include <algorithm>

#include "classlib/silent_services.h"
#include "game/rating.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "strategy/difficulty.h"
#include "strategy/hint_host.h"
#include "strategy/move_notation.h"

namespace vantry {

namespace {

// The window system as a worker thread sees it: nothing. The engine's polls
// end up in close_requested, which answers the stop flag, so a stop cancels
// the running search as a close request cancels a search on the screen.
class WorkerServices final : public SilentServices {
 public:
  explicit WorkerServices(const std::atomic<bool>& stop) : my_stop(stop) {}
  bool close_requested() const override { return my_stop.load(std::memory_order_relaxed); }

 private:
  const std::atomic<bool>& my_stop;
};

int empty_cells(const State& s) {
  int n = 0;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) n += s.cell(r, c).answer == 0;
  }
  return n;
}

// What a move really changes on s: placements in empty cells and removals of
// digits still possible. A finder's action that meets a digit an earlier
// action of the same move already took counts for nothing.
int changes_made(const Move& move, const State& s) {
  State copy = s;
  int changes = 0;
  for (const Move::Action& a : move.actions()) {
    const Cell& cell = copy.cell(a.r, a.c);
    if (a.place ? cell.answer == 0 : cell.is_possible(a.d)) ++changes;
    if (a.place) copy.set_answer(a.r, a.c, a.d);
    else copy.delete_possibility(a.r, a.c, a.d);
  }
  return changes;
}

std::string level_counts(const SolutionPath& path) {
  std::string text;
  for (int level = 0; level < kLevels; ++level) {
    if (path.by_level[level] == 0) continue;
    if (!text.empty()) text += ", ";
    text += std::string(kLevelWords[level]) + ' ' + std::to_string(path.by_level[level]);
  }
  return text;
}

}  // namespace

SolutionPath work_out_path(const State& start, const std::atomic<bool>& stop, bool extended) {
  WorkerServices services(stop);
  BusyManager busy(services);
  Strategy engine(busy);
  engine.set_purpose(EnginePurpose::Apply);
  engine.set_extended(extended);

  SolutionPath path;
  path.start = start;
  path.start.clear_marks(false, true);
  State s = path.start;
  StrategiesUsed used;
  int highest = 0;
  bool beyond = false;
  // The phase only makes the engine's polls look at the stop flag.
  busy.start(kBusyNextMove);

  // Step 1. Moves until solved, stuck or stopped. Composite chains are
  // allowed, as rating a puzzle allows them, so the path is the rating's.
  while (!s.is_solved()) {
    if (stop.load(std::memory_order_relaxed)) break;
    Move move;
    const int n = engine.find(s, true, move);
    if (busy.cancel_pressed()) break;
    if (n == kNoMove || changes_made(move, s) == 0) {
      highest = kNoMove;
      break;
    }
    PathStep step{std::move(move), s, {}};
    step.move.apply_to(s);
    step.action = describe_changes(step.before, s);
    path.steps.push_back(std::move(step));
    ++path.by_level[strategy_row(n).level];
    // A step beyond the standard strategies means they got stuck here: the
    // difficulty is what they imply, as the rating has it.
    if (n > strategy_count()) {
      beyond = true;
      continue;
    }
    ++used.by_strategy[n];
    ++used.by_level[strategy_row(n).level];
    if (n > highest) highest = n;
  }
  path.stopped = busy.cancel_pressed() || stop.load(std::memory_order_relaxed);
  busy.end(kBusyNextMove);
  if (path.stopped) return path;

  // Step 2. What the path implies, by the rating's own rule; only a path of
  // Basic steps needs the singles in sight at the start.
  path.solved = s.is_solved();
  path.cells_left = empty_cells(s);
  path.end_grid = grid_text(s);
  if (beyond) highest = kNoMove;
  const int first_rows[kLevels] = {engine.first_row_of_level(0), engine.first_row_of_level(1),
                                   engine.first_row_of_level(2), engine.first_row_of_level(3)};
  const int singles = highest < first_rows[1] ? count_singles(engine, path.start) : 0;
  path.difficulty = rating_for(highest, used, singles, first_rows);
  return path;
}

std::string path_heading(const SolutionPath& path) {
  // A full grid implies no difficulty.
  if (path.steps.empty() && path.solved) return "Solved";
  const int steps = static_cast<int>(path.steps.size());
  std::string text(difficulty_name(path.difficulty));
  text += ": " + std::to_string(steps) + (steps == 1 ? " step" : " steps");
  const std::string levels = level_counts(path);
  if (!levels.empty()) text += " (" + levels + ')';
  return text;
}

std::string path_step_line(const SolutionPath& path, int index) {
  const PathStep& step = path.steps.at(static_cast<std::size_t>(index));
  return std::to_string(index + 1) + ". " + strategy_row(step.move.row()).name + "  " + step.action;
}

std::string path_stuck_line(const SolutionPath& path) {
  if (path.solved) return {};
  return "No strategy goes further: " + std::to_string(path.cells_left) +
         (path.cells_left == 1 ? " cell left." : " cells left.");
}

std::string path_listing(const SolutionPath& path) {
  std::string text = path_heading(path) + '\n';
  for (int i = 0; i < static_cast<int>(path.steps.size()); ++i) text += path_step_line(path, i) + '\n';
  if (!path.solved) text += path_stuck_line(path) + '\n';
  return text;
}

std::string path_steps_text(const SolutionPath& path) {
  std::string text;
  for (const PathStep& step : path.steps) {
    const int n = step.move.row();
    text += std::to_string(n) + ' ' + strategy_row(n).name + ": " + step.action + '\n';
  }
  text += (path.solved ? "solved " : "stuck ") + path.end_grid + '\n';
  return text;
}

bool same_position(const State& x, const State& y) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& a = x.cell(r, c);
      const Cell& b = y.cell(r, c);
      if (a.answer != b.answer) return false;
      if (a.answer != 0) continue;
      for (int d = 1; d <= 9; ++d) {
        if (a.possible[d] != b.possible[d]) return false;
      }
    }
  }
  return true;
}

bool path_starts_at(const SolutionPath& path, const State& s) { return same_position(path.start, s); }

int apply_path_steps(HintHost& host, const SolutionPath& path, int last) {
  Board& board = host.board();
  if (path.stopped || last < 0 || !path_starts_at(path, board.current())) return 0;
  const int steps = std::min(last + 1, static_cast<int>(path.steps.size()));
  for (int i = 0; i < steps; ++i) {
    const Move& move = path.steps[static_cast<std::size_t>(i)].move;
    board.push();
    State& s = board.current();
    s.clear_marks(false, false);
    const int moves = changes_made(move, s);
    move.apply_to(s);
    host.count_hint(HintLevel::Big);
    host.count_moves(moves, false);
  }
  host.repaint();
  host.count_moves(0, true);
  return steps;
}

}  // namespace vantry
