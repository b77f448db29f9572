// The pattern finders searched after the 44 standard strategies.
//
// Hand-made positions: tests/data/pattern_finder_cases.txt holds small grids
// (only the candidates that matter; '.' is a cell with none) and the changes
// each finder must make there, or "none" where it must not fire. One runner
// reads them all.
//
// Soundness: the corpus is solved with the 44; wherever they get stuck every
// pattern finder runs, and each of its removals and placements is checked
// against the puzzle's known solution; the first finder that finds something
// (in the order of the extended table) moves the solve on. A sample runs
// always; VANTRY_PATTERN_FINDERS_WHOLE_CORPUS=1 runs every puzzle.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/puzzle_input.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/move.h"
#include "strategy/strategy.h"
#include "support/corpus.h"
#include "support/fake_platform.h"

namespace vantry::testing {
namespace {

struct NamedFinder {
  const char* name;
  int row;
  Finder finder;
};

// In the order the extended table tries them.
constexpr NamedFinder kFinders[] = {
    {"finned_swordfish", 45, find_finned_swordfish}, {"finned_jellyfish", 46, find_finned_jellyfish},
    {"empty_rectangle", 47, find_empty_rectangle},   {"als_xz", 48, find_als_xz},
    {"als_xy_wing", 49, find_als_xy_wing},           {"sue_de_coq", 50, find_sue_de_coq},
    {"medusa", 51, find_medusa},                     {"aic", 52, find_aic},
};

const NamedFinder* finder_named(const std::string& name) {
  for (const NamedFinder& f : kFinders) {
    if (name == f.name) return &f;
  }
  return nullptr;
}

std::string changes(const Move& move) {
  std::string out;
  for (const Move::Action& a : move.actions()) {
    if (!out.empty()) out += ' ';
    out += 'r';
    out += static_cast<char>('1' + a.r);
    out += 'c';
    out += static_cast<char>('1' + a.c);
    out += a.place ? '=' : '-';
    out += static_cast<char>('0' + a.d);
  }
  return out.empty() ? "none" : out;
}

// Nine lines of nine cells: the possibilities as digits, '.' for none.
bool read_grid(std::istream& in, State& s) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      std::string token;
      if (!(in >> token)) return false;
      Cell& cell = s.cell(r, c);
      for (int d = 1; d <= 9; ++d) cell.possible[d] = false;
      if (token == ".") continue;
      for (char ch : token) {
        if (ch < '1' || ch > '9') return false;
        cell.possible[ch - '0'] = true;
      }
    }
  }
  return true;
}

class PatternFinders : public ::testing::Test {
 protected:
  FakePlatform platform;
  BusyManager busy{platform};
};

// A case: "case <label>", "finder <name>", "grid" and nine lines, "changes
// <r1c2-5 ...>" or "changes none", optional "text <words the explanation
// holds>" lines, "end".
TEST_F(PatternFinders, HandMadePositions) {
  std::ifstream in(std::string(VANTRY_TEST_DATA_DIR) + "/pattern_finder_cases.txt");
  ASSERT_TRUE(in);
  std::string word;
  int cases = 0, negatives = 0;
  while (in >> word) {
    if (word.starts_with('#')) {
      std::getline(in, word);
      continue;
    }
    ASSERT_EQ(word, "case");
    std::string label, name, expected, line;
    std::getline(in >> std::ws, label);
    in >> word >> name;
    ASSERT_EQ(word, "finder") << label;
    const NamedFinder* f = finder_named(name);
    ASSERT_NE(f, nullptr) << label;
    in >> word;
    State s;
    ASSERT_TRUE(word == "grid" && read_grid(in, s)) << label;
    in >> word;
    ASSERT_EQ(word, "changes") << label;
    std::getline(in >> std::ws, expected);
    Move move;
    const int found = f->finder(busy, f->row, s, 0, move);
    EXPECT_EQ(changes(move), expected) << label << '\n' << move.explanation();
    EXPECT_EQ(found, expected == "none" ? 0 : f->row) << label;
    EXPECT_EQ(move.row(), found) << label;
    negatives += expected == "none";
    ++cases;
    while (in >> word && word != "end") {
      ASSERT_EQ(word, "text") << label;
      std::getline(in >> std::ws, line);
      EXPECT_NE(move.explanation().find(line), std::string::npos) << label << ": " << move.explanation();
    }
    if (found != 0) {
      EXPECT_FALSE(move.detail().empty()) << label;
      // Every removal is marked red on the Big hint.
      for (const Move::Action& a : move.actions()) {
        if (!a.place) {
          EXPECT_EQ(move.digit_mark(a.r, a.c, a.d), kMarkRemove) << label;
        }
      }
    }
  }
  EXPECT_GE(cases, 24);
  EXPECT_GE(negatives, 8);
}

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
void check_move(const Move& move, const State& s, const std::string& solution, const std::string& label,
                Tally& tally) {
  for (const Move::Action& a : move.actions()) {
    const int answer = solution[a.r * 9 + a.c] - '0';
    const bool wrong = a.place ? answer != a.d : answer == a.d || !s.cell(a.r, a.c).is_possible(a.d);
    if (!wrong) continue;
    std::ostringstream out;
    out << label << ": row " << move.row() << " r" << a.r + 1 << 'c' << a.c + 1 << (a.place ? '=' : '-') << a.d
        << " (solution " << answer << ")\n" << move.explanation();
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
          if (kFinders[k].finder(busy, kFinders[k].row, s, 0, move) == 0) continue;
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
      const int row = kFinders[k].finder(busy, kFinders[k].row, s, 0, move);
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
    std::cout << "  " << kFinders[k].name << ": found " << tally.found[k] << " when stuck (applied "
              << tally.applied[k] << ", slowest " << tally.slowest_ms[k] << " ms), " << tally.found_on_the_way[k]
              << " on the way\n";
    EXPECT_GT(tally.found[k] + tally.found_on_the_way[k], 0) << kFinders[k].name;
  }
  EXPECT_GT(tally.stuck_positions, 20);
  EXPECT_TRUE(tally.faults.empty()) << tally.faults.size() << " unsound moves; first:\n" << tally.faults.front();
}

}  // namespace
}  // namespace vantry::testing
