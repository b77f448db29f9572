// vantry-cli steps: the moves the engine makes in apply mode, one line each,
// as found by comparing the State before and after every move.
#include <ostream>

#include "cli/apply_loop.h"
#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "cli/move_notation.h"
#include "cli/puzzle_input.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/strategy.h"

namespace vantry {

int steps_command(std::istream& in, std::ostream& out) {
  ConsolePlatform platform;
  BusyManager busy(platform);
  Strategy engine(busy);
  for_each_puzzle(in, out, [&](State& s) {
    apply_moves(engine, s, [&](int n, const State& before, const State& after) {
      out << n << ' ' << strategy_row(n).name << ": " << describe_changes(before, after) << '\n';
      return true;
    });
    out << (s.is_solved() ? "solved " : "stuck ") << grid_text(s) << "\n\n";
  });
  return 0;
}

}  // namespace vantry
