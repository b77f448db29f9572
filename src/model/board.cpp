#include "model/board.h"

#include <istream>
#include <ostream>

namespace vantry {

void Board::reset() {
  my_states.clear();
  my_states.push_back(std::make_unique<State>());
  my_current = 0;
  my_modified = false;
}

void Board::push() {
  drop_redo();
  my_states.push_back(std::make_unique<State>(current()));
  my_current = my_states.size() - 1;
  my_modified = true;
}

void Board::forget_history() {
  std::unique_ptr<State> kept = std::move(my_states[my_current]);
  my_states.clear();
  my_states.push_back(std::move(kept));
  my_current = 0;
  my_modified = true;
}

void Board::drop_redo() { my_states.resize(my_current + 1); }

bool Board::undo() {
  if (my_current == 0) return false;
  --my_current;
  return true;
}

bool Board::redo() {
  if (is_at_newest()) return false;
  ++my_current;
  return true;
}

void Board::write(std::ostream& out, int trailer) const {
  for (std::size_t i = 0; i <= my_current; ++i) {
    my_states[i]->write(out);
    out << (i < my_current ? -1 : trailer) << '\n';
  }
}

int Board::read(std::istream& in) {
  // A history is read as it was played: each State after the first starts
  // as a copy of the one before, exactly as a push makes it.
  current().read(in);
  int next = 0;
  while (in >> next && next == -1) {
    drop_redo();
    my_states.push_back(std::make_unique<State>(current()));
    my_current = my_states.size() - 1;
    current().read(in);
  }
  return in ? next : 0;
}

}  // namespace vantry
