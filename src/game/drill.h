// Drills: a series of practice positions for one strategy, in each of which
// the player makes the strategy's move on the grid and then asks to have it
// checked. The check compares what the player did since the position was
// shown with the move the engine makes there, shows that move with its Big
// hint marks and explanation, and goes on; the last check ends with a
// summary, and the best drill of each strategy is kept in the settings.
#pragma once

#include <string>
#include <vector>

#include "classlib/drill_report.h"
#include "model/state.h"

namespace vantry {

class Game;
class IniFile;
class Move;

// How far the player's changes agree with a move: the move's removals and
// placements the player made (found) or did not make (missed), and the
// removals and placements the player made that the move does not (wrong).
struct DrillCount {
  int found = 0;
  int missed = 0;
  int wrong = 0;
  bool operator==(const DrillCount&) const = default;
};

// Compares played with shown, the position as it was put before the player.
// A removal is the player's when the possibility was deleted (not taken by a
// placement in a peer); a placement is an answer in a cell that had none.
DrillCount score_drill_move(const State& shown, const State& played, const Move& move);

// The part of the changes found, in whole percent (0 when there were none).
int drill_score(const DrillCount& total);

// The best drill of a strategy so far; score -1 when there has been none.
struct DrillBest {
  int score = -1;
  int seconds = 0;  // per position
  // Higher score wins; at equal scores the quicker drill.
  bool beaten_by(int other_score, int other_seconds) const {
    return other_score > score || (other_score == score && other_seconds < seconds);
  }
};
// Read and written under the strategy's table number; a value that cannot be
// a result (out of range, not a number) reads as no result.
DrillBest read_drill_best(IniFile& settings, int n);
void write_drill_best(IniFile& settings, int n, const DrillBest& best);
// The positions in one drill, from the settings.
int drill_length(IniFile& settings);

// The summary of a drill, with the best before it; new_best when this drill
// replaced it.
DrillReport make_drill_report(int n, const std::vector<DrillCount>& counts, const std::vector<int>& seconds,
                              const DrillBest& before, bool new_best);

// The drill in progress, owned by the game.
class Drill {
 public:
  explicit Drill(Game& game) : my_game(game) {}
  Drill(const Drill&) = delete;
  Drill& operator=(const Drill&) = delete;

  // The drill commands (12000-12002); false for any other id.
  bool run_command(int id);
  // Start a drill of strategy n (a table number).
  void start(int n);
  // Compare the player's move with the strategy's, show it, and go on.
  void check_move();
  // Stops the drill; with the positions checked so far summed up when
  // show_summary and there are any. A drill stopped early keeps no best.
  void end(bool show_summary);
  // A new game replaced the drill's position (a puzzle opened, pasted,
  // created...): the drill stops without a word.
  void puzzle_replaced();

  bool running() const { return my_strategy != 0; }
  int strategy() const { return my_strategy; }
  // The position on display, 1-based, and the drill's length.
  int position() const { return static_cast<int>(my_counts.size()) + 1; }
  int length() const { return my_length; }
  // "3 of 10" while a drill runs, else empty.
  std::string progress_text() const;
  // The id a drill menu item carries now (a greyed one when it has no use).
  int menu_item_id(int id) const;

 private:
  // Builds the next position, then remembers it as shown; false when the
  // player cancelled, which stops the drill.
  bool next_position();
  void finish();
  void changed();

  Game& my_game;
  int my_strategy = 0;
  int my_length = 0;
  bool my_advancing = false;
  State my_shown;
  std::vector<DrillCount> my_counts;
  std::vector<int> my_seconds;
};

}  // namespace vantry
