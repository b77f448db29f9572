// The game in progress: the one object main creates and hands down. It owns
// the Board and the game-state fields, the busy manager, the solution counter
// and the strategy engine, keeps the statistics and the clock, and carries out
// every command on the puzzle in play with its guards and messages, and owns
// the settings of the run and the paused state. It reaches the window system
// only through its SystemServices and tells its presentation what changed
// through its ViewObserver; the view library's grid window and button pane
// are faces over it that see it as a PresentedGame, and the grid window hears
// of a new puzzle as the game's listener.
#pragma once

#include <string>

#include "classlib/system_services.h"
#include "classlib/view_observer.h"
#include "game/drill.h"
#include "game/file_name.h"
#include "game/game_listener.h"
#include "game/generator.h"
#include "game/memory_settings.h"
#include "game/presented_game.h"
#include "game/statistics.h"
#include "game/strategies_used.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "model/n_solutions.h"
#include "strategy/difficulty.h"
#include "strategy/hint_host.h"
#include "strategy/strategy.h"

namespace vantry {

class PracticeLibrary;

// The window timer that drives the game clock, once a second.
inline constexpr int kClockTimer = 2;
inline constexpr int kClockIntervalMs = 1000;
// The generator's time limit for one creation attempt.
inline constexpr int kCreateAttemptTimer = 1;

class Game final : public HintHost, public PresentedGame {
 public:
  Game(SystemServices& services, ViewObserver& view);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The one-per-run objects.
  // What the game asks of the window system, and what it tells its presentation.
  SystemServices& services() override { return my_services; }
  ViewObserver& view() override { return my_view; }
  BusyManager& busy() override { return my_busy; }
  SolutionCounter& counter() { return my_counter; }
  Strategy& engine() { return my_engine; }
  const Board& board() const { return my_board; }

  // Runs a command of the game by its identifier; false when the id is not
  // one of the game's (the grid window runs its own before it asks the game).
  bool run_command(int id) override;

  // The settings object of the run (an in-memory one until attached).
  IniFile& settings() override { return *my_settings; }
  void attach_settings(IniFile& settings) { my_settings = &settings; }
  // The presentation that hears of a new puzzle; nullptr for none.
  void set_listener(GameListener* listener) override { my_listener = listener; }

  // ---- State of the game (game.cpp) ----
  bool entering() const override { return my_entering; }
  bool auto_solving() const override { return my_autoSolving; }
  bool puzzle_valid() const override { return my_puzzleValid; }
  Board& board() override { return my_board; }
  void set_auto_solving(bool on) override { my_autoSolving = on; }
  void set_puzzle_valid(bool valid) { my_puzzleValid = valid; }
  Difficulty difficulty() const override { return my_difficulty; }
  void set_difficulty(Difficulty d);
  StrategiesUsed& strategies_used() { return my_strategiesUsed; }
  HintLevel last_hint_level() const override { return my_lastHintLevel; }
  void set_last_hint_level(HintLevel level) override { my_lastHintLevel = level; }

  // The guards: true when the command may go on. The activity guard refuses
  // while a puzzle is entered (with its message), while naked singles are
  // solved automatically and while a busy phase runs; the puzzle guard
  // refuses without a puzzle (with its message).
  bool activity_guard() override;
  bool puzzle_guard() override;
  // Offers to save a game with unsaved changes; false when the player
  // cancelled or the save did not happen, and the calling command stops.
  bool save_prompt();
  // Clears the game for a new one after the save prompt; false when cancelled.
  bool new_game_step() override;
  // The main window is about to close: false keeps it open.
  bool query_close();

  // "Vantry", then the file name and the difficulty when there are any.
  std::string window_title() const;
  void update_title();
  const FileName& file_name() const override { return my_fileName; }
  void set_file_name(const std::string& path, bool saved_game);

