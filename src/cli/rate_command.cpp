// vantry-cli rate: the difficulty of each puzzle as Rate puzzle gives it, and
// with --strategies the list Strategies used shows.
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "cli/puzzle_input.h"
#include "game/difficulty.h"
#include "game/rating.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/strategy.h"

namespace vantry {

int rate_command(std::istream& in, std::ostream& out, bool strategies) {
  ConsolePlatform platform;
  BusyManager busy(platform);
  Strategy engine(busy);
  // Both commands may use composite chains: Rate puzzle allows them, and
  // Strategies used rates with its flag set.
  engine.set_strategies_used(strategies);
  for_each_puzzle(in, out, [&](State& s) {
    StrategiesUsed used;
    SolvingRun run;
    const int difficulty = difficulty_index(rate_position(engine, s, true, 0, used, run));
    out << kDifficultyNames[difficulty] << '\n';
    if (strategies) out << strategies_used_text(difficulty, used) << '\n';
  });
  return 0;
}

}  // namespace vantry
