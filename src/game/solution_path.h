// The whole logical path from a position: every move the engine makes in
// apply mode until the puzzle is solved or no strategy applies, each kept as
// its Move (with the Big hint's marks and explanation) and the position it
// starts from. The work makes its own engine objects, so it may run on a
// worker thread while the game goes on; a stop flag ends it early.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "model/state.h"
#include "strategy/difficulty.h"
#include "strategy/move.h"
#include "strategy/strategy.h"

namespace vantry {

class HintHost;

struct PathStep {
  Move move;           // what the engine found; move.row() names the strategy
  State before;        // the position the move starts from, without marks
  std::string action;  // the changes in r4c3=6 / r1c3<>5 notation
};

struct SolutionPath {
  State start;
  std::vector<PathStep> steps;
  bool stopped = false;                          // the stop flag ended the work: the path is incomplete
  bool solved = false;                           // the last step fills the grid
  int cells_left = 0;                            // empty cells where the path ends
  Difficulty difficulty = Difficulty::NotRated;  // as the rating's rule gives it
  int by_level[kLevels] = {};
  std::string end_grid;  // 81 characters, '.' for an empty cell
};

// Works the path out on a copy of start. Polls stop between finders and
// between moves; once it is set the result has stopped set and is incomplete.
// With extended, the strategies beyond the standard ones go on where those
// are stuck; the difficulty stays the one the standard strategies imply.
SolutionPath work_out_path(const State& start, const std::atomic<bool>& stop, bool extended = false);

// "Hard: 48 steps (Basic 45, Intermediate 3)" - the difficulty the path
// implies and the steps of each level needed.
std::string path_heading(const SolutionPath& path);
// One step as the panel lists it: "12. Hidden single  r4c3=6".
std::string path_step_line(const SolutionPath& path, int index);
// The line closing a path that got stuck; empty for a solved one.
std::string path_stuck_line(const SolutionPath& path);
// The heading, the step lines and the stuck line, each ended by a newline.
std::string path_listing(const SolutionPath& path);
// The path in the steps format of the command line: "<table number> <name>:
// <changes>" a line, then "solved" or "stuck" with the grid where it ends.
std::string path_steps_text(const SolutionPath& path);

// The same answers and the same possibilities in every empty cell: what the
// path depends on (colours, marks and deleted flags do not matter to it).
bool same_position(const State& a, const State& b);
// The path starts from the position s shows.
bool path_starts_at(const SolutionPath& path, const State& s);

// Makes steps 0..last of the path on the host's Board, each as one move the
// way a Big hint answered Yes is: one undo step each, its changes counted as
// moves and the step as a Big hint. Returns the number of steps made (0 when
// the path does not start at the current position).
int apply_path_steps(HintHost& host, const SolutionPath& path, int last);

}  // namespace vantry