  // ---- Moves on the grid (moves.cpp) ----
  // A left click on possibility d of cell (r, c): places the answer (or a
  // given during entry). A right click: in play, removes possibility d or,
  // when deleted possibilities are shown, restores a deleted one; during
  // entry, takes a wrongly entered digit out (Shift: removes a possibility).
  // Clicks with Control, and Shift-clicks in play, draw chains and colour
  // cells: the grid window handles those after the puzzle guard.
  void left_click(int r, int c, int d) override;
  void right_click(int r, int c, int d, bool shift, bool show_deleted) override;
  // A full grid stops the clock and is congratulated.
  void solved_check() override;

  // ---- Undo, redo and checking (undo.cpp) ----
  void undo();
  void redo();
  void undo_until_ok();
  void start_over();
  void check_solution();
  void hint(HintLevel level);

  // ---- Puzzle entry (entry.cpp) ----
  void enter_puzzle();
  // A key during entry: 1-9 place that digit at the entry cursor, 0 and 10
  // (Space, Insert, the 0 key, Clear) move the cursor on. False when no
  // puzzle is being entered, so the key is the grid's highlight command.
  bool entry_key(int code) override;
  void done_entering();
  void entry_start_over();
  void entry_cancel();
  // The buttons of the entry dialog by id (601-603).
  void entry_button(int id);
  int entry_row() const { return my_entryRow; }
  int entry_column() const { return my_entryColumn; }

  // ---- Files and the clipboard (file_commands.cpp) ----
  void open();
  // Opens the saved game at path, as Open does after its dialog (the path
  // named on the command line comes here).
  void open_file(const std::string& path) override;
  bool save();
  bool save_as();
  void import_puzzle();
  void export_puzzle();
  void copy();
  void paste();

  // ---- Creating, rating and practice puzzles (creation.cpp) ----
  // Create new at a difficulty of the menus, Easy to Sadistic. Sadistic with
  // Shift held as the command starts offers a Superhuman puzzle instead.
  void create_new(Difficulty d, bool shift_held = false);
  // Ctrl+N: create at the difficulty remembered in the settings.
  void create_again();
  // Builds candidates until one rates as target (NotRated for any rating, as
  // a practice build does), inside busy phase 1; false
  // when the player cancelled, which leaves an empty game.
  bool create_puzzle(Difficulty target);
  // The difficulty of the puzzle in play (NotRated when cancelled or a
  // practice target was reached); show tells the player, as Rate puzzle does.
  Difficulty rate(bool show);
  // The preference "Continue beyond the standard strategies": the engine's
  // hints go on beyond them, and a rating on record is made again to list them.
  // A position practising an extended strategy searches beyond the standard
  // ones until the next game, whatever the preference: it was chosen as one
  // on which they are stuck, and its hints must name the strategy practised.
  void set_extended_strategies(bool on) override;
  void rate_puzzle();
  void show_strategies_used();
  // Practise strategy n (a table number), and the one remembered in the
  // settings. An extended row (45-55) is practised from the library alone,
  // and is not remembered: Practice again stays with the standard strategies.
  void practise(int n);
  void practise_again();
  // A practice position for strategy n in play, without guards or questions:
  // from the practice library when it has one, else built by the search inside
  // busy phase 2; false when cancelled or the search gave up.
  bool create_practice_puzzle(int n);
  // How long the search for a practice position may run before it gives up
  // (when the library has none for the strategy).
  void set_practice_search_limit(int ms) { my_practiceSearchLimitMs = ms; }
  // The library practice positions come from; the one installed with the
  // program unless another is set (null: the installed one again).
  void set_practice_library(const PracticeLibrary* library) { my_practiceLibrary = library; }
  bool creating() const override { return my_creating; }
  int last_practised() const { return my_lastPractised; }
  // A seed makes every creation that follows reproducible; without one the
  // first creation of the run seeds from the clock.
  void set_random_seed(std::uint32_t seed) { my_random.seed(seed); }
  // Gives up a creation after this many attempts as if cancelled (0: never),
  // for callers nobody can cancel, such as the command line.
  void set_attempt_limit(int attempts) { my_attemptLimit = attempts; }
  // The attempts the last creation took.
  int attempts_made() const { return my_attempts; }

  // The drill in progress, if any (drill.cpp).
  Drill& drill() { return my_drill; }
  const Drill& drill() const { return my_drill; }
  int drill_menu_item_id(int id) const override { return my_drill.menu_item_id(id); }

