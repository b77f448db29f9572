#include "cli/puzzle_input.h"

#include <istream>
#include <ostream>
#include <vector>

#include "cli/puzzle_reader.h"
#include "game/position_text.h"
#include "model/state.h"

namespace vantry {

void set_puzzle(const char* cells, State& s) {
  for (int i = 0; i < 81; ++i) {
    if (cells[i] != '.') s.set_answer_and_solution(i / 9, i % 9, cells[i] - '0');
  }
  s.mark_givens();
}

void set_puzzle(const PuzzleRecord& record, State& s) {
  set_puzzle(record.cells, s);
  // The reader checked the removals.
  if (!record.removals.empty()) apply_removals(record.removals, s);
}

std::string read_puzzle(std::string_view line, State& s) {
  char cells[81];
  std::string reason = parse_puzzle_line(line, cells);
  if (reason.empty()) set_puzzle(cells, s);
  return reason;
}

int for_each_puzzle(std::istream& in, std::ostream& out, const std::function<void(State&)>& on_puzzle) {
  PuzzleReader reader(in);
  std::vector<PuzzleRecord> batch;
  while (reader.read(batch, 64)) {
    for (const PuzzleRecord& r : batch) {
      if (!r.error.empty()) {
        out << "error: line " << r.line << ": " << r.error << '\n';
        continue;
      }
      State s;
      set_puzzle(r, s);
      on_puzzle(s);
    }
    batch.clear();
  }
  return reader.bad_lines() > 0 ? 1 : 0;
}

}  // namespace vantry
