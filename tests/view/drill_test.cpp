// Drills: the scoring of the player's move against the strategy's (hand-made
// cases in tests/data/drill_scoring.txt), the best results in the settings,
// and whole drills on the scripted platform from the first position to the
// summary, stopped early or replaced by another game.
#include <gtest/gtest.h>

#include <sstream>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/drill.h"
#include "game/memory_settings.h"
#include "support/corpus.h"
#include "view_fixture.h"
#include "strategy/move.h"

namespace vantry {
// Failures show the three counts.
void PrintTo(const DrillCount& c, std::ostream* out) {
  *out << "found " << c.found << ", missed " << c.missed << ", wrong " << c.wrong;
}
}  // namespace vantry

namespace vantry::testing {
namespace {

// "r1c3-4" (remove), "r1c4=6" (place) or "r1c3+4" (give back), 1-based.
struct Change {
  char kind;
  int r, c, d;
};
Change parse_change(const std::string& word) {
  EXPECT_EQ(word.size(), 6u) << word;
  return {word[4], word[1] - '1', word[3] - '1', word[5] - '0'};
}
std::vector<Change> parse_changes(const std::string& text) {
  std::istringstream in(text);
  std::vector<Change> changes;
  for (std::string word; in >> word;) changes.push_back(parse_change(word));
  return changes;
}
TEST(DrillScoring, HandMadeCases) {
  State shown;
  for (int i = 0; i < 81; ++i) {
    if (kPuzzle[i] != '0') shown.set_answer(i / 9, i % 9, kPuzzle[i] - '0');
  }
  shown.mark_givens();
  const auto cases = read_case_fields("drill_scoring.txt");
  for (const std::vector<std::string>& fields : cases) {
    ASSERT_EQ(fields.size(), 4u) << fields[0];
    SCOPED_TRACE(fields[0]);
    Move move;
    for (const Change& ch : parse_changes(fields[1])) {
      if (ch.kind == '=') move.place(ch.r, ch.c, ch.d);
      else move.remove(ch.r, ch.c, ch.d);
    }
    State played = shown;
    for (const Change& ch : parse_changes(fields[2])) {
      // The player's changes must be moves the grid would take.
      if (ch.kind != '+') {
        ASSERT_TRUE(played.cell(ch.r, ch.c).is_possible(ch.d)) << fields[2];
      }
      if (ch.kind == '=') played.set_answer(ch.r, ch.c, ch.d);
      else if (ch.kind == '-') played.delete_possibility(ch.r, ch.c, ch.d);
      else played.restore_possibility(ch.r, ch.c, ch.d);
    }
    DrillCount expected;
    std::istringstream(fields[3]) >> expected.found >> expected.missed >> expected.wrong;
    EXPECT_EQ(score_drill_move(shown, played, move), expected);
  }
  EXPECT_GE(cases.size(), 10u);
}

TEST(DrillScoring, ScoreAndBestResults) {
  EXPECT_EQ(drill_score({}), 0);
  EXPECT_EQ(drill_score({2, 1, 0}), 66);
  EXPECT_EQ(drill_score({3, 0, 1}), 75);
  // A better score wins whatever the time; at equal scores the quicker drill.
  const DrillBest best{80, 30};
  EXPECT_TRUE(best.beaten_by(81, 300));
  EXPECT_TRUE(best.beaten_by(80, 29));
  EXPECT_FALSE(best.beaten_by(80, 30));
  EXPECT_FALSE(best.beaten_by(79, 1));
  EXPECT_TRUE(DrillBest{}.beaten_by(0, 9999));

  MemorySettings settings;
  EXPECT_EQ(read_drill_best(settings, 7).score, -1);
  write_drill_best(settings, 7, {90, 12});
  EXPECT_EQ(settings.read_integer("Drills", "Score7", 0), 90);
  EXPECT_EQ(read_drill_best(settings, 7).seconds, 12);
  EXPECT_EQ(read_drill_best(settings, 8).score, -1);
  // Values a drill cannot give read as no result; so does a bad length.
  for (const char* value : {"101", "-5", "abc"}) {
    settings.write_string("Drills", "Score7", value);
    EXPECT_EQ(read_drill_best(settings, 7).score, -1) << value;
  }
  settings.write_integer("Drills", "Score7", 50);
  settings.write_integer("Drills", "Time7", -1);
  EXPECT_EQ(read_drill_best(settings, 7).score, -1);
  EXPECT_EQ(drill_length(settings), 10);
  for (int bad : {0, 101, -3}) {
    settings.write_integer(kDrillPositions, bad);
    EXPECT_EQ(drill_length(settings), 10);
  }
  settings.write_integer(kDrillPositions, 3);
  EXPECT_EQ(drill_length(settings), 3);
}

// Whole drills of a strategy practice finds at once.
class Drills : public ViewTest {
 protected:
  static constexpr int kNakedSingle = 1;
  Drills() {
    game.set_random_seed(20261207);
    settings().write_integer(kDrillPositions, 2);
    game.choose_strategy(kNakedSingle);
  }
  IniFile& settings() { return game.settings(); }

