// The pattern finders searched after the 44 standard strategies.
//
// Their hand-made positions are cases of tests/data/extended_cases.txt, read
// by finder_cases_test.cpp. Here the corpus is solved with the 44; wherever
// they get stuck every pattern finder runs, and each of its removals and
// placements is checked against the puzzle's known solution; the first
// finder that finds something (in the order of the extended table) moves the
// solve on. A sample runs always; VANTRY_PATTERN_FINDERS_WHOLE_CORPUS=1 runs
// every puzzle.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/puzzle_input.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/move.h"
#include "strategy/strategy.h"
#include "support/corpus.h"
#include "support/fake_platform.h"

namespace vantry::testing {
namespace {

// The eight pattern finders are the extended table's first rows, 45 to 52,
// in the order it tries them.
int run_finder(BusyManager& busy, int k, const State& s, Move& move) {
  const StrategyRow& row = strategy_row(45 + k);
  return row.finder(busy, 45 + k, s, row.argument, move);
}

class PatternFinders : public ::testing::Test {
 protected:
  FakePlatform platform;
  BusyManager busy{platform};
};

struct Tally {
  long found[8] = {};
  long applied[8] = {};
  long found_on_the_way[8] = {};
  double slowest_ms[8] = {};
  long stuck_positions = 0;
  long puzzles = 0;
  long finished = 0;
  std::vector<std::string> faults;
};

// Every action must agree with the solution and touch a digit still possible.
void check_move(const Move& move, const State& s, const std::string& solution, const std::string& label, Tally& tally) {
  for (const Move::Action& a : move.actions()) {
    const int answer = solution[a.r * 9 + a.c] - '0';
    const bool wrong = a.place ? answer != a.d : answer == a.d || !s.cell(a.r, a.c).is_possible(a.d);
    if (!wrong) continue;
    std::ostringstream out;
    out << label << ": row " << move.row() << " r" << a.r + 1 << 'c' << a.c + 1 << (a.place ? '=' : '-') << a.d
        << " (solution " << answer << ")\n"
        << move.explanation();
    tally.faults.push_back(out.str());
  }
}

void solve_with_pattern_finders(BusyManager& busy, Strategy& engine, const std::string& puzzle,
                                const std::string& solution, const std::string& label, Tally& tally) {
  State s;
  if (!read_puzzle(puzzle, s).empty() || solution.size() != 81) return;
  ++tally.puzzles;
  for (int step = 0; step < 400 && !s.is_solved(); ++step) {
    Move standard;
    const int standard_row = engine.find(s, true, standard);
    if (standard_row != kNoMove) {
      // Beyond the singles, the finders are checked on the way too.
      if (standard_row > 2) {
        for (int k = 0; k < 8; ++k) {
          Move move;
          if (run_finder(busy, k, s, move) == 0) continue;
          ++tally.found_on_the_way[k];
          check_move(move, s, solution, label, tally);
        }
      }
      standard.apply_to(s);
      continue;
    }
    ++tally.stuck_positions;
    int chosen = -1;
    Move chosen_move;
    for (int k = 0; k < 8; ++k) {
      Move move;
      const auto start = std::chrono::steady_clock::now();
      const int row = run_finder(busy, k, s, move);
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      tally.slowest_ms[k] = std::max(tally.slowest_ms[k], ms);
      if (row == 0) continue;
      ++tally.found[k];
      check_move(move, s, solution, label, tally);
      if (chosen < 0) {
        chosen = k;
        chosen_move = move;
      }
    }
    if (chosen < 0) return;
    ++tally.applied[chosen];
    chosen_move.apply_to(s);
  }
  tally.finished += s.is_solved();
}

TEST_F(PatternFinders, CorpusMovesAgreeWithTheSolutions) {
  namespace fs = std::filesystem;
  const bool whole = std::getenv("VANTRY_PATTERN_FINDERS_WHOLE_CORPUS") != nullptr;
  Strategy engine(busy);
  Tally tally;
  for (const auto& entry : fs::directory_iterator(corpus_path("solutions"))) {
    const std::string name = entry.path().filename().string();
    // The easy files never get stuck; the sample takes the hard ones.
    if (!whole && !name.starts_with("c_") && !name.starts_with("d_")) continue;
    const std::vector<std::string> puzzles = read_lines(corpus_path(name));
    const std::vector<std::string> solutions = read_lines(entry.path().string());
    const std::size_t stride = whole ? 1 : 40;
    for (std::size_t i = 0; i < puzzles.size() && i < solutions.size(); i += stride) {
      solve_with_pattern_finders(busy, engine, puzzles[i], solutions[i], name + ':' + std::to_string(i + 1), tally);
    }
  }
  std::cout << "[ pattern finders ] puzzles " << tally.puzzles << ", stuck positions " << tally.stuck_positions
            << ", finished " << tally.finished << '\n';
  for (int k = 0; k < 8; ++k) {
    std::cout << "  " << strategy_row(45 + k).name << ": found " << tally.found[k] << " when stuck (applied "
              << tally.applied[k] << ", slowest " << tally.slowest_ms[k] << " ms), " << tally.found_on_the_way[k]
              << " on the way\n";
    EXPECT_GT(tally.found[k] + tally.found_on_the_way[k], 0) << strategy_row(45 + k).name;
  }
  EXPECT_GT(tally.stuck_positions, 20);
  EXPECT_TRUE(tally.faults.empty()) << tally.faults.size() << " unsound moves; first:\n" << tally.faults.front();
}

}  // namespace
}  // namespace vantry::testing
