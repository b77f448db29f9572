// Practice puzzles: the position just before the engine first needs the
// chosen strategy, the question before a rare one, the remembered strategy,
// cancellation, and vantry-cli practice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "classlib/settings_keys.h"
#include "cli/cli_commands.h"
#include "creation_support.h"
#include "game/commands.h"
#include "game/practice.h"
#include "game/position_text.h"
#include "game/practice_library.h"
#include "game/saved_game.h"
#include "model/board.h"
#include "strategy/extended/extended_table.h"

namespace vantry::testing {
namespace {

// These cases are about the search that builds a practice position when the
// library has none: the game is given an empty library.
class Practice : public CreationTest {
 protected:
  PracticeLibrary none;
  Practice() { game.set_practice_library(&none); }

  // The engine's next move from the puzzle in play, on a copy.
  int next_move() {
    State copy = current();
    game.engine().set_purpose(EnginePurpose::Apply);
    return game.engine().search(copy, true);
  }
};

TEST_F(Practice, PositionIsJustBeforeTheTargetStrategy) {
  for (int n : {3, 5, 9}) {
    SCOPED_TRACE(n);
    game.board().clear_modified();
    ASSERT_TRUE(game.run_command(kCmdPracticeBase + n));
    ASSERT_TRUE(game.puzzle_valid());
    EXPECT_EQ(next_move(), n);
    expect_unique_and_consistent();
    // The engine's answers are the player's, its removals deleted possibilities.
    int placed = 0, deleted = 0;
    for (int i = 0; i < 81; ++i) {
      const Cell& cell = current().cell(i / 9, i % 9);
      placed += cell.answer != 0 && !cell.given;
      for (int d = 1; d <= 9; ++d) {
        if (cell.deleted[d]) {
          ++deleted;
          EXPECT_NE(d, cell.solution);
          EXPECT_FALSE(cell.possible[d]);
        }
      }
    }
    EXPECT_GT(placed, 0);
    if (n == 9) {
      EXPECT_GT(deleted, 0);  // an X-wing comes after eliminations
    }
    EXPECT_EQ(platform.window_title, "Vantry (not rated)");
    EXPECT_EQ(game.engine().practice_strategy(), 0);
    // The busy dialog counts the puzzles tried.
    EXPECT_EQ(platform.dialog_message.rfind("Creating a practice puzzle...\nPuzzles tried: ", 0), 0u);
  }
  EXPECT_EQ(settings.read_integer(kLastStrategy), 9);
  // Rating the practice position rates it from where it stands.
  game.rate_puzzle();
  EXPECT_EQ(platform.messages.back().text.rfind("Difficulty: ", 0), 0u);
  EXPECT_NE(game.difficulty(), Difficulty::NotRated);
}

TEST_F(Practice, RareStrategyAsksUnlessPractisedLast) {
  constexpr int kHiddenTriple = 14;  // frequency "rare"
  ASSERT_EQ(strategy_row(kHiddenTriple).frequency, 3);
  platform.answers = {MessageAnswer::No};
  game.run_command(kCmdPracticeBase + kHiddenTriple);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Hidden triple is a rare strategy.\nFinding a puzzle that contains one may take a while.\n"
            "\nWould you still like to do this?");
  EXPECT_EQ(game.last_practised(), 0);
  EXPECT_FALSE(game.puzzle_valid());

  // Yes: practised, and remembered, so the next time there is no question.
  platform.answers = {MessageAnswer::Yes};
  platform.on_pump[platform.pumps + 1] = {[&] { platform.press_cancel(); }};
  game.run_command(kCmdPracticeBase + kHiddenTriple);
  EXPECT_EQ(game.last_practised(), kHiddenTriple);
  platform.messages.clear();
  platform.on_pump[platform.pumps + 1] = {[&] { platform.press_cancel(); }};
  game.practise(kHiddenTriple);
  EXPECT_TRUE(platform.messages.empty());

