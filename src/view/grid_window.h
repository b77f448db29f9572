// The engine half of the grid window: everything the desktop program's grid
// does that is logic rather than pixels on a screen. It draws the grid through
// a Canvas, turns mouse clicks and keys into moves, keeps the highlight state
// and the preferences, runs the grid's commands and the start-up steps. It
// lives beside the Game it shows (the application object holds both), reaches
// it only through PresentedGame and registers itself as the game's listener. The Qt window forwards its events
// here; it paints by calling paint_grid with a canvas over its painter.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/canvas.h"
#include "view/color_mgr.h"
#include "view/grid_geometry.h"
#include "view/highlight.h"
#include "game/game_listener.h"
#include "view/play_cursor.h"

namespace vantry {

class PresentedGame;
class IniFile;
class State;

// The window timer that places the next naked single.
inline constexpr int kSinglesTimer = 3;

// Keys the grid takes as key presses rather than typed characters; the Qt
// layer maps its key codes onto these (the keypad with NumLock off sends
// Home, Up, PageUp, Left, Clear, Right, End, Down and PageDown).
enum class GridKey { Other, Shift, Home, Up, PageUp, Left, Clear, Right, End, Down, PageDown, Space, Insert, Zero };

// A mouse button event on the grid: the point in the grid window's client
// pixels, the modifiers, and the same point on the screen (the colouring
// dialog opens under it).
struct GridMouse {
  int x = 0, y = 0;
  bool shift = false;
  bool control = false;
  int screen_x = 0, screen_y = 0;
};

// A naked single waiting to be placed automatically; row -1 = none.
struct PendingSingle {
  int row = -1, column = -1, digit = 0;
};

// The display switches (all start off; the start-up applies the stored ones).
struct DisplaySwitches {
  bool user_answers = false;           // UserAns: the player's answers in their own colour
  bool deleted_possibilities = false;  // DelPoss: removed possibilities drawn crossed out
  bool hide_answers = false;           // HideAns
  bool mark_no_possibilities = false;  // MarkNoPossibilities: an X through an empty cell
  bool singles = false;                // Singles: frame cells with one possibility
  bool solve_singles = false;          // SolveSingles: and place them one per delay
  bool keyboard_play = false;          // KeyboardPlay: the play cursor and digits that place
  bool not_by_color_alone = false;     // NotByColorAlone: line styles beside colours
};

class GridWindow final : public GameListener {
 public:
  explicit GridWindow(PresentedGame& game);
  ~GridWindow() override;
  GridWindow(const GridWindow&) = delete;
  GridWindow& operator=(const GridWindow&) = delete;

  // ---- Settings and colours ----
  // The settings object of the run, which the game owns.
  IniFile& settings() const;
  ColorMgr& colors() { return my_colors; }
  const ColorMgr& colors() const { return my_colors; }
  // The colour dialog replaces the manager with its copy on Cancel.
  void replace_colors(const ColorMgr& colors);
  // The grid window's background follows element 0 and the grid repaints.
  void colors_changed();
  // The desktop's palette changed (a dark or light theme chosen while the
  // program runs): with "Use system colors" on, the colours follow it.
  void system_palette_changed();

  // ---- Geometry (grid_window.cpp) ----
  // The client area changed size; the grid is worked out again and repainted.
  void resize(int width, int height);
  const GridGeometry& geometry() const { return my_geometry; }

  // ---- Drawing (paint_grid.cpp) ----
  // Draws the whole grid. On the window: printing false, with the erase flag
  // and the update rectangle the window system gives. On a printed page:
  // erase false, a rectangle round the grid, printing true.
  void paint_grid(Canvas& canvas, bool erase, const Rect& update, bool printing);
  // The colour for digits, grid lines and the no-possibility X: the entering
  // or creating colour while a puzzle is entered or created.
  Colorref display_color(int element) const;
  // The cell's background colour element, or 0.
  int highlight_color(int r, int c) const;
  // The possibility font height of the last drawing (the printout lays out by it).
  int possibility_font_height() const { return my_possibilityFont; }
  // From the last window drawing: solved[d] cells with answer d, and
  // by_count[n] empty cells with n possibilities.
  const std::array<int, 10>& solved_counts() const { return my_solvedCounts; }
  const std::array<int, 10>& possibility_counts() const { return my_possibilityCounts; }
  // Highlight button d is usable: in mode Possibilities while d is not
  // placed nine times, in mode "# of possibilities" while some empty cell
  // has d possibilities.
  bool digit_available(int d) const { return my_available[d]; }

  // Inputs of drawing set by other parts of the program (whether a puzzle
  // is being created or entered is the game's).
  void set_draw_possibilities(bool on) { my_drawPossibilities = on; }
  // The button pane sets this whenever the solution status is not "OK":
  // automatic solving then stops after the single in progress.
  void set_stop_solving(bool on) { my_stopSolving = on; }
  bool stop_solving() const { return my_stopSolving; }
  bool solve_now() const { return my_solveNow; }
  const PendingSingle& pending_single() const { return my_pending; }
  // A position drawn instead of the game's, read-only (a step of the solution
  // path); null draws the game's again. It never starts automatic solving.
  void set_preview(State* s) { my_preview = s; }
  const State* preview() const { return my_preview; }

