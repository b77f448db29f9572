// The history of play: a line of State snapshots, oldest first, with the one
// on display marked current. Every change pushes a copy of the current State
// and changes the copy, so undo and redo only move along the line. Pushing
// after an undo discards the undone States; there is no limit on length.
#pragma once

#include <iosfwd>
#include <memory>
#include <vector>

#include "classlib/contract.h"
#include "model/state.h"

namespace vantry {

class Board {
 public:
  Board() { reset(); }

  State& current() { return *my_states[my_current]; }
  const State& current() const { return *my_states[my_current]; }
  int size() const { return static_cast<int>(my_states.size()); }
  int current_index() const { return static_cast<int>(my_current); }
  // The State at index i of the history, 0 the oldest.
  const State& at(int i) const {
    VANTRY_ASSERT(i >= 0 && i < size());
    return *my_states[static_cast<std::size_t>(i)];
  }

  // A new game: one fresh State, nothing to save.
  void reset();
  // Drops the redo list, appends a copy of current and makes it current.
  void push();
  // Current becomes the only State.
  void forget_history();
  void drop_redo();
  bool undo();
  bool redo();
  bool is_at_newest() const { return my_current + 1 == my_states.size(); }

  // A solved puzzle never needs saving.
  bool needs_saving() const { return !current().is_solved() && my_modified; }
  bool modified() const { return my_modified; }
  void set_modified(bool flag) { my_modified = flag; }
  void clear_modified() { my_modified = false; }

  // The States from the oldest to current, each followed by a line holding -1
  // except the last, which is followed by the trailer.
  void write(std::ostream& out, int trailer) const;
  // Reads States while the number after one is -1 and returns the first other
  // number (the trailer). The modified flag is left as it was. A damaged
  // stream is left failed; the caller tests it.
  int read(std::istream& in);

 private:
  std::vector<std::unique_ptr<State>> my_states;
  std::size_t my_current = 0;
  bool my_modified = false;
};

}  // namespace vantry