  // A common strategy never asks; a very rare one names its frequency.
  EXPECT_EQ(practice_question(3, 0), "");
  EXPECT_EQ(practice_question(18, 3).rfind("W-wing (type 4) is a very rare strategy.\n", 0), 0u);
}

TEST_F(Practice, CancelLeavesAnEmptyGameAndNoTarget) {
  game.counter().set_poll_interval(std::chrono::microseconds(0));
  for (int when : {1, 4, 40}) {
    platform.pumps = 0;
    platform.on_pump.clear();
    platform.on_pump[when] = {[&] {
      if (platform.press_cancel) platform.press_cancel();
    }};
    game.practise(9);
    SCOPED_TRACE(when);
    EXPECT_FALSE(game.puzzle_valid());
    EXPECT_EQ(game.engine().practice_strategy(), 0);
    EXPECT_FALSE(game.busy().is_busy());
    for (int i = 0; i < 81; ++i) EXPECT_EQ(current().cell(i / 9, i % 9).answer, 0);
  }
}

TEST_F(Practice, PractiseAgainUsesTheRememberedStrategy) {
  settings.write_integer(kLastStrategy, 4);
  EXPECT_TRUE(game.run_command(kCmdPracticeAgain));
  EXPECT_EQ(game.last_practised(), 4);
  EXPECT_EQ(next_move(), 4);
  // A value beyond the table means the first strategy.
  settings.write_integer(kLastStrategy, 999);
  game.board().clear_modified();
  game.practise_again();
  EXPECT_EQ(game.last_practised(), 1);
  // Out of range ids are not practice commands.
  EXPECT_FALSE(game.run_command(kCmdPracticeBase));
  EXPECT_FALSE(game.run_command(kCmdPracticeBase + kLastExtendedRow + 1));
}

// Practice from the library: at once, without the question, and the game's
// fallback to the search when the library lacks the strategy.
class LibraryPractice : public CreationTest {
 protected:
  const PracticeLibrary& library = shared_practice_library();
  int next_move() {
    State copy = current();
    game.engine().set_purpose(EnginePurpose::Apply);
    return game.engine().search(copy, true);
  }
};

TEST_F(LibraryPractice, RareStrategyAtOnceWithoutTheQuestion) {
  for (int n : {26, 34, 42}) {  // Hidden quad, Avoidable rectangle (type 1), weak singles chain contradiction
    SCOPED_TRACE(strategy_row(n).name);
    ASSERT_FALSE(library.positions(n).empty());
    platform.messages.clear();
    game.board().clear_modified();
    game.practise(n);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_TRUE(game.puzzle_valid());
    EXPECT_EQ(next_move(), n);
    expect_unique_and_consistent();
    EXPECT_EQ(platform.window_title, "Vantry (not rated)");
    EXPECT_FALSE(game.busy().is_busy());
  }
  // An avoidable rectangle rests on answers that are no givens: they stay the player's.
  int answered = 0;
  for (int i = 0; i < 81; ++i)
    answered += current().cell(i / 9, i % 9).answer != 0 && !current().cell(i / 9, i % 9).given;
  EXPECT_GT(answered, 0);
}

TEST_F(LibraryPractice, XyWingChainHintsNameThePractisedStrategy) {
  constexpr int kXyWingChain = 37, kPairsChain = 20;
  game.practise(kXyWingChain);
  ASSERT_TRUE(game.puzzle_valid());
  EXPECT_EQ(next_move(), kXyWingChain);
  game.run_command(kCmdLittleHint);
  ASSERT_FALSE(platform.hint_dialogs.empty());
  EXPECT_EQ(platform.hint_dialogs.back().text, "Look for an XY-wing chain");
  // Without the practice the same move is a pairs chain, as it always was.
  game.engine().set_practised(0);
  EXPECT_EQ(next_move(), kPairsChain);
  game.board().clear_modified();
  game.practise(3);
  EXPECT_EQ(game.engine().practised(), 3);
}

// The extended strategies come from the library alone, the preference off:
// the game searches beyond the standard ones until the next game, so that the
// next move and the hints name the strategy practised. Practice again stays
// with the standard strategy remembered.
TEST_F(LibraryPractice, ExtendedRowsAreServedFromTheLibraryAndHintedByName) {
  ASSERT_FALSE(game.engine().extended());
  const int chosen = game.chosen_strategy();
  for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n) {
    SCOPED_TRACE(strategy_row(n).name);
    platform.messages.clear();
    platform.hint_dialogs.clear();
    game.board().clear_modified();
    const std::string before = position_text(current());
    game.practise(n);
    if (library.positions(n).empty()) {
      // No search instead: it would try forcing chains on every attempt.
      ASSERT_EQ(platform.messages.size(), 1u);
      EXPECT_EQ(platform.messages[0].text, "The practice library has no position for " +
                                               std::string(strategy_row(n).name) +
                                               ".\nThe game is as it was; please choose another strategy.");
      EXPECT_EQ(position_text(current()), before);
      continue;
    }
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_TRUE(game.puzzle_valid());
    EXPECT_EQ(game.engine().practised(), n);
    EXPECT_EQ(next_move(), n);
    game.run_command(kCmdBigHint);
    ASSERT_FALSE(platform.hint_dialogs.empty());
    EXPECT_EQ(platform.hint_dialogs.back().title, strategy_row(n).name);
    EXPECT_EQ(game.chosen_strategy(), chosen);
  }
  EXPECT_EQ(game.engine().practised(), kLastExtendedRow);
  // A new game searches the standard strategies alone again; with the
  // preference on, the extended ones stay searched after the practice.
  game.board().clear_modified();
  ASSERT_TRUE(game.new_game_step());
  EXPECT_FALSE(game.engine().extended());
  game.set_extended_strategies(true);
  game.practise(kFirstExtendedRow);
  game.board().clear_modified();
  ASSERT_TRUE(game.new_game_step());
  EXPECT_TRUE(game.engine().extended());
}

