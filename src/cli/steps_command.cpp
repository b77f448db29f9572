// vantry-cli steps: the moves the engine makes in apply mode, one line each,
// as found by comparing the State before and after every move.
#include <memory>
#include <string>

#include "cli/apply_loop.h"
#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "strategy/move_notation.h"
#include "cli/puzzle_input.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/strategy.h"

namespace vantry {

namespace {

// One thread's engine on its own silent console.
struct StepsWorker {
  ConsolePlatform platform;
  BusyManager busy{platform};
  Strategy engine{busy};

  explicit StepsWorker(bool extended) { engine.set_extended(extended); }

  void run(const PuzzleRecord& r, std::string& out) {
    State s;
    set_puzzle(r, s);
    apply_moves(engine, s, [&](int n, const State& before, const State& after) {
      out += std::to_string(n) + ' ' + strategy_row(n).name + ": " + describe_changes(before, after) + '\n';
      return true;
    });
    out += (s.is_solved() ? "solved " : "stuck ") + grid_text(s) + "\n\n";
  }
};

}  // namespace

int steps_command(std::istream& in, std::ostream& out, const RunOptions& options, bool extended) {
  RunOptions run = options;
  run.chunk = 4;
  return run_puzzles(
      in, out,
      [extended] {
        auto worker = std::make_shared<StepsWorker>(extended);
        return [worker](const PuzzleRecord& r, std::string& text) { worker->run(r, text); };
      },
      run);
}

int steps_command(std::istream& in, std::ostream& out, const RunOptions& options) {
  return steps_command(in, out, options, false);
}

}  // namespace vantry
