// Where the main window's parts go, as plain arithmetic the Qt layer calls:
// the layout window's first size, the button pane's placement and how the
// frame grows or shrinks when the pane comes and goes, the geometry saved at
// the end, and the floating dialogs' placement relative to the nearest
// corner of their owner, kept inside the screen's work area.
#pragma once

#include <cstdint>
#include <string>

#include "classlib/canvas.h"

namespace vantry {

class IniFile;

// The pane's place as the layout applies it: only "L" and "R" place it.
enum class PanePlace { Left, Right, Hidden };
PanePlace pane_place(const std::string& buttons);

// The layout window's size when the settings hold none: a base of 516 on a
// desktop under 800 pixels either way, else 651; the pane's width is added
// when the placement starts with L, R, l or r.
struct Size {
  int width = 0, height = 0;
};
Size default_layout_size(const std::string& buttons, int pane_width, int desktop_width, int desktop_height);
// Geometry/W and H read with those defaults, kept to the desktop as a window
// manager keeps a window: no larger than the desktop, no smaller than a grid
// one can still use (beside the pane's width when the pane is shown).
Size layout_size(IniFile& settings, int pane_width, int desktop_width, int desktop_height);
inline constexpr int kSmallestGridWindow = 120;

// The client size that shows the whole pane: a client lower than the pane
// grows to the pane's height, and widens by as much so the grid grows with it
// (no wider than max_width).
Size fit_pane(Size client, int pane_height, int max_width);

// How much larger than at its own size the pane is drawn in a client of the
// given size, so that its fonts and controls grow with the window: the
// largest step of 1/8 from 1 to kLargestPaneZoom at which the pane (of the
// given size at 1) is no higher than the client and takes no more than half
// its width.
double pane_zoom(Size client, Size pane);
inline constexpr double kLargestPaneZoom = 2;

// Where a window of the given size goes so that it lies on the desktop:
// moved left and up until its far edges are inside, then right and down
// until its near edges are (a window larger than the desktop keeps its
// top-left corner on it). Any int is a valid input.
struct Point {
  int x = 0, y = 0;
};
Point keep_on_desktop(std::int64_t x, std::int64_t y, int width, int height, const Rect& desktop);

// The placement applied last; arrange() answers what a new placement changes.
class PaneArrangement {
 public:
  struct Change {
    bool relayout = false;  // the children are placed again
    PanePlace place = PanePlace::Right;
    bool show_pane = false;      // the pane becomes visible
    bool hide_pane = false;      // the pane disappears
    int frame_width_change = 0;  // + or - the pane's width
  };
  // The first call only remembers; later calls with the same first letter change nothing.
  Change arrange(const std::string& buttons, int pane_width);
  bool pane_shown() const { return my_shown; }

 private:
  bool my_first = true;
  char my_letter = 0;
  bool my_shown = false;
};

// The main window's remembered geometry. Maximised: only the flag changes.
// Otherwise the frame's corner and the tightest size around the grid (the
// layout's size less the grid window's surplus).
void save_geometry(IniFile& settings, const std::string& buttons, bool maximized, int frame_x, int frame_y,
                   int layout_width, int layout_height, int surplus_width, int surplus_height);

// Floating dialogs: where one opens, from its section's Corner, DX and DY
// (a corner other than 0-3 counts as 0), and pulled back inside the work area
// (an offset of any size included).
Rect float_dialog_open(const Rect& owner, const Rect& dialog, const Rect& work_area, int corner, int dx, int dy);
Rect float_dialog_open(IniFile& settings, const char* section, const Rect& owner, const Rect& dialog,
                       const Rect& work_area);
// Where one closed: the owner's corner nearest the dialog's centre (the
// earlier corner on a tie) and the offset of the dialog's top-left from it.
struct FloatPlacement {
  int corner = 0, dx = 0, dy = 0;
};
FloatPlacement float_dialog_close(const Rect& owner, const Rect& dialog);
// The same, stored in the section and the settings flushed.
void float_dialog_close(IniFile& settings, const char* section, const Rect& owner, const Rect& dialog);

}  // namespace vantry
