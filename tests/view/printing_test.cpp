// Printing: where the grid lands on the paper and at what size, and the print
// commands' guards, questions, messages and temporary changes to the game,
// which must leave the game in play exactly as it was.
#include <gtest/gtest.h>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "view/printing.h"
#include "view_fixture.h"
#include "support/recording_canvas.h"

namespace vantry::testing {
namespace {

// US Letter at 600 dpi, a quarter inch unprintable at the sides.
constexpr PrinterPage kLetter{4800, 6600, 600, 600, 5100, 6600, 150, 0};

// The drawing rectangle as it comes out on the page: its size in inches and
// its centre in printable-area pixels.
struct Placed {
  double width_in, height_in, centre_x, centre_y;
};
Placed place(const PrinterPage& page, const PrintSize& size) {
  const PageMapping m = page_mapping(page, size);
  const double sx = double(page.printable_width) / (m.window.right - m.window.left);
  const double sy = double(page.printable_height) / (m.window.bottom - m.window.top);
  const Rect& d = m.clip;
  return {(d.right - d.left) * sx / page.dpi_x, (d.bottom - d.top) * sy / page.dpi_y,
          ((d.left + d.right) / 2.0 - m.window.left) * sx, ((d.top + d.bottom) / 2.0 - m.window.top) * sy};
}

TEST(PageLayoutTest, NaturalHalfAndFullSizeCentredOnThePrintableArea) {
  PrintSize size;
  size.preferred_size = 300;
  size.possibility_font = 7;
  // The drawing is 302 by 320 units: at 96 dpi on screen 3.15 by 3.33 inches.
  const Rect drawing = print_drawing_rect(300, 7);
  EXPECT_EQ(drawing.left, -1);
  EXPECT_EQ(drawing.top, -10);
  EXPECT_EQ(drawing.right, 301);
  EXPECT_EQ(drawing.bottom, 310);

  Placed p = place(kLetter, size);
  EXPECT_NEAR(p.width_in, 302 / 96.0, 0.02);
  EXPECT_NEAR(p.height_in, 320 / 96.0, 0.02);
  EXPECT_NEAR(p.centre_x, 2400, 10);
  EXPECT_NEAR(p.centre_y, 3300, 10);

  size.half = true;
  p = place(kLetter, size);
  EXPECT_NEAR(p.width_in, 302 / 192.0, 0.02);
  EXPECT_NEAR(p.centre_y, 3300, 10);

  // Full size: the available width (8.5 in less a quarter inch each side)
  // limits this nearly square drawing.
  size.half = false;
  size.big = true;
  p = place(kLetter, size);
  EXPECT_NEAR(p.width_in, 8.0, 0.02);
  EXPECT_NEAR(p.height_in, 8.0 * 320 / 302, 0.02);
  EXPECT_NEAR(p.centre_x, 2400, 10);

  // Landscape: the height limits; a larger unprintable offset moves the margin in.
  const PrinterPage landscape{6600, 4800, 600, 600, 6600, 5100, 0, 300};
  p = place(landscape, size);
  EXPECT_NEAR(p.height_in, 8.5 - 0.25 - 0.5, 0.02);
}

TEST(PageLayoutTest, NaturalSizeTooLargeForThePaperShrinksToFit) {
  PrintSize size;
  size.preferred_size = 1200;  // 12.5 inches at 96 dpi
  size.possibility_font = 30;
  const Placed p = place(kLetter, size);
  EXPECT_NEAR(p.width_in, 8.0, 0.02);
  EXPECT_LT(p.height_in, 10.5);
  // Nearly 0.25 inch short on one side only still counts as crowded.
  size.preferred_size = 770;  // 8.04 inches wide
  EXPECT_NEAR(place(kLetter, size).width_in, 8.0, 0.02);
}

class Printing : public ViewTest {
 protected:
  RecordingCanvas canvas;

