// What the creation, rating and practice tests share: a game on the scripted
// platform with a fixed seed, a puzzle loaded without
// the paste check, and checks of a finished puzzle against the counter.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "classlib/inifile.h"
#include "game/game.h"
#include "game/rating.h"
#include "model/state.h"
#include "support/fake_platform.h"

namespace vantry {

// Failures name the difficulty, not the enum's bytes.
inline void PrintTo(Difficulty d, std::ostream* out) { *out << difficulty_name(d); }

namespace testing {

class CreationTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Game game{platform, platform};
  IniFile& settings{game.settings()};

  CreationTest() { game.set_random_seed(20261206); }

  // A puzzle line as the puzzle in play, unrated.
  void load(const std::string& line) {
    State& s = game.board().current();
    s.reset_all_cells();
    s.recompute_possibilities();
    for (int i = 0; i < 81; ++i) {
      if (line[i] >= '1' && line[i] <= '9') s.set_answer(i / 9, i % 9, line[i] - '0');
    }
    s.mark_givens();
    game.set_puzzle_valid(true);
    game.set_difficulty(Difficulty::NotRated);
    game.strategies_used().mark_stale();
  }

  const State& current() const { return game.board().current(); }
  int givens() const {
    int n = 0;
    for (int i = 0; i < 81; ++i) n += current().cell(i / 9, i % 9).given ? 1 : 0;
    return n;
  }
  // The puzzle in play has one solution and it is the one the cells recorded.
  void expect_unique_and_consistent() {
    State copy = current();
    EXPECT_EQ(game.counter().n_solutions(copy), 1);
    for (int i = 0; i < 81; ++i) {
      const Cell& cell = current().cell(i / 9, i % 9);
      EXPECT_GE(cell.solution, 1);
      if (cell.answer != 0) {
        EXPECT_EQ(cell.answer, cell.solution) << "cell " << i;
      }
    }
  }
  // A fresh rating of the puzzle in play, composite chains allowed as Create
  // allows them for its target.
  Difficulty fresh_rating() {
    StrategiesUsed used;
    SolvingRun run;
    State copy = current();
    return rate_position(game.engine(), copy, false, 0, used, run);
  }
};

}  // namespace testing
}  // namespace vantry
