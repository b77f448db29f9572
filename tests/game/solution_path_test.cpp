// The solution path: on corpus puzzles of every kind it agrees with the
// rating, with vantry-cli steps and with the solution; its steps applied on a
// game count as moves and Big hints, one undo step each; a stop ends it.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <sstream>
#include <thread>

#include "cli/cli_commands.h"
#include "cli/puzzle_input.h"
#include "game/rating.h"
#include "game/solution_path.h"
#include "game_fixture.h"
#include "model/n_solutions.h"
#include "strategy/move_notation.h"
#include "support/corpus.h"

namespace vantry::testing {
namespace {

const std::atomic<bool> kNever{false};

struct Sample {
  const char* file;
  int stride;  // every stride-th puzzle of the file, from the first
};
// Easy to the hardest, and ones the strategies cannot finish.
constexpr Sample kSamples[] = {
    {"a_qqwing_easy_1000.txt", 500},  {"a_qqwing_expert_1000.txt", 250},     {"b_17clue_every10th_4916.txt", 1600},
    {"c_magictour_top1465.txt", 700}, {"d_forum_hardest_1106_375.txt", 180},
};

TEST(SolutionPath, AgreesWithTheRatingTheStepsCommandAndTheSolution) {
  FakePlatform platform;
  BusyManager busy(platform);
  Strategy engine(busy);
  SolutionCounter counter(busy);
  int solved = 0, stuck = 0;
  for (const Sample& sample : kSamples) {
    const std::vector<std::string> lines = read_lines(corpus_path(sample.file));
    for (std::size_t i = 0; i < lines.size(); i += static_cast<std::size_t>(sample.stride)) {
      SCOPED_TRACE(std::string(sample.file) + " line " + std::to_string(i + 1));
      State s;
      ASSERT_EQ(read_puzzle(lines[i], s), "");
      const SolutionPath path = work_out_path(s, kNever);
      ASSERT_FALSE(path.stopped);

      // Every step starts where the one before ended.
      State walk = s;
      for (const PathStep& step : path.steps) {
        ASSERT_TRUE(same_position(step.before, walk));
        const State was = walk;
        step.move.apply_to(walk);
        EXPECT_EQ(step.action, describe_changes(was, walk));
      }
      EXPECT_EQ(grid_text(walk), path.end_grid);
      EXPECT_EQ(path.solved, walk.is_solved());

      // The difficulty is the rating's; the text is what vantry-cli steps prints.
      StrategiesUsed used;
      SolvingRun run;
      State rated = s;
      EXPECT_EQ(path.difficulty, rate_position(engine, rated, true, 0, used, run));
      std::istringstream in(lines[i]);
      std::ostringstream out;
      steps_command(in, out);
      EXPECT_EQ(path_steps_text(path) + '\n', out.str());

      if (path.solved) {
        ++solved;
        State counted = s;
        counter.set_record_solution(true);
        ASSERT_EQ(counter.n_solutions(counted), 1);
        EXPECT_EQ(path.end_grid, counter.solution_text());
      } else {
        ++stuck;
        EXPECT_EQ(path.cells_left, static_cast<int>(std::count(path.end_grid.begin(), path.end_grid.end(), '.')));
        EXPECT_NE(path_listing(path).find(path_stuck_line(path)), std::string::npos);
      }
    }
  }
  // The sample holds both endings.
  EXPECT_GT(solved, 0);
  EXPECT_GT(stuck, 0);
}

TEST(SolutionPath, HeadingNamesOnlyTheLevelsUsedAndAStuckPathSaysWhatIsLeft) {
  State s;
  set_puzzle(kPuzzle, s);
  const SolutionPath path = work_out_path(s, kNever);
  ASSERT_TRUE(path.solved);
  EXPECT_EQ(path_heading(path),
            "Easy: " + std::to_string(path.steps.size()) + " steps (Basic " + std::to_string(path.steps.size()) + ")");
  // Nothing applies on an empty grid: no steps, and every cell left.
  EXPECT_EQ(path_listing(work_out_path(State{}, kNever)),
            "May the Force be with you: 0 steps\nNo strategy goes further: 81 cells left.\n");
}

TEST(SolutionPath, BeyondTheStandardStrategiesItFinishesButTheDifficultyStays) {
  // Stuck for the standard strategies after a few dozen steps.
  State s;
  ASSERT_EQ(read_puzzle("........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3", s), "");
  const SolutionPath standard = work_out_path(s, kNever);
  ASSERT_FALSE(standard.solved);
  const SolutionPath extended = work_out_path(s, kNever, true);
  EXPECT_TRUE(extended.solved);
  EXPECT_EQ(extended.difficulty, standard.difficulty);
  ASSERT_GT(extended.steps.size(), standard.steps.size());
  // The standard steps come first and are the same.
  for (std::size_t i = 0; i < standard.steps.size(); ++i) {
    EXPECT_EQ(extended.steps[i].action, standard.steps[i].action);
  }
  EXPECT_GT(extended.steps[standard.steps.size()].move.row(), strategy_count());
}

TEST(SolutionPath, AStopEndsTheWorkAtOnceAndMarksItIncomplete) {
  // A puzzle whose path takes long, stopped from the start and part-way through.
  State s;
  ASSERT_EQ(read_puzzle("..9.2........4.6....1....8....1.9.3.54..........8......5....7.67..3...........2..", s), "");
  std::atomic<bool> stop{true};
  EXPECT_TRUE(work_out_path(s, stop).stopped);
  stop = false;
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    stop = true;
  });
  const auto t0 = std::chrono::steady_clock::now();
  const SolutionPath path = work_out_path(s, stop);
  stopper.join();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
  EXPECT_TRUE(path.stopped);
}

class PathOnAGame : public GameTest {};

TEST_F(PathOnAGame, ApplyUpToAStepMakesMovesCountedAsBigHintsOneUndoEach) {
  paste_puzzle();
  const SolutionPath path = work_out_path(current(), kNever);
  ASSERT_GT(path.steps.size(), 5u);
  const int states = game.board().size();
  const Statistics before = game.statistics();

  ASSERT_EQ(apply_path_steps(game, path, 4), 5);
  EXPECT_EQ(game.board().size(), states + 5);
  EXPECT_EQ(game.statistics().big_hints, before.big_hints + 5);
  int changes = 0;
  for (int i = 0; i < 5; ++i) {
    const std::string& action = path.steps[static_cast<std::size_t>(i)].action;
    changes += 1 + static_cast<int>(std::count(action.begin(), action.end(), ' '));
  }
  EXPECT_EQ(game.statistics().moves_made, before.moves_made + changes);
  EXPECT_TRUE(same_position(current(), path.steps[5].before));

  // One undo takes back one step; the old path no longer starts here.
  game.undo();
  EXPECT_TRUE(same_position(current(), path.steps[4].before));
  EXPECT_EQ(apply_path_steps(game, path, 10), 0);
  EXPECT_TRUE(same_position(current(), path.steps[4].before));

  // The rest of a path worked out here reaches the solution.
  const SolutionPath rest = work_out_path(current(), kNever);
  EXPECT_EQ(apply_path_steps(game, rest, 1000), static_cast<int>(rest.steps.size()));
  EXPECT_EQ(grid_text(current()), kSolution);
}

}  // namespace
}  // namespace vantry::testing
