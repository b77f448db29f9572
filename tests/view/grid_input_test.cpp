// Mouse and keys on the grid: Shift-drawn chains and their editing, Control colouring,
// typed and keypad highlighting, the singles timer and the delay dialog.
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
  void drag(int r0, int c0, int r1, int c1) {
    grid.left_down(at(r0, c0, 5, true));
    grid.left_up(at(r1, c1, 5, true));
  }
  std::vector<std::pair<int, int>> chain() const {
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < current().chain_length(); ++i) cells.push_back({current().chain_row(i), current().chain_column(i)});
    return cells;
  }
};

TEST_F(GridInput, ShiftDragsBuildExtendAndReplaceTheChain) {
  paste_puzzle();
  grid.left_down(at(0, 2, 5, true));
  EXPECT_EQ(platform.grid_cursor, GridCursor::Chain);
  grid.left_up(at(0, 3, 5, true));
  EXPECT_EQ(platform.grid_cursor, GridCursor::Arrow);
  using C = std::vector<std::pair<int, int>>;
  EXPECT_EQ(chain(), (C{{0, 2}, {0, 3}}));
  EXPECT_TRUE(current().chain_is_user());
  drag(1, 1, 0, 3);  // onto the last cell: appended
  EXPECT_EQ(chain(), (C{{0, 2}, {0, 3}, {1, 1}}));
  drag(4, 4, 0, 2);  // onto the first: prepended
  EXPECT_EQ(chain(), (C{{4, 4}, {0, 2}, {0, 3}, {1, 1}}));
  drag(0, 3, 0, 3);  // the same cell: nothing
  drag(1, 1, 4, 4);  // from the last to the first: already there, still matched
  EXPECT_EQ(chain().size(), 4u);
  grid.left_down(at(8, 8, 5, true));
  grid.left_up(at(7, 7, 5, false));  // Shift let go before the release: nothing
  EXPECT_EQ(chain().size(), 4u);

  // Shift + right click: a middle cell goes, then the ends.
  grid.right_down(at(0, 2, 5, true));
  EXPECT_EQ(chain(), (C{{4, 4}, {0, 3}, {1, 1}}));
  grid.right_down(at(1, 1, 5, true));
  EXPECT_EQ(chain(), (C{{4, 4}, {0, 3}}));
  grid.right_down(at(4, 4, 5, true));  // never a one-cell chain
  EXPECT_TRUE(chain().empty());

  drag(5, 5, 6, 6);
  drag(7, 7, 8, 8);  // touches neither end: a new chain
  EXPECT_EQ(chain(), (C{{7, 7}, {8, 8}}));
  // A hint's chain is neither extended nor edited; a click elsewhere removes it.
  game.board().current().clear_chain();
  game.board().current().append(2, 2, false);
  game.board().current().append(2, 3, false);
  drag(2, 4, 2, 3);
  grid.right_down(at(2, 2, 5, true));
  EXPECT_EQ(chain().size(), 2u);
  grid.right_down(at(6, 6, 5, true));
  EXPECT_TRUE(chain().empty());
  // Chains are not moves.
  EXPECT_EQ(game.statistics().moves_made, 0);
  EXPECT_EQ(game.board().size(), 1);
}

TEST_F(GridInput, ControlClickColoursUnderTheMouse) {
  paste_puzzle();
  platform.coloring_answers = {103};
  grid.left_down(at(0, 2, 5, false, true));
  EXPECT_EQ(current().cell(0, 2).color, 23);
  ASSERT_EQ(platform.coloring_dialogs.size(), 1u);
  EXPECT_EQ(platform.coloring_dialogs[0].x, at(0, 2).screen_x - 24);  // Color 1's button under the mouse
  EXPECT_EQ(platform.coloring_dialogs[0].y, at(0, 2).screen_y - 24);

  // "Last color selected" puts the third button under the mouse now.
  grid.run_command(kCmdLastColorSelected);
  platform.coloring_answers = {2};
  grid.left_down(at(1, 1, 5, false, true));
  EXPECT_EQ(platform.coloring_dialogs[1].x, at(1, 1).screen_x - (24 + 42 * 2));
  EXPECT_EQ(current().cell(1, 1).color, 0);  // Cancel

  grid.right_down(at(0, 2, 5, false, true));
  EXPECT_EQ(current().cell(0, 2).color, 0);
  platform.coloring_answers = {106, 1};
  grid.left_down(at(3, 3, 5, false, true));
  EXPECT_EQ(current().cell(3, 3).color, 26);
  grid.left_down(at(4, 4, 5, false, true));  // Clear all
  EXPECT_EQ(current().cell(3, 3).color, 0);

  // Any highlight removes every colouring.
  platform.coloring_answers = {101};
  grid.left_down(at(3, 3, 5, false, true));
  grid.char_typed("5");
  EXPECT_EQ(current().cell(3, 3).color, 0);
  EXPECT_EQ(game.board().size(), 1);
}

