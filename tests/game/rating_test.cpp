// Rating: the thresholds between the difficulties, on the counts alone and
// on puzzles whose counts sit right at each boundary; the stored rating;
// Rate puzzle and Strategies used as the player sees them, and their Cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "cli/cli_commands.h"
#include "creation_support.h"
#include "game/commands.h"

namespace vantry::testing {
namespace {

constexpr int kFirstRows[kLevels] = {1, 3, 20, 43};

StrategiesUsed with_levels(int level1, int level2) {
  StrategiesUsed used;
  used.by_level[1] = level1;
  used.by_level[2] = level2;
  return used;
}

TEST(RatingFor, ThresholdsBetweenTheDifficulties) {
  struct Case {
    int highest, level1, level2, singles;
    Difficulty expected;
  };
  using enum Difficulty;
  const Case cases[] = {
      {2, 0, 0, 20, Easy},       {2, 0, 0, 19, Medium},           {1, 0, 0, 0, Medium},
      {3, 2, 0, 0, Hard},        {19, 3, 0, 0, Expert},           {19, 2, 0, 99, Hard},
      {20, 9, 2, 0, Devious},    {42, 0, 3, 0, Sadistic},         {43, 9, 9, 0, Superhuman},
      {44, 0, 0, 0, Superhuman}, {kNoMove, 0, 0, 30, Unsolvable},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rating_for(c.highest, with_levels(c.level1, c.level2), c.singles, kFirstRows), c.expected)
        << c.highest << ' ' << c.level1 << ' ' << c.level2 << ' ' << c.singles;
  }
}

// The numbers outside the engine: a saved game's index, the create command
// ids of the menus and the settings, the command line's words. Each reads
// back as the difficulty it came from, and keeps the value files and menus
// have always had.
TEST(DifficultyEdges, EveryDifficultyReadsBackAtEveryEdge) {
  for (int index = 0; index < kDifficultyCount; ++index) {
    const Difficulty d = difficulty_from_index(index);
    SCOPED_TRACE(difficulty_name(d));
    EXPECT_EQ(difficulty_index(d), index);
    EXPECT_EQ(create_command_difficulty(create_command(d)), d);
    EXPECT_EQ(difficulty_from_word(difficulty_word(d)), d);
    if (d != Difficulty::NotRated) {
      EXPECT_EQ(create_command(d), kCmdCreateEasy - 1 + index);
    }
    // The menus create Easy to Sadistic, each item named after its
    // difficulty; 11907 and 11908 are other commands.
    const auto item = std::ranges::find(kCommands, create_command(d), &CommandName::id);
    const bool creates = item != std::end(kCommands) && item->name.starts_with("Create ");
    EXPECT_EQ(is_menu_difficulty(d), creates);
    if (creates) {
      EXPECT_EQ(item->name, "Create " + std::string(difficulty_name(d)));
    }
  }
  EXPECT_EQ(create_command(Difficulty::NotRated), 0);
  for (int outside : {-1, kDifficultyCount}) EXPECT_EQ(difficulty_from_index(outside), Difficulty::NotRated);
  for (int id : {0, kCmdCreateEasy - 1, kCmdCreateEasy + kDifficultyCount - 1, kCmdCreateAgain}) {
    EXPECT_EQ(create_command_difficulty(id), Difficulty::NotRated) << id;
  }
  EXPECT_EQ(difficulty_from_word("SuperHuman"), Difficulty::Superhuman);
}

// Corpus puzzles at each boundary, with the counts that put them there: the
// singles at the start for Easy and Medium, the moves of the hardest level
// for the others. The Advanced pair needs the pairs chain finder.
TEST_F(CreationTest, PuzzlesRightAtEachBoundary) {
  struct Case {
    const char* puzzle;
    int level;  // 0: the singles count decides
    int count;
    Difficulty expected;
  };
  using enum Difficulty;
  const Case cases[] = {
      {"...6...59.3.7.......6.128.....9...6....823.....3...5.....1.89.6.6..3.12......9.3.", 0, 20, Easy},
      {"59......4.1..6.8.......81..65.8.4.1...96..483.3.9..6......19.7.......93..6.......", 0, 19, Medium},
      {"54.9......69......3.........8.3..5......2..46...4.9.184......8.2..59.6...98..1.3.", 1, 2, Hard},
      {".....1.4..7.2......3..4...5.....5.3.59.7..8.1.8.19......9...52.75..3.4...28....7.", 1, 3, Expert},
      {"...7.....9.3....8.2.6.8.3.7..8.31..6...4.6..2....9...4....1.62.........3.3762...8", 2, 2, Devious},
      {".....5..1......8.93...4.......2......85..4.3..4..96....9.3.145.1....2....2.86....", 2, 3, Sadistic},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.puzzle);
    if (c.level == 2 && strategy_row(20).finder == nullptr) continue;
    load(c.puzzle);
    StrategiesUsed used;
    SolvingRun run;
    State copy = current();
    EXPECT_EQ(rate_position(game.engine(), copy, false, 0, used, run), c.expected);
    if (c.level == 0) {
      EXPECT_LT(run.highest, kFirstRows[1]);
      EXPECT_EQ(count_singles(game.engine(), current()), c.count);
    } else {
      EXPECT_GE(run.highest, kFirstRows[c.level]);
      EXPECT_LT(run.highest, kFirstRows[c.level + 1]);
      EXPECT_EQ(used.by_level[c.level], c.count);
    }
    // The same through the game: difficulty, title and record.
    EXPECT_EQ(game.rate(false), c.expected);
    EXPECT_EQ(game.difficulty(), c.expected);
    EXPECT_TRUE(game.strategies_used().filled(game.difficulty()));
  }
}