  void SetUp() override {
    grid.resize(300, 330);
    paste_puzzle();
    platform.print_canvas = &canvas;
  }
  // The texts drawn inside an empty cell of the puzzle: its possibilities.
  size_t texts_in_empty_cell() const { return canvas.texts_in_cell(0, 2, grid.geometry().cell).size(); }
  bool header_printed() const {
    for (const DrawnText& t : canvas.texts) {
      if (t.text.rfind("Difficulty: ", 0) == 0) return true;
    }
    return false;
  }
};

// The print commands are the view's; they keep the game's guard.
TEST_F(ViewTest, PrintCommandsWaitForTheEntryToFinish) {
  game.enter_puzzle();
  for (int id : {kCmdPrintPuzzle, kCmdPrintBlankGrid, kCmdPrintSetup}) {
    platform.messages.clear();
    EXPECT_TRUE(grid.run_command(id));
    ASSERT_EQ(platform.messages.size(), 1u) << id;
    expect_message("Please finish entering the puzzle\nbefore doing this.", "Vantry", MessageIcon::Exclamation);
  }
}

TEST_F(Printing, PuzzleAndNoCluesDrawTheGridOnTheirOwnTerms) {
  grid.run_command(kCmdPrintPuzzle);
  ASSERT_EQ(platform.print_titles.size(), 1u);
  EXPECT_EQ(platform.print_titles[0], "Vantry puzzle");
  EXPECT_GT(texts_in_empty_cell(), 1u);
  EXPECT_TRUE(header_printed());

  canvas = RecordingCanvas{};
  grid.run_command(kCmdPrintNoClues);
  EXPECT_EQ(texts_in_empty_cell(), 0u);
  EXPECT_EQ(canvas.texts_in_cell(0, 0, grid.geometry().cell).size(), 1u);  // the given 5
  // The window draws its possibilities again.
  canvas = RecordingCanvas{};
  grid.paint_grid(canvas, true, {0, 0, 300, 330}, false);
  EXPECT_GT(texts_in_empty_cell(), 1u);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Printing, AnswersPrintTheSolutionAndLeaveTheGameExactlyAsItWas) {
  // A move, undone: the State after it waits to be redone.
  game.left_click(0, 2, right_digit(0, 2));
  game.undo();
  const int states = game.board().size(), at = game.board().current_index();
  const bool modified = game.board().modified();
  bool full_during_print = false;
  platform.on_print = [&] { full_during_print = game.board().current().cell(8, 0).answer == 3; };

  grid.run_command(kCmdPrintAnswers);
  EXPECT_TRUE(full_during_print);
  EXPECT_EQ(game.board().size(), states);
  EXPECT_EQ(game.board().current_index(), at);
  EXPECT_EQ(game.board().modified(), modified);
  EXPECT_EQ(game.board().current().cell(0, 2).answer, 0);
  EXPECT_TRUE(game.board().redo());
  // Answers print at half the natural size: the logical window is twice as wide.
  const int half_width = platform.last_mapping.window.right - platform.last_mapping.window.left;
  grid.run_command(kCmdPrintPuzzle);
  EXPECT_NEAR(half_width, 2 * (platform.last_mapping.window.right - platform.last_mapping.window.left), 2);
}

TEST_F(Printing, BlankGridAsksBeforeErasingThePuzzle) {
  platform.answers.push_back(MessageAnswer::No);
  grid.run_command(kCmdPrintBlankGrid);
  expect_message("Printing a blank solving grid will erase\nthe current puzzle.  Do you wish to proceed?", "Vantry",
                 MessageIcon::Question);
  EXPECT_TRUE(game.puzzle_valid());
  EXPECT_TRUE(platform.print_titles.empty());

  platform.messages.clear();
  // Yes, then not saving the pasted game: the new empty game prints.
  platform.answers = {MessageAnswer::Yes, MessageAnswer::No};
  grid.run_command(kCmdPrintBlankGrid);
  EXPECT_FALSE(game.puzzle_valid());
  ASSERT_EQ(platform.print_titles.size(), 1u);
  EXPECT_FALSE(header_printed());
  // With no puzzle there is nothing to ask about; the other prints need one.
  platform.messages.clear();
  grid.run_command(kCmdPrintBlankGrid);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.print_titles.size(), 2u);
  grid.run_command(kCmdPrintPuzzle);
  EXPECT_EQ(platform.print_titles.size(), 2u);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Printing, FailuresAreReportedAndTheGameRestored) {
  platform.printer_creatable = false;
  grid.run_command(kCmdPrintAnswers);
  expect_message("Cannot access printer.", "Error", MessageIcon::Stop);
  EXPECT_TRUE(platform.print_titles.empty());
  EXPECT_EQ(game.board().current().cell(0, 2).answer, 0);
  grid.run_command(kCmdPrintSetup);
  EXPECT_EQ(platform.print_setups, 0);

  platform.printer_creatable = true;
  grid.run_command(kCmdPrintSetup);
  EXPECT_EQ(platform.print_setups, 1);

  platform.messages.clear();
  platform.print_result = PrintResult::Failed;
  grid.run_command(kCmdPrintNoClues);
  expect_message("Unknown printing error", "Error", MessageIcon::Stop);
  canvas = RecordingCanvas{};
  grid.paint_grid(canvas, true, {0, 0, 300, 330}, false);
  EXPECT_GT(texts_in_empty_cell(), 1u);

  // A cancelled print says nothing.
  platform.messages.clear();
  platform.print_result = PrintResult::Cancelled;
  grid.run_command(kCmdPrintPuzzle);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Printing, FullSizeSettingReachesTheLayout) {
  grid.run_command(kCmdPrintPuzzle);
  const int natural = platform.last_mapping.window.right - platform.last_mapping.window.left;
  grid.settings().write_integer(kPrintBig, 1);
  grid.run_command(kCmdPrintPuzzle);
  EXPECT_LT(platform.last_mapping.window.right - platform.last_mapping.window.left, natural / 2);
}

}  // namespace
}  // namespace vantry::testing
