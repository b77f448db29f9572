// What a hint needs from the game in progress: the facts its guards test, the
// Board it works on, the statistics it adds to, and the screen it repaints.
// The game object implements this; the engine holds it as its owner window.
#pragma once

#include <string>

#include "strategy/hint_level.h"

namespace vantry {

class Board;

class HintHost {
 public:
  virtual ~HintHost() = default;

  // The guards' facts: a puzzle is being entered (or an imported one checked),
  // naked singles are being filled in automatically, a puzzle is loaded.
  virtual bool entering() const = 0;
  virtual bool auto_solving() const = 0;
  virtual bool puzzle_valid() const = 0;

  // The history whose current State is the puzzle on display.
  virtual Board& board() = 0;

  // The hint command that ran last; the button pane's next-move display sets
  // Little.
  virtual HintLevel last_hint_level() const = 0;
  virtual void set_last_hint_level(HintLevel level) = 0;

  // Statistics: one hint given at a level; moves made (delta > 0) or undone
  // (delta < 0). With recompute, the pane's next-move and solution-status
  // lines are worked out again.
  virtual void count_hint(HintLevel level) = 0;
  virtual void count_moves(int delta, bool recompute) = 0;

  // Redraws the whole grid.
  virtual void repaint() = 0;
  // The button pane's next-move line.
  virtual void set_next_move_text(const std::string& text) = 0;
};

}  // namespace vantry