  // The strategy's move on the position in play, made by hand.
  void play_the_move() {
    Move move;
    ASSERT_EQ(game.engine().find(current(), true, move), kNakedSingle);
    for (const Move::Action& a : move.actions()) {
      if (a.place) game.left_click(a.r, a.c, a.d);
      else game.right_click(a.r, a.c, a.d, false, false);
    }
  }
  void seconds_pass(int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(platform.fire_timer(kClockTimer));
  }
};

TEST_F(Drills, RunFromTheFirstPositionToTheSummary) {
  ASSERT_TRUE(game.run_command(kCmdStartDrill));
  ASSERT_TRUE(game.drill().running());
  EXPECT_EQ(game.drill().progress_text(), "1 of 2");
  EXPECT_EQ(grid.menu_item_id(kCmdCheckMyMove), kCmdCheckMyMove);
  ASSERT_TRUE(game.puzzle_valid());

  // Position 1: the move made, and then a wrong placement too.
  play_the_move();
  seconds_pass(4);
  int wrong_r = -1, wrong_c = -1;
  for (int i = 0; i < 81 && wrong_r < 0; ++i) {
    const Cell& cell = current().cell(i / 9, i % 9);
    if (cell.answer == 0 && cell.list_possibilities() > 1) wrong_r = i / 9, wrong_c = i % 9;
  }
  const Cell& cell = current().cell(wrong_r, wrong_c);
  int wrong = 1;
  while (!cell.is_possible(wrong) || wrong == cell.solution) ++wrong;
  game.left_click(wrong_r, wrong_c, wrong);
  game.run_command(kCmdCheckMyMove);
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().caption, "Naked single (1 of 2)");
  EXPECT_TRUE(platform.messages.back().text.starts_with("Found: 1\nMissed: 0\nWrong: 1\n\nCell "))
      << platform.messages.back().text;
  EXPECT_EQ(game.drill().progress_text(), "2 of 2");

  // Position 2: nothing done. The check ends the drill with its summary.
  seconds_pass(10);
  platform.messages.clear();
  game.run_command(kCmdCheckMyMove);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(platform.messages[0].text.starts_with("Found: 0\nMissed: 1\nWrong: 0")) << platform.messages[0].text;
  const std::string& summary = platform.messages[1].text;
  EXPECT_TRUE(summary.starts_with("Drill: Naked single\n")) << summary;
  EXPECT_NE(summary.find("\n1\t1\t0\t1\t0:04\n2\t0\t1\t0\t0:10\nTotal\t1\t1\t1\t0:14\n"), std::string::npos) << summary;
  EXPECT_NE(summary.find("Score: 33%\nTime per position: 0:07\nThis is your first drill"), std::string::npos)
      << summary;
  EXPECT_FALSE(game.drill().running());
  EXPECT_EQ(grid.menu_item_id(kCmdCheckMyMove), kCmdCheckMyMoveDisabled);
  EXPECT_EQ(read_drill_best(settings(), kNakedSingle).score, 33);
  EXPECT_EQ(read_drill_best(settings(), kNakedSingle).seconds, 7);
  // The checks gave no hints in the game's score.
  EXPECT_EQ(game.statistics().big_hints + game.statistics().little_hints, 0);

  // A second drill, done right and slower, beats the first on its score.
  game.run_command(kCmdStartDrill);
  for (int i = 0; i < 2; ++i) {
    play_the_move();
    seconds_pass(20);
    game.run_command(kCmdCheckMyMove);
  }
  EXPECT_NE(platform.messages.back().text.find("Score: 100%\nTime per position: 0:20\n"
                                               "Best before: 33%, 0:07 per position\nA new best result!"),
            std::string::npos)
      << platform.messages.back().text;
  EXPECT_EQ(read_drill_best(settings(), kNakedSingle).score, 100);
}

TEST_F(Drills, StoppedEarlyOrReplacedKeepsNoBest) {
  // Ended after one checked position: its summary, no best result.
  game.run_command(kCmdStartDrill);
  play_the_move();
  game.run_command(kCmdCheckMyMove);
  platform.messages.clear();
  game.run_command(kCmdEndDrill);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("Score: 100%"), std::string::npos);
  EXPECT_FALSE(game.drill().running());
  EXPECT_EQ(read_drill_best(settings(), kNakedSingle).score, -1);

  // Another game in its place ends the drill without a word.
  game.run_command(kCmdStartDrill);
  ASSERT_TRUE(game.drill().running());
  platform.messages.clear();
  paste(kPuzzle);
  EXPECT_FALSE(game.drill().running());
  EXPECT_EQ(game.drill().progress_text(), "");

  // Check my move without a drill does nothing.
  platform.messages.clear();
  game.run_command(kCmdCheckMyMove);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace vantry::testing
