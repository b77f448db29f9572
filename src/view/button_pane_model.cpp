// The button pane's lines and texts. The next move comes from the strategy
// engine in its name-only mode, the solution status from the solution
// counter; each runs as a busy phase the player can cancel.
#include "view/button_pane_model.h"

#include "classlib/contract.h"
#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "game/presented_game.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "view/color_mgr.h"
#include "view/grid_window.h"
#include "view/highlight.h"

namespace vantry {

namespace {
constexpr Colorref kStatusRed = rgb(240, 0, 0);
}  // namespace

ButtonPaneModel::ButtonPaneModel(PresentedGame& game, GridWindow& grid) : my_game(game), my_grid(grid) {}

void ButtonPaneModel::set_up() {
  IniFile& settings = my_game.settings();
  set_next_move_on(settings.read_integer(kButtonsNext) != 0);
  set_status_on(settings.read_integer(kButtonsOKSoFar) != 0);
}

void ButtonPaneModel::set_next_move_on(bool on) {
  my_nextOn = on;
  my_game.settings().write_integer(kButtonsNext, on ? 1 : 0);
  my_nextLine.clear();
  if (on) compute_next_move();
}

void ButtonPaneModel::set_status_on(bool on) {
  my_statusOn = on;
  my_game.settings().write_integer(kButtonsOKSoFar, on ? 1 : 0);
  my_status = StatusLine{};
  // A hidden status must not keep automatic solving stopped.
  my_grid.set_stop_solving(false);
  if (on) compute_status();
}

std::string ButtonPaneModel::idle_text() const {
  if (!my_game.puzzle_valid()) return "No puzzle yet";
  if (my_game.board().current().is_solved()) return "Solved!";
  return "";
}

void ButtonPaneModel::update_lines(bool recompute) {
  if (recompute) {
    if (my_nextOn) compute_next_move();
    if (my_statusOn) compute_status();
    return;
  }
  if (my_nextOn) my_nextLine = idle_text();
  if (my_statusOn) {
    my_status.text = idle_text();
    my_status.bold = false;
    my_status.color = my_grid.colors().get(kColorAnswerGiven);
    my_grid.set_stop_solving(false);
  }
}

void ButtonPaneModel::compute_next_move() {
  my_nextLine = idle_text();
  if (!my_nextLine.empty()) return;
  // The game's search leaves its answer (a strategy's name, "No hints
  // available" or "(cancelled)") in next_move_text and ends the busy phase.
  my_nextLine = "Looking for move...";
  my_game.name_next_move();
  my_nextLine = my_game.next_move_text();
}

void ButtonPaneModel::compute_status() {
  my_status.color = my_grid.colors().get(kColorAnswerGiven);
  my_status.bold = false;
  my_status.text = idle_text();
  if (my_status.text.empty()) {
    BusyManager& busy = my_game.busy();
    busy.start(kBusySolutionStatus);
    const int n = my_game.count_solutions();
    const bool cancelled = busy.cancel_pressed() || n < 0;
    busy.end(kBusySolutionStatus);
    my_status.bold = true;
    if (cancelled) {
      my_status.text = "(cancelled)";
    } else if (n == 0) {
      my_status.text = "NO SOLUTION!";
      my_status.color = kStatusRed;
    } else if (n == 1) {
      my_status.text = "OK";
    } else {
      my_status.text = "Multiple solutions!";
      my_status.color = kStatusRed;
    }
  }
  // Automatic naked singles go on only while a computed status is "OK"; no
  // puzzle or a solved one leaves nothing to stop.
  my_grid.set_stop_solving(my_status.bold && my_status.text[0] != 'O');
}

void ButtonPaneModel::pane_changed(PaneUpdate update) {
  switch (update) {
    case PaneUpdate::Counters: {
      // A clock tick or a counted hint leaves the lines alone; moves counted
      // without a new look clear them.
      const Statistics& now = my_game.statistics();
      if (now.moves_made != my_shown.moves_made || now.moves_undone != my_shown.moves_undone) {
        update_lines(false);
      }
      break;
    }
    case PaneUpdate::CountersAndLines: update_lines(true); break;
    case PaneUpdate::NextMoveText:
      if (my_nextOn) my_nextLine = my_game.next_move_text();
      break;
    case PaneUpdate::Reset:
      my_nextLine.clear();
      my_status = StatusLine{};
      update_lines(false);
      break;
    case PaneUpdate::Highlight: break;
  }
  my_shown = my_game.statistics();
}

std::string ButtonPaneModel::score_text(ScoreField field) const {
  const Statistics& s = my_game.statistics();
  switch (field) {
    case ScoreField::ElapsedTime: return clock_text(s.seconds);
    case ScoreField::MovesMade: return std::to_string(s.moves_made);
    case ScoreField::MovesUndone: return std::to_string(s.moves_undone);
    case ScoreField::LittleHints: return std::to_string(s.little_hints);
    case ScoreField::MediumHints: return std::to_string(s.medium_hints);
    case ScoreField::BigHints: return std::to_string(s.big_hints);
  }
  return "";
}

bool ButtonPaneModel::digit_enabled(int d) const {
  VANTRY_ASSERT(d >= 1 && d <= 9);
  return my_grid.digit_available(d);
}

bool ButtonPaneModel::digit_pressed(int d) const {
  VANTRY_ASSERT(d >= 1 && d <= 9);
  return my_grid.highlight().digits[d];
}

bool ButtonPaneModel::rules_enabled() const { return my_grid.highlight().mode == kCmdModePossibilities; }

}  // namespace vantry
