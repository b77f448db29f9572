#include "game/game.h"

#include "classlib/contract.h"
#include "game/commands.h"
#include "game/find_mistake.h"
#include "strategy/difficulty.h"
#include "strategy/game_messages.h"
#include "game/recent_games.h"
#include "strategy/extended/extended_table.h"
#include "game/where_to_look.h"

namespace vantry {

Game::Game(SystemServices& services, ViewObserver& view)
    : my_services(services), my_view(view), my_busy(services), my_counter(my_busy), my_engine(my_busy) {
  my_engine.set_owner_window(this);
}

bool Game::run_command(int id) {
  if (my_drill.run_command(id)) return true;
  switch (id) {
    case kCmdEnterPuzzle: enter_puzzle(); return true;
    case kCmdOpen: open(); return true;
    case kCmdSave: save(); return true;
    case kCmdSaveAs: save_as(); return true;
    case kCmdImport: import_puzzle(); return true;
    case kCmdExport: export_puzzle(); return true;
    case kCmdCopy: copy(); return true;
    case kCmdPaste: paste(); return true;
    case kCmdUndo: undo(); return true;
    case kCmdRedo: redo(); return true;
    case kCmdUndoUntilOk: undo_until_ok(); return true;
    case kCmdStartOver: start_over(); return true;
    case kCmdCheckSolution: check_solution(); return true;
    case kCmdLittleHint: hint(HintLevel::Little); return true;
    case kCmdMediumHint: hint(HintLevel::Medium); return true;
    case kCmdBigHint: hint(HintLevel::Big); return true;
    case kCmdWhereToLook: where_to_look(*this); return true;
    case kCmdFindMistake: find_my_mistake(*this); return true;
    case kEntryDoneEntering:
    case kEntryStartOver:
    case kEntryCancel: entry_button(id); return true;
    // ---- Creating, rating and practice puzzles ----
    case kCmdCreateAgain: create_again(); return true;
    case kCmdPracticeAgain: practise_again(); return true;
    case kCmdRatePuzzle: rate_puzzle(); return true;
    case kCmdStrategiesUsed: show_strategies_used(); return true;
    default: break;
  }
  // 11907 and 11908 are menu commands of their own, so Superhuman is no
  // command: Sadistic with Shift asks for it.
  if (const Difficulty d = create_command_difficulty(id); is_menu_difficulty(d)) {
    create_new(d, my_services.shift_held());
    return true;
  }
  // The extended rows are practised from their help pages' links.
  if (id > kCmdPracticeBase && id <= kCmdPracticeBase + kLastExtendedRow) {
    practise(id - kCmdPracticeBase);
    return true;
  }
  if (is_recent_game_command(id)) {
    open_recent_game(*this, id);
    return true;
  }
  return false;
}

void Game::message(const std::string& text, const std::string& caption, MessageIcon icon) {
  my_services.message_box(text, caption, icon, MessageButtons::Ok);
}

void Game::set_difficulty(Difficulty d) {
  my_difficulty = d;
  update_title();
}

bool Game::activity_guard() {
  if (my_entering) {
    message(kFinishEnteringText, kProductName, MessageIcon::Exclamation);
    return false;
  }
  return !my_autoSolving && !my_busy.is_busy();
}

bool Game::puzzle_guard() {
  if (my_puzzleValid) return true;
  message(kNoPuzzleText, kProductName, MessageIcon::Exclamation);
  return false;
}

bool Game::save_prompt() {
  // Only a puzzle in play can be saved: a half-entered one has nothing to keep.
  if (!my_puzzleValid || my_entering || !my_board.needs_saving()) return true;
  switch (my_services.message_box("Do you want to save this game?", kProductName, MessageIcon::Question,
                                  MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
      // A save that was cancelled in its dialog or failed must not let the
      // game be thrown away.
      return save();
    case MessageAnswer::No: return true;
    default: return false;
  }
}

bool Game::new_game_step() {
  if (!save_prompt()) return false;
  my_drill.puzzle_replaced();
  my_board.reset();
  my_engine.set_practised(0);
  update_extended_search();
  my_paused = false;  // a new puzzle is not hidden behind the resume text
  if (my_listener) my_listener->highlighting_reset();
  my_view.clear_highlights();
  my_difficulty = Difficulty::NotRated;
  my_strategiesUsed.mark_stale();
  my_puzzleValid = false;
  set_file_name("", false);
  repaint();
  reset_statistics();
  return true;
}

bool Game::query_close() {
  my_services.kill_timer(kCreateAttemptTimer);
  return save_prompt();
}

std::string Game::window_title() const {
  std::string title = kProductName;
  title += ' ';
  if (!my_fileName.name.empty()) {
    title += my_fileName.name;
    title += ' ';
  }
  if (my_puzzleValid) {
    title += '(';
    title += difficulty_name(my_difficulty);
    title += ')';
  }
  return title;
}

void Game::update_title() { my_view.set_window_title(window_title()); }

void Game::set_file_name(const std::string& path, bool saved_game) {
  my_fileName.set_from_path(path, saved_game);
  update_title();
}

void Game::repaint() { my_view.repaint_grid(); }

void Game::pause_game() {
  if (my_busy.is_busy() || !puzzle_guard() || my_paused) return;
  my_paused = true;
  stop_clock();
  repaint();
}

void Game::resume_game() {
  if (!my_paused) return;
  my_paused = false;
  // A finished puzzle's clock stays where it stopped.
  if (!my_board.current().is_solved()) start_clock();
  repaint();
}

}  // namespace vantry
