// The button pane's lines, settings and score texts on the scripted platform:
// the solution status in each of its outcomes and what it does to automatic
// solving, the next-move line through the strategy engine, the counters.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "classlib/settings_keys.h"
#include "view/button_pane_model.h"
#include "view/color_mgr.h"
#include "view_fixture.h"

namespace vantry::testing {
namespace {

class ButtonPaneTest : public ViewTest {
 protected:
  ButtonPaneModel pane{game, grid};
  Colorref answer_color() const { return grid.colors().get(kColorAnswerGiven); }
  // The pane hears what the game told the platform, as the Qt pane does.
  void deliver() {
    const std::vector<PaneUpdate> updates = platform.pane_updates;
    platform.pane_updates.clear();
    for (PaneUpdate u : updates) pane.pane_changed(u);
  }
  void open_up_cells() {
    for (int c = 0; c < 3; ++c) game.board().current().reset_cell(0, c);
    game.board().current().reset_cell(1, 0);
    game.board().current().reset_cell(2, 1);
    game.board().current().recompute_possibilities();
  }
};

TEST_F(ButtonPaneTest, StatusLineInEachOutcomeAndTheStopSolvingFlag) {
  pane.set_status_on(true);
  EXPECT_EQ(pane.status_line().text, "No puzzle yet");
  EXPECT_FALSE(pane.status_line().bold);
  EXPECT_FALSE(grid.stop_solving());

  paste_puzzle();
  deliver();  // the new game clears the lines
  pane.update_lines(true);
  EXPECT_EQ(pane.status_line().text, "OK");
  EXPECT_TRUE(pane.status_line().bold);
  EXPECT_EQ(pane.status_line().color, answer_color());
  EXPECT_FALSE(grid.stop_solving());
  EXPECT_FALSE(game.busy().is_busy());
  // A clock tick shows the time and keeps the status.
  game.start_clock();
  platform.fire_timer(kClockTimer);
  deliver();
  EXPECT_EQ(pane.status_line().text, "OK");

  // A wrong answer leaves no solution.
  game.left_click(0, 2, wrong_digit(0, 2));
  deliver();
  EXPECT_EQ(pane.status_line().text, "NO SOLUTION!");
  EXPECT_EQ(pane.status_line().color, rgb(240, 0, 0));
  EXPECT_TRUE(grid.stop_solving());

  // Too few givens: more than one solution.
  open_up_cells();
  pane.update_lines(true);
  EXPECT_EQ(pane.status_line().text, "Multiple solutions!");
  EXPECT_EQ(pane.status_line().color, rgb(240, 0, 0));
  EXPECT_TRUE(grid.stop_solving());

  // Counting without recomputing clears a computed status.
  pane.update_lines(false);
  EXPECT_EQ(pane.status_line().text, "");
  EXPECT_FALSE(grid.stop_solving());
}

TEST_F(ButtonPaneTest, CancelledStatusCount) {
  paste_puzzle();
  open_up_cells();
  // Cancel is pressed at the count's first look at the events.
  game.counter().set_poll_interval(std::chrono::microseconds{0});
  platform.on_every_pump = [this] { game.busy().cancel(); };
  pane.set_status_on(true);
  EXPECT_EQ(pane.status_line().text, "(cancelled)");
  EXPECT_TRUE(pane.status_line().bold);
  EXPECT_TRUE(grid.stop_solving());
}

TEST_F(ButtonPaneTest, NextMoveLineNamesAStrategyAndEndsItsBusyPhase) {
  pane.set_next_move_on(true);
  EXPECT_EQ(pane.next_move_line(), "No puzzle yet");
  paste_puzzle();
  deliver();  // the new game clears the lines
  pane.update_lines(true);
  EXPECT_FALSE(pane.next_move_line().empty());
  EXPECT_NE(pane.next_move_line(), "Looking for move...");
  EXPECT_EQ(pane.next_move_line(), game.next_move_text());
  EXPECT_FALSE(game.busy().is_busy());
  deliver();
  // The line names the strategy, which is what a Little hint tells: it counts as one.
  EXPECT_EQ(game.statistics().little_hints, 1);
  EXPECT_EQ(pane.score_text(ScoreField::LittleHints), "1");
  EXPECT_EQ(pane.next_move_line(), game.next_move_text());
  // Hints don't touch the line; turning it off empties it and stores the setting.
  pane.set_next_move_on(false);
  EXPECT_EQ(pane.next_move_line(), "");
  EXPECT_EQ(game.settings().read_integer(kButtonsNext), 0);
}

TEST_F(ButtonPaneTest, CountersFollowMovesUndosAndHints) {
  paste_puzzle();
  pane.set_status_on(true);
  game.count_moves(3, false);
  game.count_moves(-2, false);
  deliver();
  EXPECT_EQ(pane.score_text(ScoreField::MovesMade), "3");
  EXPECT_EQ(pane.score_text(ScoreField::MovesUndone), "2");
  game.count_hint(HintLevel::Little);
  game.count_hint(HintLevel::Big);
  game.count_hint(HintLevel::Big);
  EXPECT_EQ(pane.score_text(ScoreField::LittleHints), "1");
  EXPECT_EQ(pane.score_text(ScoreField::MediumHints), "0");
  EXPECT_EQ(pane.score_text(ScoreField::BigHints), "2");
  game.reset_statistics();
  deliver();
  EXPECT_EQ(pane.status_line().text, "");
  EXPECT_EQ(pane.score_text(ScoreField::MovesMade), "0");
  EXPECT_EQ(pane.score_text(ScoreField::ElapsedTime), "0:00");
}

}  // namespace
}  // namespace vantry::testing
