// vantry-cli path: the solution path as the panel beside the grid lists it,
// a heading with the difficulty and the steps of each level, one line a
// step, a closing line when the strategies get stuck, then an empty line.
#include <atomic>
#include <string>

#include "cli/cli_commands.h"
#include "cli/puzzle_input.h"
#include "game/solution_path.h"
#include "model/state.h"

namespace vantry {

int path_command(std::istream& in, std::ostream& out, const RunOptions& options) {
  RunOptions run = options;
  run.chunk = 4;
  return run_puzzles(
      in, out,
      [] {
        return [](const PuzzleRecord& r, std::string& text) {
          static const std::atomic<bool> never{false};
          State s;
          set_puzzle(r.cells, s);
          text += path_listing(work_out_path(s, never)) + '\n';
        };
      },
      run);
}

}  // namespace vantry
