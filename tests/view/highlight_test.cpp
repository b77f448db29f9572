// Highlight commands: stepping through digit sets with Next and Previous and
// passing over finished digits, rules and modes with their menu checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/commands.h"
#include "view_fixture.h"
#include "support/recording_canvas.h"

namespace vantry::testing {
namespace {

std::vector<int> step(std::vector<int> set, bool forward) {
  bool digits[10] = {};
  for (int d : set) digits[d] = true;
  step_digit_set(digits, forward);
  std::vector<int> out;
  for (int d = 1; d <= 9; ++d) {
    if (digits[d]) out.push_back(d);
  }
  return out;
}

TEST(DigitSetTest, StepsInLexicographicOrderAndWraps) {
  EXPECT_EQ(step({1}, true), std::vector<int>({2}));
  EXPECT_EQ(step({9}, true), std::vector<int>({1}));
  EXPECT_EQ(step({1}, false), std::vector<int>({9}));
  EXPECT_EQ(step({7, 8, 9}, true), std::vector<int>({1, 2, 3}));
  EXPECT_EQ(step({2, 3, 4}, false), std::vector<int>({1, 8, 9}));
  EXPECT_EQ(step({1, 2, 3}, false), std::vector<int>({7, 8, 9}));
  EXPECT_EQ(step({1, 8, 9}, true), std::vector<int>({2, 3, 4}));
  EXPECT_TRUE(step({}, true).empty());

  // Every 4-digit set once, forward and back, before coming round again.
  for (bool forward : {true, false}) {
    std::set<std::vector<int>> seen;
    std::vector<int> set = {1, 2, 3, 4};
    for (int i = 0; i < 126; ++i) {
      EXPECT_TRUE(seen.insert(set).second);
      set = step(set, forward);
    }
    EXPECT_EQ(set, std::vector<int>({1, 2, 3, 4}));
  }
}

class Highlighting : public ViewTest {
 protected:
  RecordingCanvas canvas;
  void SetUp() override {
    grid.resize(300, 330);
    paste_puzzle();
  }
  void paint() { grid.paint_grid(canvas, true, {0, 0, 300, 330}, false); }
  std::vector<int> highlighted() const {
    std::vector<int> out;
    for (int d = 1; d <= 9; ++d) {
      if (grid.highlight().digits[d]) out.push_back(d);
    }
    return out;
  }
};

TEST_F(Highlighting, NextSkipsSetsWithAFinishedDigit) {
  // Every 1 placed: the 1 button is no longer available.
  for (int i = 0; i < 81; ++i) {
    if (kSolution[i] == '1' && current().cell(i / 9, i % 9).answer == 0) {
      game.board().current().set_answer(i / 9, i % 9, 1);
    }
  }
  paint();
  ASSERT_FALSE(grid.digit_available(1));
  for (int d : {7, 8, 9}) grid.highlight_digit(d, true);
  grid.run_command(kCmdHighlightNext);
  EXPECT_EQ(highlighted(), std::vector<int>({2, 3, 4}));
  EXPECT_TRUE(grid.menu_checked(kCmdHighlight1 + 3));
  EXPECT_FALSE(grid.menu_checked(kCmdHighlight1 + 6));
  grid.run_command(kCmdHighlightPrevious);
  EXPECT_EQ(highlighted(), std::vector<int>({7, 8, 9}));

  grid.run_command(kCmdSkipSolved);
  EXPECT_EQ(grid.settings().read_integer(kHighlightSkip), 0);
  EXPECT_FALSE(grid.menu_checked(kCmdSkipSolved));
  grid.run_command(kCmdHighlightNext);
  EXPECT_EQ(highlighted(), std::vector<int>({1, 2, 3}));

  // Nothing highlighted: Next changes nothing.
  grid.run_command(kCmdHighlightClear);
  grid.run_command(kCmdHighlightNext);
  EXPECT_TRUE(highlighted().empty());
  // During entry Next is refused with its message.
  platform.answers = {MessageAnswer::No};
  game.enter_puzzle();
  platform.messages.clear();
  grid.run_command(kCmdHighlightNext);
  expect_message("Please finish entering the puzzle\nbefore doing this.", "Vantry",
                 MessageIcon::Exclamation);
}

TEST_F(Highlighting, RulesAndModesWithTheirChecks) {
  grid.highlight_digit(3, false);
  grid.run_command(kCmdRuleAll);
  EXPECT_EQ(grid.highlight().rule, kCmdRuleAll);
  EXPECT_TRUE(grid.menu_checked(kCmdRuleAll));
  EXPECT_FALSE(grid.menu_checked(kCmdRuleAny));
  EXPECT_EQ(highlighted(), std::vector<int>({3}));  // a rule keeps the digits

  // Through the Game: 11907 is the Highlight menu's mode, not a difficulty.
  grid.run_command(kCmdModeCount);
  EXPECT_TRUE(highlighted().empty());  // a new mode starts clear
  EXPECT_TRUE(grid.menu_checked(kCmdModeCount));
  grid.highlight_digit(2, false);
  paint();
  // In "# of possibilities" the buttons follow the cells' counts.
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(grid.digit_available(n), grid.possibility_counts()[n] > 0) << n;
  EXPECT_TRUE(grid.run_command(kCmdModePossibilities));
  EXPECT_TRUE(grid.menu_checked(kCmdModePossibilities));
  EXPECT_EQ(platform.pane_updates.back(), PaneUpdate::Highlight);

  // A menu highlight reads Shift at the moment the command runs.
  grid.run_command(kCmdHighlight1 + 4);
  platform.shift = true;
  grid.run_command(kCmdHighlight1 + 5);
  EXPECT_EQ(highlighted(), std::vector<int>({5, 6}));
  grid.run_command(kCmdHighlightClear);  // Clear with Shift leaves the digits
  EXPECT_EQ(highlighted(), std::vector<int>({5, 6}));
  platform.shift = false;
  grid.run_command(kCmdHighlightClear);
  EXPECT_TRUE(highlighted().empty());
}

TEST_F(Highlighting, StartOverTurnsHighlightingOffAsANewGameDoes) {
  grid.highlight_digit(4, false);
  grid.highlight_digit(7, true);
  game.left_click(0, 2, 4);
  const int pane_highlights = static_cast<int>(
      std::count(platform.pane_updates.begin(), platform.pane_updates.end(), PaneUpdate::Highlight));
  game.start_over();
  EXPECT_TRUE(highlighted().empty());
  for (int d = 1; d <= 9; ++d) EXPECT_FALSE(grid.menu_checked(kCmdHighlight1 + d - 1)) << d;
  // The pane's buttons are released with the grid's state.
  EXPECT_GT(std::count(platform.pane_updates.begin(), platform.pane_updates.end(), PaneUpdate::Highlight),
            pane_highlights);
}

}  // namespace
}  // namespace vantry::testing
