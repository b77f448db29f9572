// What the button pane beside the grid shows, without any widgets: the
// next-move and solution-status lines with their check-box settings, the score
// texts and the state of the highlight buttons. The Qt pane draws from here.
#pragma once

#include <string>

#include "classlib/canvas.h"
#include "classlib/view_observer.h"
#include "game/statistics.h"

namespace vantry {

class PresentedGame;
class GridWindow;

// The solution-status line: its text, whether it is bold (a computed
// status) and its colour.
struct StatusLine {
  std::string text;
  bool bold = false;
  Colorref color = 0;
};

// The six values of the score, top to bottom.
enum class ScoreField { ElapsedTime, MovesMade, MovesUndone, LittleHints, MediumHints, BigHints };

class ButtonPaneModel {
 public:
  ButtonPaneModel(PresentedGame& game, GridWindow& grid);
  ButtonPaneModel(const ButtonPaneModel&) = delete;
  ButtonPaneModel& operator=(const ButtonPaneModel&) = delete;

  // The two check boxes start from the settings and are applied as if clicked.
  void set_up();

  // ---- "Next move:" and "Solution status:" ----
  bool next_move_on() const { return my_nextOn; }
  bool status_on() const { return my_statusOn; }
  // A click on a check box: the setting is stored and, when on, the line
  // worked out at once.
  void set_next_move_on(bool on);
  void set_status_on(bool on);
  // "Check Solution" stands in for the status line while that is hidden.
  bool check_solution_shown() const { return !my_statusOn; }
  const std::string& next_move_line() const { return my_nextLine; }
  const StatusLine& status_line() const { return my_status; }
  // "Find Mistake" is offered while the status line says the puzzle has
  // no solution.
  bool find_mistake_offered() const { return my_statusOn && my_status.text == "NO SOLUTION!"; }

  // The lines worked out again (a search each), or only "No puzzle yet",
  // "Solved!" or nothing.
  void update_lines(bool recompute);

  // The game's notification; true when the lines or counters may have changed.
  void pane_changed(PaneUpdate update);

  // ---- Score ----
  std::string score_text(ScoreField field) const;

  // ---- Highlight buttons and radio buttons ----
  bool digit_enabled(int d) const;
  bool digit_pressed(int d) const;
  // The rule radio buttons apply to mode Possibilities only.
  bool rules_enabled() const;

 private:
  // "No puzzle yet", "Solved!", or empty while a puzzle is in play.
  std::string idle_text() const;
  void compute_next_move();
  void compute_status();

  PresentedGame& my_game;
  GridWindow& my_grid;
  Statistics my_shown;  // the counters as last shown
  bool my_nextOn = false;
  bool my_statusOn = false;
  std::string my_nextLine;
  StatusLine my_status;
};

}  // namespace vantry
