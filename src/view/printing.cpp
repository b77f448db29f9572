// The print commands and the page layout. A print command may change the game
// for the printout (the solution filled in, possibilities hidden, a new empty
// game); whatever happens while printing, the first two are undone exactly,
// the needs-saving flag included.
#include "view/printing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "classlib/inifile.h"
#include "classlib/system_services.h"
#include "classlib/settings_keys.h"
#include "game/commands.h"
#include "game/presented_game.h"
#include "model/board.h"
#include "strategy/game_messages.h"
#include "view/grid_window.h"

namespace vantry {

namespace {

constexpr double kMarginInches = 0.25;
constexpr const char* kBlankGridQuestion =
    "Printing a blank solving grid will erase\nthe current puzzle.  Do you wish to proceed?";

bool make_printer(SystemServices& services) {
  if (services.create_printer()) return true;
  services.message_box("Cannot access printer.", "Error", MessageIcon::Stop, MessageButtons::Ok);
  return false;
}

}  // namespace

Rect print_drawing_rect(int preferred_size, int possibility_font) {
  const int s = preferred_size, p = possibility_font;
  return Rect{-1, -(p + 3), s + 1, s + p + 3};
}

PageMapping page_mapping(const PrinterPage& page, const PrintSize& size) {
  const Rect drawing = print_drawing_rect(size.preferred_size, size.possibility_font);
  const double w = drawing.right - drawing.left;
  const double h = drawing.bottom - drawing.top;
  const double dpi_x = std::max(page.dpi_x, 1), dpi_y = std::max(page.dpi_y, 1);

  // 1. The natural size in inches, as the screen shows it (half for answers).
  double width = w / std::max(size.screen_dpi_x, 1);
  double height = h / std::max(size.screen_dpi_y, 1);
  if (size.half) {
    width /= 2;
    height /= 2;
  }

  // 2. The available area: a quarter inch from the paper's edges, or the
  //    printable area's edges where those lie further in.
  const double paper_w = page.paper_width / dpi_x, paper_h = page.paper_height / dpi_y;
  const double left = std::max(kMarginInches, page.offset_x / dpi_x);
  const double top = std::max(kMarginInches, page.offset_y / dpi_y);
  const double right = std::min(paper_w - kMarginInches, (page.offset_x + page.printable_width) / dpi_x);
  const double bottom = std::min(paper_h - kMarginInches, (page.offset_y + page.printable_height) / dpi_y);
  const double avail_w = std::max(right - left, 0.01), avail_h = std::max(bottom - top, 0.01);

  // 3. Full size, or a natural size that would crowd the paper's edges (or
  //    not fit the printable area), takes the largest size of the same shape.
  const bool crowded = (paper_w - width) / 2 < kMarginInches || (paper_h - height) / 2 < kMarginInches ||
                       width > avail_w || height > avail_h;
  if (size.big || crowded) {
    if (w / h <= avail_w / avail_h) {
      height = avail_h;
      width = avail_h * w / h;
    } else {
      width = avail_w;
      height = avail_w * h / w;
    }
  }

  // 4. Device pixels per logical unit, and the logical window over the whole
  //    printable area that shows the drawing at that scale in its middle.
  const double scale_x = width * dpi_x / w, scale_y = height * dpi_y / h;
  const double window_w = page.printable_width / scale_x, window_h = page.printable_height / scale_y;
  const int left_unit = static_cast<int>(std::lround(drawing.left - (window_w - w) / 2));
  const int top_unit = static_cast<int>(std::lround(drawing.top - (window_h - h) / 2));
  PageMapping mapping;
  mapping.window = Rect{left_unit, top_unit, left_unit + static_cast<int>(std::lround(window_w)),
                        top_unit + static_cast<int>(std::lround(window_h))};
  mapping.clip = drawing;
  return mapping;
}

void print_setup(PresentedGame& game) {
  if (!game.activity_guard()) return;
  if (!make_printer(game.services())) return;
  game.services().print_setup_dialog();
}

void print_command(PresentedGame& game, GridWindow& grid, int id) {
  SystemServices& services = game.services();
  Board& board = game.board();
  if (!game.activity_guard()) return;
  const bool blank = id == kCmdPrintBlankGrid;
  const bool answers = id == kCmdPrintAnswers;
  if (!blank && !game.puzzle_guard()) return;

  // 1. A blank grid replaces the puzzle in play: ask first.
  if (blank && game.puzzle_valid() &&
      services.message_box(kBlankGridQuestion, kProductName, MessageIcon::Question, MessageButtons::YesNo) !=
          MessageAnswer::Yes) {
    return;
  }

  // 2. The answers: the solution in every cell of the current State. The
  //    State is kept aside and put back whole afterwards, so the history
  //    (redo included) and the needs-saving flag stay exactly as they were.
  std::optional<State> kept;
  if (answers) {
    kept = board.current();
    State& s = board.current();
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        const int d = s.cell(r, c).solution;
        if (d >= 1 && d <= 9) s.set_answer(r, c, d);
      }
    }
  }

  // 3-5. The printer, the view of the game the printout shows, the page.
  bool go_on = make_printer(services);
  if (go_on && id == kCmdPrintNoClues) grid.set_draw_possibilities(false);
  if (go_on && blank) go_on = game.new_game_step();
  if (go_on) {
    int dpi_x = 96, dpi_y = 96;
    services.screen_dpi(dpi_x, dpi_y);
    PrintSize size;
    size.preferred_size = grid.geometry().preferred_size;
    size.possibility_font = grid.possibility_font_height();
    size.screen_dpi_x = dpi_x;
    size.screen_dpi_y = dpi_y;
    size.half = answers;
    size.big = game.settings().read_integer(kPrintBig) != 0;
    const Rect drawing = print_drawing_rect(size.preferred_size, size.possibility_font);
    const PrintResult result = services.print_page(
        kPrintoutTitle, [&](const PrinterPage& page) { return page_mapping(page, size); },
        [&](Canvas& canvas) { grid.paint_grid(canvas, false, drawing, true); });
    if (result == PrintResult::Failed) {
      services.message_box("Unknown printing error", "Error", MessageIcon::Stop, MessageButtons::Ok);
    }
  }

  // 6. Undo the printout's changes, whatever happened.
  grid.set_draw_possibilities(true);
  if (kept) board.current() = *kept;
  // 7.
  game.repaint();
}

}  // namespace vantry
