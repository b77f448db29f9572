// Building new puzzles: the random grid, symmetric and asymmetric removal
// under the uniqueness test, Easy's limits and put-back, and Create new with
// its question, remembered difficulty, attempt timer and cancellation.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>

#include "classlib/settings_keys.h"
#include "cli/cli_commands.h"
#include "creation_support.h"
#include "game/commands.h"
#include "game/generator.h"
#include "model/n_solutions.h"
#include "strategy/difficulty.h"

namespace vantry::testing {
namespace {

bool is_complete_grid(const State& s) {
  for (int i = 0; i < 9; ++i) {
    std::set<int> row, column, box;
    for (int j = 0; j < 9; ++j) {
      row.insert(s.cell(i, j).answer);
      column.insert(s.cell(j, i).answer);
      box.insert(s.cell(i / 3 * 3 + j / 3, i % 3 * 3 + j % 3).answer);
    }
    if (row.size() != 9 || column.size() != 9 || box.size() != 9 || row.count(0) != 0) return false;
  }
  return true;
}

std::string answers(const State& s) {
  std::string text;
  for (int i = 0; i < 81; ++i) text += static_cast<char>('0' + s.cell(i / 9, i % 9).answer);
  return text;
}

class Generator : public CreationTest {
 protected:
  Random random;
  State full;
  void SetUp() override {
    random.seed(7);
    ASSERT_TRUE(fill_random_grid(full, random));
  }
};

TEST_F(Generator, RandomGridIsCompleteAndReplaysFromItsSeed) {
  EXPECT_TRUE(is_complete_grid(full));
  for (int i = 0; i < 81; ++i) EXPECT_EQ(full.cell(i / 9, i % 9).solution, full.cell(i / 9, i % 9).answer);
  Random same, other;
  same.seed(7);
  other.seed(8);
  State again, different;
  ASSERT_TRUE(fill_random_grid(again, same));
  ASSERT_TRUE(fill_random_grid(different, other));
  EXPECT_EQ(answers(again), answers(full));
  EXPECT_NE(answers(different), answers(full));
  // The first cell without possibilities: the fill reports failure.
  State stuck;
  for (int d = 1; d <= 9; ++d) stuck.cell(0, 0).possible[d] = false;
  EXPECT_FALSE(fill_random_grid(stuck, same));
}

TEST_F(Generator, SymmetricRemovalEmptiesPartnersAndKeepsOneSolution) {
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    State s = full;
    random.seed(seed);
    const Removals removed = remove_givens(s, game.counter(), random, true, kSymmetricCandidates);
    ASSERT_GT(removed.count, 10);
    for (int k = 0; k < removed.count; ++k) EXPECT_LT(removed.cells[k], kSymmetricCandidates);
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(s.cell(r, c).answer == 0, s.cell(8 - r, 8 - c).answer == 0) << r << ',' << c;
        if (s.cell(r, c).answer != 0) {
          EXPECT_EQ(s.cell(r, c).answer, full.cell(r, c).answer);
        }
      }
    }
    State check = s;
    EXPECT_EQ(game.counter().n_solutions(check), 1);
  }
}

TEST_F(Generator, TryToRemoveRestoresWhatWouldLoseUniqueness) {
  State s = full;
  remove_givens(s, game.counter(), random, true, kSymmetricCandidates);
  // Every remaining pair is needed now: removing any one fails and leaves the
  // State as it was, possibilities included.
  const std::string before = answers(s);
  for (int cell = 0; cell < kSymmetricCandidates; ++cell) {
    if (s.cell(cell / 9, cell % 9).answer == 0) continue;
    EXPECT_FALSE(try_to_remove(s, game.counter(), cell / 9, cell % 9, true));
  }
  EXPECT_EQ(answers(s), before);
  State fresh = s;
  fresh.recompute_possibilities();
  for (int i = 0; i < 81; ++i) {
    for (int d = 1; d <= 9; ++d)
      EXPECT_EQ(s.cell(i / 9, i % 9).is_possible(d), fresh.cell(i / 9, i % 9).is_possible(d));
  }
}

