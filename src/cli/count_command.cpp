// vantry-cli count: the solution counter on each puzzle. The counter takes the
// givens straight from the line (no State, no busy phase, no polling): for a
// file of millions of puzzles the reading, setting up and writing around the
// count would otherwise cost more than the count itself.
#include <cstdint>
#include <string>

#include "cli/cli_commands.h"
#include "cli/puzzle_input.h"
#include "cli/puzzle_reader.h"
#include "model/count_input.h"
#include "model/fast_counter.h"
#include "model/state.h"

namespace vantry {

namespace {

void count_input(const CountInput& in, std::string& out) {
  char solution[81];
  const int n = fast_count(in, solution, nullptr);
  out += static_cast<char>('0' + n);
  if (n == 1) {
    out += ' ';
    out.append(solution, 81);
  }
  out += '\n';
}

// A position with removed possibilities is counted as it stands in a State.
void count_record(const PuzzleRecord& r, std::string& out) {
  if (r.removals.empty()) {
    count_puzzle(r.cells, out);
    return;
  }
  State s;
  set_puzzle(r, s);
  count_input(count_input_of(s), out);
}

}  // namespace

void count_puzzle(const char* cells, std::string& out) {
  CountInput in;
  for (int i = 0; i < 81; ++i) {
    const bool empty = cells[i] == '.';
    in.answer[i] = static_cast<std::uint8_t>(empty ? 0 : cells[i] - '0');
    in.candidates[i] = empty ? 0x1FF : 0;
  }
  count_input(in, out);
}

int count_command(std::istream& in, std::ostream& out, const RunOptions& options) {
  RunOptions run = options;
  run.chunk = 512;
  return run_puzzles(
      in, out, [] { return [](const PuzzleRecord& r, std::string& text) { count_record(r, text); }; }, run);
}

}  // namespace vantry