TEST_F(LibraryPractice, WithoutTheLibraryTheSearchCountsAndGivesUpLeavingTheGame) {
  constexpr int kJellyfish = 27;
  PracticeLibrary none;
  game.set_practice_library(&none);
  game.set_practice_search_limit(0);
  load(".43.1.......38..4..9...2.1....921..583...4..2..........27....3.....5...9..4.....8");
  game.board().current().set_answer(0, 0, 6);
  const std::string before = position_text(current());
  platform.answers = {MessageAnswer::Yes};
  game.practise(kJellyfish);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text.rfind("Jellyfish is a very rare strategy.", 0), 0u);
  EXPECT_EQ(platform.messages[1].text,
            "No practice puzzle for Jellyfish was found in 1 minute.\n"
            "The game is as it was; please try again, or choose another strategy.");
  EXPECT_EQ(platform.dialog_message, "Creating a practice puzzle...\nPuzzles tried: 1");
  EXPECT_EQ(position_text(current()), before);
  EXPECT_TRUE(game.puzzle_valid());
  EXPECT_FALSE(game.busy().is_busy());
}

TEST(PracticeLibraryText, BadLinesAreRefusedWithTheirReason) {
  const std::string position = "..3.....2..2.....1..7..2.36..6..3.2...1.4......5....6..3......4.74.8...962.4.7...";
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {"# comment\n\n3 " + position + " r1c3=3 r1c1<>1\n", ""},
      {"3" + position + "\n", "line 1: no strategy number"},
      {"55 " + position + "\n", ""},
      {"56 " + position + "\n", "line 1: no strategy 56"},
      {"# c\n3 " + position.substr(1) + "\n", "line 2: a position needs 81 cells"},
      {"3 " + position + " r1c3<>1\n", "line 1: r1c3<>1 removes a possibility from a cell that has an answer"},
      {"3 " + position + " r1c1=4\n", "line 1: r1c1=4 names an answer the cells do not hold"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    PracticeLibrary library;
    std::istringstream in(c.text);
    EXPECT_EQ(library.read(in), c.reason);
    EXPECT_EQ(library.empty(), !c.reason.empty());
  }
}

TEST(CliPractice, LinesOfAnswersAndRemovalsAndTheSavedGame) {
  const std::filesystem::path spz = std::filesystem::temp_directory_path() / "vantry_practice_test.spz";
  CreateOptions options;
  options.seed_given = true;
  options.seed = 11;
  std::ostringstream out, err;
  ASSERT_EQ(practice_command(out, err, 9, options, spz.string()), 0) << err.str();
  const std::regex line(R"([1-9.]{81}( r[1-9]c[1-9](<>|=)[1-9])+\n)");
  EXPECT_TRUE(std::regex_match(out.str(), line)) << out.str();

  std::ifstream file(spz);
  Board board;
  SavedGameTrailer trailer;
  ASSERT_TRUE(read_saved_game(file, board, trailer));
  std::string answers;
  for (int i = 0; i < 81; ++i) {
    const int a = board.current().cell(i / 9, i % 9).answer;
    answers += a == 0 ? '.' : static_cast<char>('0' + a);
  }
  EXPECT_EQ(out.str().substr(0, 81), answers);
  std::filesystem::remove(spz);
}

}  // namespace
}  // namespace vantry::testing