TEST_F(Generator, EasyAttemptsAndPutBack) {
  EXPECT_EQ(removal_attempts(Difficulty::Easy, false), 49);
  EXPECT_EQ(removal_attempts(Difficulty::NotRated, false), 81);
  State s = full;
  const Removals removed = remove_givens(s, game.counter(), random, true, kEasySymmetricAttempts);
  ASSERT_GE(removed.count, 2);
  EXPECT_LE(removed.count, 25);
  const int last = removed.cells[removed.count - 1], before_last = removed.cells[removed.count - 2];
  put_back(s, removed, 1, true);
  EXPECT_EQ(s.cell(last / 9, last % 9).answer, full.cell(last / 9, last % 9).answer);
  EXPECT_EQ(s.cell(8 - last / 9, 8 - last % 9).answer, full.cell(8 - last / 9, 8 - last % 9).answer);
  EXPECT_EQ(s.cell(before_last / 9, before_last % 9).answer, 0);

  State a = full;
  const Removals two = remove_givens(a, game.counter(), random, false, kEasyAsymmetricAttempts);
  ASSERT_GE(two.count, 3);
  put_back(a, two, 2, false);
  for (int k = 0; k < two.count; ++k) {
    const int cell = two.cells[k];
    EXPECT_EQ(a.cell(cell / 9, cell % 9).answer != 0, k >= two.count - 2) << k;
  }
}

// ---- Create new ----

TEST_F(CreationTest, CreateMakesAUniquePuzzleOfTheDifficultyAndStartsTheGame) {
  for (auto [id, asked] : {std::pair{kCmdCreateEasy, Difficulty::Easy}, {kCmdCreateEasy + 2, Difficulty::Hard}}) {
    game.board().clear_modified();  // no save question between the two
    EXPECT_TRUE(game.run_command(id));
    ASSERT_TRUE(game.puzzle_valid());
    EXPECT_EQ(game.difficulty(), asked);
    EXPECT_EQ(fresh_rating(), asked);
    expect_unique_and_consistent();
    EXPECT_EQ(platform.window_title, "Vantry (" + std::string(asked == Difficulty::Easy ? "Easy" : "Hard") + ")");
    EXPECT_TRUE(game.board().modified());
    EXPECT_FALSE(game.creating());
    EXPECT_EQ(platform.dialog_message, "Creating puzzle...");
    EXPECT_TRUE(game.clock_running());
    EXPECT_FALSE(platform.timer_running(kCreateAttemptTimer));
  }
  // An Easy puzzle tried only 25 symmetric removals: at most 50 cells empty.
  game.board().clear_modified();
  game.run_command(kCmdCreateEasy);
  EXPECT_GE(givens(), 81 - 2 * kEasySymmetricAttempts);
  EXPECT_EQ(settings.read_integer(kLastDifficulty), kCmdCreateEasy);
}

TEST_F(CreationTest, AsymmetricSettingIsReadAtEachBuild) {
  settings.write_integer(kAllowAsymmetric, 1);
  game.run_command(kCmdCreateEasy);
  EXPECT_GE(givens(), 81 - kEasyAsymmetricAttempts);
  expect_unique_and_consistent();
  bool unpaired = false;
  for (int i = 0; i < 81; ++i)
    unpaired |= current().cell(i / 9, i % 9).given != current().cell(8 - i / 9, 8 - i % 9).given;
  EXPECT_TRUE(unpaired);
}

TEST_F(CreationTest, ShiftSadisticAsksForSuperhumanAndNoKeepsSadistic) {
  // No: the target stays Sadistic (cancelled at once, so only the target is seen).
  platform.answers = {MessageAnswer::No};
  platform.on_pump[1] = {[&] { platform.press_cancel(); }};
  game.create_new(Difficulty::Sadistic, true);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Do you really, really, REALLY want\na \"superhuman\" puzzle?");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(game.engine().requested_difficulty(), Difficulty::Sadistic);

  platform.answers = {MessageAnswer::Yes};
  platform.pumps = 0;
  game.create_new(Difficulty::Sadistic, true);
  EXPECT_EQ(game.engine().requested_difficulty(), Difficulty::Superhuman);
  // Superhuman is remembered as Sadistic.
  EXPECT_EQ(settings.read_integer(kLastDifficulty), kCmdCreateSadistic);

  // Without Shift there is no question.
  platform.messages.clear();
  platform.pumps = 0;
  game.create_new(Difficulty::Sadistic, false);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CreationTest, CreateAgainUsesTheRememberedDifficulty) {
  settings.write_integer(kLastDifficulty, kCmdCreateEasy + 2);
  EXPECT_TRUE(game.run_command(kCmdCreateAgain));
  EXPECT_EQ(game.difficulty(), Difficulty::Hard);
  game.board().clear_modified();
  // A damaged value means Easy; Superhuman and above mean Sadistic.
  for (auto [stored, expected] :
       {std::pair{42, Difficulty::Easy}, {11907, Difficulty::Sadistic}, {11908, Difficulty::Sadistic}}) {
    settings.write_integer(kLastDifficulty, stored);
    platform.pumps = 0;
    platform.on_pump[1] = {[&] { platform.press_cancel(); }};
    game.create_again();
    EXPECT_EQ(game.engine().requested_difficulty(), expected) << stored;
  }
}