TEST_F(GridInput, TypedDigitsShiftedCharactersAndKeypadKeys) {
  paste_puzzle();
  grid.set_up();
  const Highlight& h = grid.highlight();
  grid.char_typed("5");
  grid.key_down(GridKey::Home);  // keypad 7 adds 7
  EXPECT_TRUE(h.digits[5] && h.digits[7]);
  grid.char_typed("5");  // a plain 5 with 5 and 7 highlighted clears all
  EXPECT_EQ(h.count, 0);
  grid.char_typed("5");
  grid.key_down(GridKey::Home);
  platform.shift = true;
  grid.char_typed("%");  // Shift+5 takes 5 alone away
  EXPECT_FALSE(h.digits[5]);
  EXPECT_TRUE(h.digits[7]);
  platform.shift = false;
  grid.char_typed("3");
  grid.key_down(GridKey::Space);  // Space, Insert and 0 leave the highlight alone
  grid.key_down(GridKey::Zero);
  EXPECT_EQ(h.count, 1);
  grid.char_typed("a");
  EXPECT_EQ(h.count, 1);
  EXPECT_TRUE(grid.menu_checked(kCmdHighlight1 + 2));
}

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

TEST_F(GridInput, PausedGridTakesNoInputAndShowingThePuzzleResumes) {
  paste_puzzle();
  game.pause_game();
  ASSERT_TRUE(game.paused());
  grid.left_down(at(0, 2, 4));
  grid.right_down(at(0, 3, 2));
  drag(0, 2, 1, 1);
  grid.char_typed("5");
  grid.key_down(GridKey::Home);
  EXPECT_EQ(current().cell(0, 2).answer, 0);
  EXPECT_TRUE(current().cell(0, 3).possible[2]);
  EXPECT_EQ(current().chain_length(), 0);
  EXPECT_FALSE(grid.highlight().digits[5] || grid.highlight().digits[7]);
  EXPECT_EQ(game.board().size(), 1);
  EXPECT_EQ(game.statistics().moves_made, 0);
  EXPECT_TRUE(game.paused());
  EXPECT_FALSE(game.clock_running());

  // A hint shows the puzzle: the game goes on before its dialog opens.
  bool paused_under_dialog = true;
  platform.on_hint_dialog = [&] { paused_under_dialog = game.paused(); };
  platform.hint_answers = {7, 7, 7};
  for (int id : {kCmdLittleHint, kCmdMediumHint, kCmdBigHint}) {
    game.pause_game();
    paused_under_dialog = true;
    grid.run_command(id);
    EXPECT_FALSE(paused_under_dialog) << id;
    EXPECT_FALSE(game.paused()) << id;
  }
  platform.on_hint_dialog = nullptr;
  // So does every other command that shows or changes the puzzle.
  grid.left_down(at(0, 2, 4));
  platform.answers = {MessageAnswer::Yes};  // highlight the singles to solve them
  for (int id : {kCmdCheckSolution, kCmdUndo, kCmdRedo, kCmdUndoUntilOk, kCmdStartOver,
                 kCmdSolveSinglesNow}) {
    game.pause_game();
    ASSERT_TRUE(game.paused()) << id;
    grid.run_command(id);
    EXPECT_FALSE(game.paused()) << id;
    EXPECT_TRUE(game.clock_running()) << id;
  }
  // A new puzzle starts unpaused, with its clock running.
  game.pause_game();
  platform.answers = {MessageAnswer::No};  // no need to save the old one
  paste_puzzle();
  EXPECT_FALSE(game.paused());
  EXPECT_TRUE(game.clock_running());
}

}  // namespace
}  // namespace vantry::testing
