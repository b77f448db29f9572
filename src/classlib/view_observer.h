// What the game tells its presentation: the grid, the title, the button pane,
// the menus and the layout changed, the grid's background and pointer, the
// puzzle entry dialog, and whether the main window is there to watch the
// clock at all. The desktop program's Qt layer implements it; the tests
// record it; a game without a screen (the command line tool, the benches)
// uses SilentView.
#pragma once

#include <cstdint>
#include <string>

namespace vantry {

// The mouse pointer over the grid.
enum class GridCursor { Arrow, Chain };

// What changed in the statistics the button pane shows.
enum class PaneUpdate {
  Counters,          // counters or time; the next-move and status lines only say
                     // "No puzzle yet", "Solved!" or nothing
  CountersAndLines,  // counters, and the next-move and status lines worked out again
  NextMoveText,      // a search finished the next-move line (Game::next_move_text)
  Reset,             // a new game: all counters zero, lines cleared, highlight buttons up
  Highlight,         // highlighted digits, rule, mode or the buttons' availability
                     // (GridWindow::highlight and GridWindow::digit_available)
};

class ViewObserver {
 public:
  virtual ~ViewObserver() = default;

  // The grid shows the current State again.
  virtual void repaint_grid() = 0;
  virtual void set_window_title(const std::string& title) = 0;
  // The button pane shows the game's statistics (and lines) again.
  virtual void pane_changed(PaneUpdate update) = 0;
  // No digit is highlighted any more (menu checks and pane buttons included).
  virtual void clear_highlights() = 0;
  // Check marks, enabled state or the two moving shortcut labels changed:
  // the menu layer asks the engine's menu queries again.
  virtual void menus_changed() = 0;
  // The button pane's placement setting changed: the layout re-arranges.
  virtual void arrange_layout() = 0;
  // The grid window's background (what the window system erases with).
  virtual void set_grid_background(std::uint32_t color) = 0;
  virtual void set_grid_cursor(GridCursor cursor) = 0;

  // The modeless dialog that accompanies puzzle entry, with its Done
  // Entering, Start Over and Cancel buttons. show_entry_dialog creates it if
  // needed, shows it and gives the focus back to the grid; hide keeps it for
  // showing again; destroy ends it.
  virtual void show_entry_dialog() = 0;
  virtual void hide_entry_dialog() = 0;
  virtual void destroy_entry_dialog() = 0;

  // The main window is shown normally or maximised (not minimised or hidden):
  // only then does the game clock advance.
  virtual bool main_window_shown() const = 0;
  // Closes the main window as the window's own close button does (the
  // engine's close query then runs).
  virtual void close_main_window() = 0;
};

// No screen: nothing is shown, and the clock runs as if the window were there.
class SilentView : public ViewObserver {
 public:
  void repaint_grid() override {}
  void set_window_title(const std::string&) override {}
  void pane_changed(PaneUpdate) override {}
  void clear_highlights() override {}
  void menus_changed() override {}
  void arrange_layout() override {}
  void set_grid_background(std::uint32_t) override {}
  void set_grid_cursor(GridCursor) override {}
  void show_entry_dialog() override {}
  void hide_entry_dialog() override {}
  void destroy_entry_dialog() override {}
  bool main_window_shown() const override { return true; }
  void close_main_window() override {}
};

}  // namespace vantry