TEST_F(CreationTest, GuardsAndSavePromptStopCreation) {
  game.enter_puzzle();
  game.run_command(kCmdCreateEasy);
  EXPECT_TRUE(game.entering());
  EXPECT_EQ(platform.messages.back().text, "Please finish entering the puzzle\nbefore doing this.");
  game.entry_cancel();

  game.run_command(kCmdCreateEasy);
  const std::string puzzle = answers(current());
  platform.answers = {MessageAnswer::Cancel};
  game.run_command(kCmdCreateEasy + 1);
  EXPECT_EQ(platform.messages.back().text, "Do you want to save this game?");
  EXPECT_EQ(answers(current()), puzzle);
}

// The attempt timer: each attempt starts timer 1 for 5000 ms; its expiry
// discards the attempt, and counts after creation are not aborted.
TEST_F(CreationTest, AttemptTimerDiscardsTheAttempt) {
  int started = 0;
  platform.on_every_pump = [&] {
    if (!platform.timer_running(kCreateAttemptTimer)) return;
    EXPECT_EQ(platform.timers[kCreateAttemptTimer].interval_ms, 5000);
    // The first attempt's time runs out at its first chance.
    if (started++ == 0) platform.fire_timer(kCreateAttemptTimer);
  };
  game.run_command(kCmdCreateEasy);
  EXPECT_TRUE(game.puzzle_valid());
  EXPECT_GE(game.attempts_made(), 2);
  EXPECT_FALSE(game.counter().abort_requested());
  platform.on_every_pump = nullptr;
  game.check_solution();
  EXPECT_EQ(platform.messages.back().text, "This puzzle can be solved.\nSo far, so good!");
}

// Cancel at any point of an attempt: before the grid is filled, during the
// removals (their counts let events through), during the rating's search.
// The game is then empty.
TEST_F(CreationTest, CancelAtEachPointLeavesAnEmptyGame) {
  game.counter().set_poll_interval(std::chrono::microseconds(0));
  auto any_cell = [&](auto predicate) {
    for (int i = 0; i < 81; ++i) {
      if (predicate(current().cell(i / 9, i % 9))) return true;
    }
    return false;
  };
  const std::function<bool()> points[] = {
      [] { return true; },
      [&] {
        return any_cell([](const Cell& c) { return c.answer == 0; }) &&
               !any_cell([](const Cell& c) { return c.given; });
      },
      [&] { return any_cell([](const Cell& c) { return c.given; }); },
  };
  for (int point = 0; point < 3; ++point) {
    SCOPED_TRACE(point);
    bool pressed = false;
    platform.on_every_pump = [&] {
      if (!pressed && game.creating() && platform.press_cancel && points[point]()) {
        pressed = true;
        platform.press_cancel();
      }
    };
    game.run_command(kCmdCreateEasy + 3);
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(game.puzzle_valid());
    EXPECT_EQ(game.difficulty(), Difficulty::NotRated);
    EXPECT_FALSE(game.creating());
    EXPECT_FALSE(game.busy().is_busy());
    for (int i = 0; i < 81; ++i) EXPECT_EQ(current().cell(i / 9, i % 9).answer, 0);
    EXPECT_FALSE(game.counter().abort_requested());
    EXPECT_FALSE(platform.timer_running(kCreateAttemptTimer));
    EXPECT_EQ(platform.window_title, "Vantry ");
  }
}

// ---- vantry-cli create ----

TEST(CliCreate, SeededPuzzlesAreUniqueAndRateAsRequested) {
  CreateOptions options;
  options.count = 2;
  options.seed_given = true;
  options.seed = 5;
  for (Difficulty target : {Difficulty::Medium, Difficulty::Expert}) {
    std::ostringstream out, err, again;
    ASSERT_EQ(create_command(out, err, target, options), 0) << err.str();
    create_command(again, err, target, options);
    EXPECT_EQ(out.str(), again.str());
    std::istringstream lines(out.str());
    std::string grid, name;
    int n = 0;
    while (lines >> grid >> name) {
      ++n;
      ASSERT_EQ(grid.size(), 81u);
      EXPECT_EQ(name, difficulty_name(target));
      std::istringstream in(grid + "\n");
      std::ostringstream count, rating;
      count_command(in, count);
      EXPECT_EQ(count.str().substr(0, 2), "1 ") << grid;
      std::istringstream in2(grid + "\n");
      rate_command(in2, rating, false);
      EXPECT_EQ(rating.str(), name + "\n");
    }
    EXPECT_EQ(n, 2);
  }
}

}  // namespace
}  // namespace vantry::testing
