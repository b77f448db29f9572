#include "cli/soundness.h"

#include <fstream>
#include <ostream>

#include "cli/apply_loop.h"
#include "strategy/move_notation.h"
#include "cli/puzzle_input.h"
#include "model/state.h"

namespace vantry {

void SoundnessReport::add(const SoundnessReport& other) {
  puzzles += other.puzzles;
  solved += other.solved;
  stuck += other.stuck;
  for (int n = 0; n < kAllRowsEnd; ++n) fired[n] += other.fired[n];
  faults.insert(faults.end(), other.faults.begin(), other.faults.end());
}

void SoundnessReport::write(std::ostream& out) const {
  for (int n = 1; n < kAllRowsEnd; ++n) {
    if (fired[n] != 0) out << n << ' ' << strategy_row(n).name << ": " << fired[n] << '\n';
  }
  out << "puzzles " << puzzles << ", solved " << solved << ", stuck " << stuck << ", faults " << faults.size() << '\n';
  for (const std::string& fault : faults) out << "fault: " << fault << '\n';
}

void check_puzzle(Strategy& engine, const std::string& puzzle, const std::string& solution, const std::string& label,
                  SoundnessReport& report) {
  State s;
  if (const std::string reason = read_puzzle(puzzle, s); !reason.empty() || solution.size() != 81) {
    report.faults.push_back(label + ": unreadable puzzle or solution");
    return;
  }
  ++report.puzzles;
  auto digit = [&](int r, int c) { return solution[r * 9 + c] - '0'; };
  bool sound = true;
  apply_moves(engine, s, [&](int n, const State& before, const State& after) {
    ++report.fired[n];
    // Every placement must be the solution's digit; no removal may take it.
    for (int r = 0; r < 9 && sound; ++r) {
      for (int c = 0; c < 9 && sound; ++c) {
        const Cell& is = after.cell(r, c);
        const int d = digit(r, c);
        const bool wrong_answer = is.answer != 0 && is.answer != d;
        const bool lost_solution = is.answer == 0 && !is.possible[d];
        if (wrong_answer || lost_solution) {
          report.faults.push_back(label + ": " + std::to_string(n) + ' ' + strategy_row(n).name + ": " +
                                  describe_changes(before, after) + " (solution " + std::to_string(d) + " at r" +
                                  std::to_string(r + 1) + 'c' + std::to_string(c + 1) + ')');
          sound = false;
        }
      }
    }
    return sound;
  });
  if (!sound) return;
  if (s.is_solved()) {
    ++report.solved;
  } else {
    ++report.stuck;
  }
}

void check_corpus_file(Strategy& engine, const std::string& puzzle_path, const std::string& solution_path, int stride,
                       SoundnessReport& report) {
  std::ifstream puzzles(puzzle_path);
  std::ifstream solutions(solution_path);
  if (!puzzles || !solutions) {
    report.faults.push_back("cannot read " + puzzle_path + " or " + solution_path);
    return;
  }
  std::string puzzle, solution;
  for (int line = 1; std::getline(puzzles, puzzle) && std::getline(solutions, solution); ++line) {
    if ((line - 1) % stride != 0) continue;
    check_puzzle(engine, puzzle, solution, puzzle_path + ':' + std::to_string(line), report);
  }
}

}  // namespace vantry