TEST_F(CreationTest, RatePuzzleShowsTheDifficultyAndUsesAStoredRating) {
  load("...6...59.3.7.......6.128.....9...6....823.....3...5.....1.89.6.6..3.12......9.3.");
  EXPECT_TRUE(game.run_command(kCmdRatePuzzle));
  EXPECT_EQ(platform.dialog_message, "Checking puzzle difficulty...");
  EXPECT_FALSE(game.busy().is_busy());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Difficulty: Easy");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(platform.window_title, "Vantry (Easy)");

  // A rating on record is shown as it stands, without a search.
  game.set_difficulty(Difficulty::Sadistic);
  const int pumps = platform.pumps;
  game.rate_puzzle();
  EXPECT_EQ(platform.messages.back().text, "Difficulty: Sadistic");
  EXPECT_EQ(platform.pumps, pumps);
  // A stale record means a new search.
  game.strategies_used().mark_stale();
  game.rate_puzzle();
  EXPECT_EQ(platform.messages.back().text, "Difficulty: Easy");
  EXPECT_GT(platform.pumps, pumps);
}

TEST_F(CreationTest, RateRightAfterCreateNeedsNoSearch) {
  game.run_command(kCmdCreateEasy + 2);
  const int pumps = platform.pumps;
  game.rate_puzzle();
  EXPECT_EQ(platform.messages.back().text, "Difficulty: Hard");
  EXPECT_EQ(platform.pumps, pumps);
}

TEST_F(CreationTest, CancelledRatingLeavesTheDifficultyUnknown) {
  load(".....1.4..7.2......3..4...5.....5.3.59.7..8.1.8.19......9...52.75..3.4...28....7.");
  platform.on_pump[platform.pumps + 3] = {[&] { platform.press_cancel(); }};
  game.rate_puzzle();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game.difficulty(), Difficulty::NotRated);
  EXPECT_FALSE(game.busy().is_busy());
  EXPECT_FALSE(game.strategies_used().filled(game.difficulty()));

  platform.on_pump[platform.pumps + 3] = {[&] { platform.press_cancel(); }};
  game.show_strategies_used();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game.difficulty(), Difficulty::NotRated);
  EXPECT_FALSE(game.engine().strategies_used());
  EXPECT_FALSE(game.busy().is_busy());
}

