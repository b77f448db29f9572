// vantry-cli rate: the difficulty of each puzzle as Rate puzzle gives it, and
// with --strategies the list Strategies used shows.
#include <memory>
#include <string>

#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "cli/puzzle_input.h"
#include "game/rating.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/difficulty.h"
#include "strategy/strategy.h"

namespace vantry {

namespace {

// One thread's engine on its own silent console.
struct RateWorker {
  ConsolePlatform platform;
  BusyManager busy{platform};
  Strategy engine{busy};
  bool strategies;

  explicit RateWorker(bool with_strategies) : strategies(with_strategies) {
    // Both commands may use composite chains: Rate puzzle allows them, and
    // Strategies used rates with its flag set.
    engine.set_strategies_used(strategies);
  }

  void run(const PuzzleRecord& r, std::string& out) {
    State s;
    set_puzzle(r, s);
    StrategiesUsed used;
    SolvingRun solving;
    const Difficulty difficulty = rate_position(engine, s, true, 0, used, solving);
    out += difficulty_name(difficulty);
    out += '\n';
    if (strategies) out += strategies_used_text(difficulty, used) + '\n';
  }
};

}  // namespace

int rate_command(std::istream& in, std::ostream& out, bool strategies, const RunOptions& options) {
  RunOptions run = options;
  run.chunk = 1;
  return run_puzzles(
      in, out,
      [strategies] {
        auto worker = std::make_shared<RateWorker>(strategies);
        return [worker](const PuzzleRecord& r, std::string& text) { worker->run(r, text); };
      },
      run);
}

}  // namespace vantry
