// Printing one page: the print commands with their guards and the temporary
// changes they make to the game (always undone), and the arithmetic that puts
// the grid on the paper at its on-screen size in inches, half that for the
// answers, or as large as the paper allows.
#pragma once

#include "classlib/canvas.h"
#include "classlib/system_services.h"

namespace vantry {

class PresentedGame;
class GridWindow;

// The printout's name, in the print queue and the abort dialog.
inline constexpr const char* kPrintoutTitle = "Vantry puzzle";

// What the page layout needs from the grid window and the screen.
struct PrintSize {
  int preferred_size = 3;    // the grid window's preferred size, grid plus 3
  int possibility_font = 0;  // the possibility font height of the last drawing
  int screen_dpi_x = 96, screen_dpi_y = 96;
  bool half = false;  // the answers print at half size
  bool big = false;   // "Print full size"
};

// The grid with room for the header above and the footer below, in the grid
// window's units (its origin is the grid's outer corner, less one).
Rect print_drawing_rect(int preferred_size, int possibility_font);

// The logical window over the printable area that draws the drawing
// rectangle at the chosen size in inches, centred on the printable area.
PageMapping page_mapping(const PrinterPage& page, const PrintSize& size);

// "Print setup" and the four print commands (by command id).
void print_setup(PresentedGame& game);
void print_command(PresentedGame& game, GridWindow& grid, int id);

}  // namespace vantry