TEST(StrategiesUsedText, LevelHeadingsAndThreeSpaceLines) {
  StrategiesUsed used;
  used.by_strategy[43] = 1;  // listed first only if nothing precedes it: not here
  used.by_strategy[1] = 30;
  used.by_strategy[2] = 7;
  used.by_strategy[5] = 2;
  used.by_strategy[24] = 1;
  EXPECT_EQ(strategies_used_text(Difficulty::Superhuman, used),
            "Strategies used to solve this puzzle:\n\nBasic:\n   30 Naked single\n   7 Hidden single\n"
            "\nIntermediate:\n   2 Naked pair\n\nAdvanced:\n   1 Swordfish\n\nSuperhuman:\n   1 Composite chain\n");
  // The remembered level starts at Superhuman, so a Superhuman strategy
  // listed first has no heading.
  StrategiesUsed only_top;
  only_top.by_strategy[44] = 2;
  EXPECT_EQ(strategies_used_text(Difficulty::Unsolvable, only_top),
            "Vantry cannot solve this puzzle,\nbut these strategies were used in trying:\n"
            "   2 Composite chain contradiction\n");
}

TEST_F(CreationTest, StrategiesUsedForASolvableAndAnUnsolvablePuzzle) {
  load("7....92...32.8..64.8.23....4789.5.3....8.3....6..4.....9.72..........5.6..3......");
  EXPECT_TRUE(game.run_command(kCmdStrategiesUsed));
  EXPECT_EQ(platform.dialog_message, "Testing strategies...");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Strategies used to solve this puzzle:\n\nBasic:\n   54 Naked single\n");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(game.difficulty(), Difficulty::Medium);
  EXPECT_FALSE(game.engine().strategies_used());
  // The record now serves Rate puzzle without a search.
  const int pumps = platform.pumps;
  game.rate_puzzle();
  EXPECT_EQ(platform.messages.back().text, "Difficulty: Medium");
  EXPECT_EQ(platform.pumps, pumps);

  // A puzzle with more than one solution: the strategies get stuck.
  load("6..8...5....6.........4...32.......8......5...3....642.48.32.1.3.14......2..5...9");
  game.show_strategies_used();
  EXPECT_EQ(game.difficulty(), Difficulty::Unsolvable);
  const std::string& text = platform.messages.back().text;
  EXPECT_EQ(text.rfind("Vantry cannot solve this puzzle,\nbut these strategies were used in trying:\n"
                       "\nBasic:\n   ",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find(" Naked single\n"), std::string::npos);
  EXPECT_EQ(platform.window_title, "Vantry (May the Force be with you)");
}

// A rating works on a copy: the player's answers and removals count, the
// puzzle in play is not changed.
TEST_F(CreationTest, RatingLeavesThePuzzleAsItIs) {
  load("54.9......69......3.........8.3..5......2..46...4.9.184......8.2..59.6...98..1.3.");
  const State before = current();
  game.rate(false);
  for (int i = 0; i < 81; ++i) {
    EXPECT_EQ(current().cell(i / 9, i % 9).list_possibilities(), before.cell(i / 9, i % 9).list_possibilities());
  }
}

TEST(CliRate, NamesAndStrategiesList) {
  std::istringstream in(
      "# comment\n7....92...32.8..64.8.23....4789.5.3....8.3....6..4.....9.72..........5.6..3......\nbad\n");
  std::ostringstream out;
  EXPECT_EQ(rate_command(in, out, true), 1);  // a bad line
  EXPECT_EQ(out.str(),
            "Medium\nStrategies used to solve this puzzle:\n\nBasic:\n   54 Naked single\n\n"
            "error: line 3: expected 81 characters, found 3\n");
}

}  // namespace
}  // namespace vantry::testing
