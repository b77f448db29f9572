// The game as its presentation sees it: what the grid window, the button
// pane, the colour dialog, printing and start-up ask of the game in progress
// and what they tell it. The game implements this and the view holds only it,
// never the game's counter, engine or drill; a test can put a scripted game
// under a grid window to see exactly which calls an event makes.
#pragma once

#include <string>

#include "strategy/difficulty.h"

namespace vantry {

class Board;
class BusyManager;
class GameListener;
class IniFile;
class SystemServices;
class ViewObserver;
struct FileName;
struct Statistics;

class PresentedGame {
 public:
  virtual ~PresentedGame() = default;

  // ---- The one-per-run objects the view shares with the game ----
  // What the view asks of the window system, and what the game tells it.
  virtual SystemServices& services() = 0;
  virtual ViewObserver& view() = 0;
  virtual IniFile& settings() = 0;
  // The busy phases: automatic singles and the solution status run in them.
  virtual BusyManager& busy() = 0;
  // The presentation that hears of a new puzzle; nullptr for none.
  virtual void set_listener(GameListener* listener) = 0;

  // ---- State the painting and the pane read ----
  // The history whose current State is on display; the view also makes its
  // own moves on it (chains, cell colouring, keyboard play, naked singles).
  virtual Board& board() = 0;
  virtual bool puzzle_valid() const = 0;
  virtual bool entering() const = 0;
  virtual bool creating() const = 0;
  virtual bool auto_solving() const = 0;
  virtual bool paused() const = 0;
  // The grid's heading: the file name and the difficulty of the puzzle.
  virtual const FileName& file_name() const = 0;
  virtual Difficulty difficulty() const = 0;
  virtual const Statistics& statistics() const = 0;
  // The next-move line as the last search left it.
  virtual const std::string& next_move_text() const = 0;
  // The Create difficulty and Practice strategy (table number) that carry
  // the Ctrl+N and Shift+P labels in the menus.
  virtual Difficulty chosen_difficulty() const = 0;
  virtual int chosen_strategy() const = 0;
  // The id a drill menu item carries now (a greyed one when it has no use).
  virtual int drill_menu_item_id(int id) const = 0;

  // ---- Questions that may run a search or show a message ----
  // True when the command may go on; otherwise the game has said why.
  virtual bool activity_guard() = 0;
  virtual bool puzzle_guard() = 0;
  // Clears the game for a new one after the save prompt; false when cancelled.
  virtual bool new_game_step() = 0;
  // The solutions of the position on display, inside a busy phase the caller
  // runs: 0, 1, 2 for more, -1 when cancelled.
  virtual int count_solutions() = 0;
  // Works out the next move's name for the pane's next-move line, which
  // next_move_text then holds.
  virtual void name_next_move() = 0;

  // ---- What the player did: clicks, keys, commands ----
  virtual void left_click(int r, int c, int d) = 0;
  virtual void right_click(int r, int c, int d, bool shift, bool show_deleted) = 0;
  // A key during puzzle entry; false when no puzzle is being entered.
  virtual bool entry_key(int code) = 0;
  // A command of the game by its identifier; false when it is not the game's.
  virtual bool run_command(int id) = 0;
  virtual void open_file(const std::string& path) = 0;
  virtual void resume_game() = 0;
  virtual void set_extended_strategies(bool on) = 0;
  virtual void choose_difficulty(Difficulty d) = 0;
  virtual void choose_strategy(int table_number) = 0;

  // ---- What the view's own moves report ----
  // Naked singles being placed one per timer tick.
  virtual void set_auto_solving(bool on) = 0;
  // Moves made (delta > 0) or undone; with recompute the pane's lines again.
  virtual void count_moves(int delta, bool recompute) = 0;
  // A full grid stops the clock and is congratulated.
  virtual void solved_check() = 0;
  virtual void repaint() = 0;

 protected:
  PresentedGame() = default;
  PresentedGame(const PresentedGame&) = default;
  PresentedGame& operator=(const PresentedGame&) = default;
};

}  // namespace vantry