  // ---- Statistics and the clock (statistics_ops.cpp) ----
  const Statistics& statistics() const override { return my_stats; }
  void count_hint(HintLevel level) override;
  void count_moves(int delta, bool recompute) override;
  // All six counters to zero and the clock stopped.
  void reset_statistics();
  void start_clock();
  void stop_clock();
  // The seconds from zero, and the clock running.
  void restart_clock();
  bool clock_running() const { return my_clockRunning; }
  void repaint() override;
  void set_next_move_text(const std::string& text) override;
  const std::string& next_move_text() const override { return my_nextMoveText; }
  // The button pane's next-move line and solution status.
  void name_next_move() override;
  int count_solutions() override { return my_counter.n_solutions(my_board.current()); }

  // ---- Pausing (the button pane's Pause Game and Resume Game) ----
  // A paused game hides its grid behind the resume text and stops the clock.
  void pause_game();
  void resume_game() override;
  bool paused() const override { return my_paused; }

  // ---- The remembered Create difficulty and Practice strategy ----
  // The Create difficulty (Easy to Sadistic) and the Practice strategy
  // (table number) chosen in the pane or remembered: stored, and the menus
  // told, as the Ctrl+N or Shift+P label moves to that item.
  void choose_difficulty(Difficulty d) override;
  void choose_strategy(int table_number) override;
  // Both as the settings hold them now (creating a puzzle may change them).
  Difficulty chosen_difficulty() const override;
  int chosen_strategy() const override;

 private:
  // One attempt of creation: a random grid with givens removed, the givens
  // marked; false when the grid could not be filled.
  bool build_candidate(Difficulty target);

  void clock_tick();
  // Writes the game as target's file, which then becomes the game's file
  // name; false (the name unchanged) when the write failed.
  bool save_to(FileName target);
  bool save_as_unguarded();
  // A name the extension rule made that belongs to another existing file
  // may be replaced only when the player says so.
  bool may_replace(const FileName& target);
  // The check shared by Import and Paste.
  void check_loaded_puzzle(BusyToken token);
  // Counts the solutions of the current State with the solution recorded;
  // -1 when interrupted or cancelled.
  int count_and_record(BusyToken token);
  void take_recorded_solution();
  // A practice position drawn from the library for strategy n; false when it has none.
  bool draw_practice_position(int n, State& drawn);
  // s becomes the puzzle in play for practising strategy n, unrated, its
  // solution recorded.
  void show_practice_position(int n, const State& s);
  // The engine searches beyond the standard strategies when the preference
  // asks for it or the practised strategy is one of them.
  void update_extended_search();
  // The practice build by the search, with its progress count and time limit.
  bool search_practice_puzzle(int n);
  void advance_entry_cursor();
  // A message box with the OK button.
  void message(const std::string& text, const std::string& caption, MessageIcon icon);

  SystemServices& my_services;
  ViewObserver& my_view;
  BusyManager my_busy;
  SolutionCounter my_counter;
  Strategy my_engine;
  Board my_board;

  bool my_puzzleValid = false;
  bool my_entering = false;
  bool my_autoSolving = false;
  Difficulty my_difficulty = Difficulty::NotRated;
  StrategiesUsed my_strategiesUsed;
  HintLevel my_lastHintLevel = HintLevel::Little;
  FileName my_fileName;

  int my_entryRow = 0;
  int my_entryColumn = 0;

  Statistics my_stats;
  bool my_clockRunning = false;
  std::string my_nextMoveText;

  // Creation, rating and practice.
  Random my_random;
  bool my_creating = false;
  int my_lastPractised = 0;
  bool my_extendedPreferred = false;
  int my_attemptLimit = 0;
  int my_attempts = 0;
  Drill my_drill{*this};
  int my_practiceSearchLimitMs = 120000;
  const PracticeLibrary* my_practiceLibrary = nullptr;
  bool my_practiceTimedOut = false;

  MemorySettings my_ownSettings;
  IniFile* my_settings = &my_ownSettings;
  GameListener* my_listener = nullptr;
  bool my_paused = false;
};

}  // namespace vantry
