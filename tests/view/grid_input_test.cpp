// The grid's input beside the scripted scenarios: the warning for an unusable
// shifted digit key, the singles timer and the delay dialog.
#include <gtest/gtest.h>

#include "classlib/inifile.h"
#include "game/commands.h"
#include "strategy/game_messages.h"
#include "view_fixture.h"
#include "support/recording_canvas.h"

namespace vantry::testing {
namespace {

class GridInput : public ViewTest {
 protected:
  void SetUp() override { grid.resize(300, 330); }  // cells of 33 pixels, slots of 11

  // The middle of digit d's slot in cell (r, c), on the screen 1000 pixels further.
  static GridMouse at(int r, int c, int d = 5, bool shift = false, bool control = false) {
    const int x = c * 33 + ((d - 1) % 3) * 11 + 5, y = r * 33 + ((d - 1) / 3) * 11 + 5;
    return {x, y, shift, control, x + 1000, y + 1000};
  }
};

TEST_F(GridInput, UnusableShiftedKeyWarnsUntilCancelled) {
  platform.shifted_keys['3'] = "";
  platform.shifted_keys['6'] = "\xc2\xa8\xc2\xa8";  // a dead key gives two characters
  platform.answers = {MessageAnswer::No, MessageAnswer::Cancel};
  grid.set_up();
  ASSERT_EQ(platform.messages.size(), 2u);  // the warning, then the getting-started question
  EXPECT_EQ(platform.messages[0].caption, "Error");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(grid.shifted_digit(2), "");
  EXPECT_EQ(grid.shifted_digit(0), "!");
  EXPECT_EQ(game.settings().read_integer(kHideNumberError), 0);
  platform.messages.clear();
  platform.answers = {MessageAnswer::Cancel};
  grid.set_up();
  EXPECT_EQ(game.settings().read_integer(kHideNumberError), 1);
  platform.messages.clear();
  grid.set_up();
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GridInput, SolvingSinglesNowAndStopping) {
  paste_puzzle();
  RecordingCanvas canvas;
  platform.answers = {MessageAnswer::No};
  grid.run_command(kCmdSolveSinglesNow);
  EXPECT_FALSE(grid.solve_now());
  EXPECT_FALSE(grid.switches().singles);
  grid.run_command(kCmdSolveSinglesNow);  // Yes turns the frames on first
  EXPECT_TRUE(grid.switches().singles);
  EXPECT_TRUE(grid.solve_now());
  grid.paint_grid(canvas, true, {0, 0, 300, 330}, false);
  ASSERT_TRUE(platform.timer_running(kSinglesTimer));
  // While the timer runs, clicks are ignored.
  grid.left_down(at(0, 2, 4));
  EXPECT_EQ(current().cell(0, 2).answer, 0);
  // A status that is not "OK" stops solving before the single is placed.
  grid.set_stop_solving(true);
  platform.fire_timer(kSinglesTimer);
  EXPECT_EQ(game.board().size(), 1);
  EXPECT_FALSE(grid.stop_solving());
  EXPECT_EQ(grid.pending_single().row, -1);
}

TEST_F(GridInput, DelayDialogParsesAndRefuses) {
  EXPECT_EQ(GridWindow::parse_delay("0.0004"), 0);
  EXPECT_EQ(GridWindow::parse_delay("0.25  "), 250);
  EXPECT_EQ(GridWindow::parse_delay("2"), 2000);
  EXPECT_EQ(GridWindow::parse_delay("2.5"), -1);
  EXPECT_EQ(GridWindow::parse_delay("0"), -1);
  EXPECT_EQ(GridWindow::parse_delay("fast"), -1);
  EXPECT_EQ(GridWindow::parse_delay("0.5s"), -1);
  EXPECT_EQ(GridWindow::parse_delay(""), -1);
  EXPECT_EQ(GridWindow::delay_text(1000), "1");

  platform.input_answers = {"abc", "0.5"};
  grid.run_command(kCmdSinglesDelay);
  ASSERT_EQ(platform.inputs.size(), 2u);
  EXPECT_EQ(platform.inputs[0].title, "Naked singles solving delay");
  EXPECT_EQ(platform.inputs[0].prompt, "Enter the delay, from 0.001 to 2.000 seconds:");
  EXPECT_EQ(platform.inputs[0].text, "0.25");
  EXPECT_EQ(platform.inputs[0].max_chars, 20);
  ASSERT_EQ(platform.messages.size(), 1u);
  expect_message(
      "Please enter a delay that is between 0.001 and 2.000 seconds.\nFor example, the value "
      "0.25 indicates a quarter of a second.",
      "Invalid delay", MessageIcon::None);
  EXPECT_EQ(grid.singles_delay_ms(), 500);
  EXPECT_EQ(grid.settings().read_integer(kSolveSinglesTiming), 500);
}

}  // namespace
}  // namespace vantry::testing