  // ---- Mouse and keys (grid_input.cpp) ----
  void left_down(const GridMouse& m);
  void left_up(const GridMouse& m);
  void right_down(const GridMouse& m);
  // A typed character (UTF-8): a digit or its shifted form highlights.
  void char_typed(const std::string& text);
  void key_down(GridKey key);
  void key_up(GridKey key);
  bool chain_cursor() const { return my_chainCursor; }
  bool dragging() const { return my_dragRow >= 0; }

  // ---- Keyboard play (keyboard_play.cpp) ----
  // The play cursor: moved by the arrow keys and by clicks, drawn while
  // keyboard play is on.
  const PlayCursor& play_cursor() const { return my_cursor; }
  // A cursor key with keyboard play on; false when the key is not taken
  // (keyboard play off, or a puzzle being entered) and means what it always did.
  bool play_key(PlayKey key);
  // A number-row digit 1-9 with keyboard play on: plain places it in the
  // cursor cell, with Control removes or restores it, with Alt highlights.
  // False when not taken.
  bool play_digit(int d, bool control, bool alt);
  // What the cell shows, for assistive technology ("row 3, column 5: 7, given").
  std::string cell_text(int r, int c) const;
  // The last move's words for assistive technology ("7 placed in row 3,
  // column 5"); emptied by the call.
  std::string take_announcement();

  // ---- Highlighting (highlight.cpp) ----
  const Highlight& highlight() const { return my_highlight; }
  // Code 1-9 a digit, 0 Clear, 10 Space / Insert / 0 key.
  void highlight_digit(int code, bool shift);
  void set_rule(int rule);
  void set_mode(int mode);
  void next_highlight(bool forward);
  void toggle_skip_solved();

  // Highlighting off without touching cell colouring (a new game).
  void clear_highlight_state();
  void highlighting_reset() override { clear_highlight_state(); }

  // ---- Naked singles (grid_input.cpp) ----
  void solve_singles_now();
  // Timer 3 expired.
  void singles_timer();
  int singles_delay_ms() const { return my_singlesDelay; }
  void set_delay_command();
  // The delay dialog's text in seconds; the milliseconds, or -1 when refused.
  static int parse_delay(const std::string& text);
  // The current delay as the dialog shows it ("0.25", "1").
  static std::string delay_text(int ms);

  // ---- Cell colouring ----
  // Index 0-5 of the colouring button put under the mouse.
  int default_coloring_index() const;
  int last_color_selected() const { return my_lastColor; }
  int default_coloring() const { return my_defaultColoring; }

  // ---- Commands, menus and preferences (grid_commands.cpp) ----
  // Runs a command by its id: the grid window's own and the print commands
  // first (11907 and 11908, which an old Create setting may hold for
  // Superhuman and Unsolvable, are the Highlight and Hint menus' items here),
  // then the game's. False when
  // neither knows the id.
  bool run_command(int id);
  const DisplaySwitches& switches() const { return my_switches; }
  void toggle_display(int id);
  // The menu layer's queries: whether the item is checked; the id the item
  // carries now (only "Indicate which cells you solved" changes it, to an id
  // nothing handles while "Hide solved cells" is on); its text with the
  // shortcut label after '\b'.
  bool menu_checked(int id) const;
  int menu_item_id(int id) const;
  std::string menu_text(int id) const;
  // "Show answers": the solution as nine lines of nine digits.
  std::string answers_text() const;

  // ---- Start-up and shutdown (startup.cpp) ----
  // The grid window exists: colours, system colours, the shifted digit
  // table, the getting-started question.
  void set_up();
  // The menus are complete: remembered choices, check marks, preferences.
  void build_menus();
  // After the first drawing: the palette warning, the remembered switches,
  // then the saved game named on the command line or the welcome choices.
  void first_drawing(const std::string& argument);
  // The colours reach the settings and the settings their file.
  void shut_down();
  // Shift + '1'..'9' as the keyboard gives them; empty when unusable.
  const std::string& shifted_digit(int i) const { return my_shifted[i]; }

  // The colour dialog's state that outlives one opening.
  int color_list_position = 0;
  std::array<std::uint32_t, 16> custom_colors = {};

 private:
  void repaint();
  void pane_highlight();
  void clear_colouring();
  void chain_drag_end(int r0, int c0, int r1, int c1);
  void chain_right_click(int r, int c);
  void open_coloring_dialog(const GridMouse& m, int r, int c);
  void place_single(int r, int c, int d);
  void build_shifted_table();
  void set_switch(bool& value, const IntegerKey& key, bool on);

  PresentedGame& my_game;
  ColorMgr my_colors;
  GridGeometry my_geometry;
  Highlight my_highlight;
  DisplaySwitches my_switches;

  State* my_preview = nullptr;
  bool my_drawPossibilities = true;
  int my_possibilityFont = 0;
  std::array<int, 10> my_solvedCounts = {};
  std::array<int, 10> my_possibilityCounts = {};
  bool my_available[10] = {false, true, true, true, true, true, true, true, true, true};

  PendingSingle my_pending;
  bool my_solveNow = false;
  bool my_stopSolving = false;
  int my_singlesDelay = 250;

  int my_dragRow = -1, my_dragColumn = -1;
  bool my_chainCursor = false;
  PlayCursor my_cursor;
  std::string my_announcement;
  int my_lastColor = 0;
  int my_defaultColoring = 11895;
  std::string my_shifted[9];
};

}  // namespace vantry
