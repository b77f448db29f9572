// vantry-cli count: the solution counter on each puzzle.
#include <ostream>
#include <string_view>

#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "cli/puzzle_input.h"
#include "model/busy_manager.h"
#include "model/n_solutions.h"
#include "model/state.h"

namespace vantry {

int count_command(std::istream& in, std::ostream& out) {
  ConsolePlatform platform;
  BusyManager busy(platform);
  SolutionCounter counter(busy);
  counter.set_record_solution(true);
  for_each_puzzle(in, out, [&](State& s) {
    const int n = counter.n_solutions(s);
    out << n;
    if (n == 1) out << ' ' << std::string_view(counter.solution_text(), 81);
    out << '\n';
  });
  return 0;
}

}  // namespace vantry
