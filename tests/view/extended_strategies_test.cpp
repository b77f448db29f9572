// The strategies beyond the standard 44 as the player meets them: the two
// preferences, hints on a puzzle the 44 leave stuck, Rate puzzle and
// Strategies used with them on, and the difficulty score.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_commands.h"
#include "creation_support.h"
#include "game/commands.h"
#include "strategy/extended/extended_table.h"
#include "strategy/strategy.h"
#include "view/grid_window.h"

namespace vantry::testing {
namespace {

// Stuck for the 44 after a few dozen steps; finished by the forcing chains.
constexpr const char* kStuckPuzzle =
    "........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3";

// A game with its grid window: the preferences are the window's menu items.
class ExtendedStrategies : public CreationTest {
 protected:
  GridWindow grid{game};
};

TEST_F(ExtendedStrategies, ThePreferencesAreOffAtFirstAndToggleFromTheMenu) {
  EXPECT_FALSE(game.engine().extended());
  EXPECT_FALSE(grid.menu_checked(kCmdExtendedStrategies));
  EXPECT_FALSE(grid.menu_checked(kCmdDifficultyScore));
  EXPECT_TRUE(grid.run_command(kCmdExtendedStrategies));
  EXPECT_TRUE(game.engine().extended());
  EXPECT_EQ(settings.read_integer(kExtendedStrategies), 1);
  EXPECT_TRUE(grid.menu_checked(kCmdExtendedStrategies));
  EXPECT_TRUE(grid.run_command(kCmdDifficultyScore));
  EXPECT_EQ(settings.read_integer(kDifficultyScore), 1);
  EXPECT_TRUE(grid.run_command(kCmdExtendedStrategies));
  EXPECT_FALSE(game.engine().extended());
}

TEST_F(ExtendedStrategies, HintsGoBeyondOnlyWhenAsked) {
  load(kStuckPuzzle);
  // Bring the puzzle to where the 44 are stuck.
  game.engine().set_purpose(EnginePurpose::Apply);
  while (game.engine().search(game.board().current(), true) != kNoMove) {
  }
  ASSERT_FALSE(current().is_solved());
  game.run_command(kCmdLittleHint);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "No hints available");

  grid.run_command(kCmdExtendedStrategies);
  game.run_command(kCmdLittleHint);
  ASSERT_EQ(platform.hint_dialogs.size(), 1u);
  EXPECT_EQ(platform.hint_dialogs[0].text.rfind("Look for ", 0), 0u);
  EXPECT_NE(platform.hint_dialogs[0].text.find("forcing chain"), std::string::npos) << platform.hint_dialogs[0].text;
  EXPECT_GE(platform.hint_dialogs[0].help_context, 5490);
}

TEST_F(ExtendedStrategies, RatingStaysButCountsTheStepsBeyond) {
  load(kStuckPuzzle);
  game.rate_puzzle();
  EXPECT_EQ(platform.messages.back().text, "Difficulty: May the Force be with you");

  // Turning the preference on makes the record stale: the next rating lists
  // the steps beyond, and the difficulty does not change.
  grid.run_command(kCmdExtendedStrategies);
  game.rate_puzzle();
  const std::string rated = platform.messages.back().text;
  EXPECT_EQ(rated.rfind("Difficulty: May the Force be with you\n\nBeyond the standard strategies, ", 0), 0u) << rated;
  EXPECT_NE(rated.find(" more steps finished it."), std::string::npos) << rated;
  EXPECT_EQ(platform.window_title, "Vantry (May the Force be with you)");
  const StrategiesUsed& used = game.strategies_used();
  EXPECT_TRUE(used.finished_beyond);
  int beyond = 0;
  for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n) beyond += used.by_strategy[n];
  EXPECT_EQ(beyond, used.extended_steps);
  EXPECT_NE(rated.find(", " + std::to_string(beyond) + " more steps"), std::string::npos) << rated;

  game.show_strategies_used();
  const std::string& listed = platform.messages.back().text;
  EXPECT_NE(listed.find("\nBeyond the standard strategies:\n   "), std::string::npos) << listed;
  // The rating turns the extended strategies off for its standard run only.
  EXPECT_TRUE(game.engine().extended());
}

TEST_F(ExtendedStrategies, NewPuzzlesComeFromTheStandardStrategiesAlone) {
  grid.run_command(kCmdExtendedStrategies);
  game.run_command(kCmdCreateEasy + 2);
  EXPECT_EQ(game.difficulty(), Difficulty::Hard);
  EXPECT_EQ(game.strategies_used().extended_steps, 0);
  EXPECT_TRUE(game.engine().extended());
}

TEST_F(ExtendedStrategies, TheScoreAddsTheWeightsOfEveryStep) {
  // Solved by 54 naked singles, each weighing 1.
  load("7....92...32.8..64.8.23....4789.5.3....8.3....6..4.....9.72..........5.6..3......");
  grid.run_command(kCmdDifficultyScore);
  game.rate_puzzle();
  EXPECT_EQ(platform.messages.back().text, "Difficulty: Medium (score 54)");
}

TEST(RatingMessage, ScoreAndStepsBeyond) {
  StrategiesUsed used;
  used.by_strategy[1] = 40;
  used.by_strategy[3] = 2;   // weight 3
  used.by_strategy[43] = 1;  // weight 50
  used.by_strategy[55] = 3;  // weight 120
  used.extended_steps = 3;
  EXPECT_EQ(difficulty_score(used), 40 + 6 + 50 + 360);
  EXPECT_EQ(rating_message(Difficulty::Unsolvable, used, false),
            "Difficulty: May the Force be with you\n\nBeyond the standard strategies, only 3 more steps were found.");
  used.finished_beyond = true;
  used.extended_steps = 1;
  EXPECT_EQ(rating_message(Difficulty::Unsolvable, used, true),
            "Difficulty: May the Force be with you (score 456)\n\nBeyond the standard strategies, 1 more step "
            "finished it.");
  EXPECT_EQ(strategies_used_text(Difficulty::Unsolvable, used),
            "Vantry cannot solve this puzzle,\nbut these strategies were used in trying:\n\nBasic:\n   40 Naked "
            "single\n\nIntermediate:\n   2 Box/line elimination\n\nSuperhuman:\n   1 Composite chain\n"
            "\nBeyond the standard strategies:\n   3 Dynamic forcing chain\n");
}

TEST(CliSteps, ExtendedFinishesWhatTheStandardLeaveStuck) {
  for (const bool extended : {false, true}) {
    std::istringstream in(kStuckPuzzle);
    std::ostringstream out;
    EXPECT_EQ(steps_command(in, out, {}, extended), 0);
    const std::string text = out.str();
    EXPECT_EQ(text.find("\nsolved ") != std::string::npos, extended) << text;
    EXPECT_EQ(text.find("\n55 Dynamic forcing chain: r") != std::string::npos, extended);
  }
}

}  // namespace
}  // namespace vantry::testing
