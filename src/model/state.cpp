#include "model/state.h"

#include <istream>
#include <ostream>

#include "classlib/contract.h"

namespace vantry {

State::State() { build_units(); }

State::State(const State& other) {
  build_units();
  *this = other;
}

State& State::operator=(const State& other) {
  if (this == &other) return *this;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) cells[r][c] = other.cells[r][c];
  }
  // A hint's chain belongs to the hint on display, not to the position.
  if (other.chainIsUser) {
    my_chainLength = other.my_chainLength;
    for (int i = 0; i < my_chainLength; ++i) {
      my_chainRows[i] = other.my_chainRows[i];
      my_chainColumns[i] = other.my_chainColumns[i];
    }
    chainIsUser = true;
  } else {
    my_chainLength = 0;
    chainIsUser = false;
  }
  solutionCount = -1;
  return *this;
}

void State::build_units() {
  for (int i = 0; i < 9; ++i) {
    for (int p = 0; p < 9; ++p) {
      rows[i].set(p, &cells[i][p]);
      columns[i].set(p, &cells[p][i]);
      boxes[i].set(p, &cells[row_of(i, p)][column_of(i, p)]);
    }
  }
}

Unit& State::unit(UnitKind kind, int index) {
  return const_cast<Unit&>(static_cast<const State*>(this)->unit(kind, index));
}

const Unit& State::unit(UnitKind kind, int index) const {
  VANTRY_ASSERT(index >= 0 && index < 9);
  switch (kind) {
    case UnitKind::Box: return boxes[index];
    case UnitKind::Row: return rows[index];
    case UnitKind::Column: break;
  }
  return columns[index];
}

bool State::is_solved() const {
  for (const auto& line : cells) {
    for (const Cell& c : line) {
      if (c.answer == 0) return false;
    }
  }
  return true;
}

void State::set_answer(int r, int c, int d) {
  solutionCount = -1;
  cells[r][c].answer = d;
  cells[r][c].cellMark = 0;
  rows[r].remove_digit_everywhere(d, false);
  columns[c].remove_digit_everywhere(d, false);
  boxes[box_of(r, c)].remove_digit_everywhere(d, false);
}

namespace {

// Whether d is an answer anywhere in the row, column or box of (r, c), the
// cell itself left out.
bool answered_in_peers(const State& s, int r, int c, int d) {
  for (int i = 0; i < 9; ++i) {
    if (i != c && s.cell(r, i).answer == d) return true;
    if (i != r && s.cell(i, c).answer == d) return true;
    const int br = r / 3 * 3 + i / 3, bc = c / 3 * 3 + i % 3;
    if ((br != r || bc != c) && s.cell(br, bc).answer == d) return true;
  }
  return false;
}

}  // namespace

void State::take_back_answer(int r, int c) {
  Cell& cell = cells[r][c];
  const int d = cell.answer;
  cell.answer = 0;
  for (int e = 1; e <= 9; ++e) {
    cell.possible[e] = e == d || (!cell.deleted[e] && !answered_in_peers(*this, r, c, e));
    if (e == d) cell.deleted[e] = false;
  }
  // Placing d took it out of every peer (answered ones included, whose flags
  // matter again only if they are emptied in turn).
  for (int i = 0; i < 9; ++i) {
    const int peers[3][2] = {{r, i}, {i, c}, {r / 3 * 3 + i / 3, c / 3 * 3 + i % 3}};
    for (const auto& p : peers) {
      Cell& peer = cells[p[0]][p[1]];
      if ((p[0] == r && p[1] == c) || peer.deleted[d]) continue;
      if (!answered_in_peers(*this, p[0], p[1], d)) peer.possible[d] = true;
    }
  }
  solutionCount = -1;
}

void State::set_answer_and_solution(int r, int c, int d) {
  set_answer(r, c, d);
  cells[r][c].solution = d;
}

void State::delete_possibility(int r, int c, int d) {
  if (!cells[r][c].is_possible(d)) return;
  rows[r].delete_possibility(c, d);
  solutionCount = -1;
}

void State::restore_possibility(int r, int c, int d) {
  Cell& cell = cells[r][c];
  VANTRY_ASSERT(cell.answer == 0 && cell.deleted[d]);
  cell.possible[d] = true;
  cell.deleted[d] = false;
  cell.digitMark[d] = 0;
  solutionCount = -1;
}

void State::mark_givens() {
  for (auto& line : cells) {
    for (Cell& c : line) c.mark_given_if_answered();
  }
}

void State::reset_all_cells() {
  solutionCount = -1;
  for (auto& line : cells) {
    for (Cell& c : line) c.reset();
  }
}

void State::reset_cell(int r, int c) {
  solutionCount = -1;
  cells[r][c].reset();
}

void State::recompute_possibilities() {
  solutionCount = -1;
  for (auto& line : cells) {
    for (Cell& c : line) c.restore_possibilities();
  }
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (cells[r][c].answer != 0) set_answer(r, c, cells[r][c].answer);
    }
  }
}

void State::clear_marks(bool keepActionMarks, bool clearChain) {
  for (auto& line : cells) {
    for (Cell& c : line) c.clear_marks(keepActionMarks);
  }
  if (clearChain) my_chainLength = 0;
}

void State::remove_possibility(int r, int c, int d) {
  Cell& cell = cells[r][c];
  cell.possible[d] = false;
  cell.deleted[d] = true;
  cell.digitMark[d] = 0;
  solutionCount = -1;
}

void State::apply_eliminations() {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      for (int d = 1; d <= 9; ++d) {
        if (cells[r][c].digitMark[d] == kMarkRemove) {
          remove_possibility(r, c, d);
          break;
        }
      }
    }
  }
}

int State::apply_hint() {
  int moves = 0;
  bool placements = false;
  // Pass 1: removals, so that a placement never meets a possibility the same
  // hint was about to remove.
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      for (int d = 1; d <= 9; ++d) {
        int& mark = cells[r][c].digitMark[d];
        if (mark == kMarkRemove) {
          remove_possibility(r, c, d);
          ++moves;
        } else if (mark == kMarkAnswer) {
          placements = true;
        } else {
          mark = 0;
        }
      }
    }
  }
  // Pass 2: placements. A placement clears its digit's marks in the three
  // units, so a later 9 of the same digit there is no longer seen.
  if (placements) {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        for (int d = 1; d <= 9; ++d) {
          if (cells[r][c].digitMark[d] == kMarkAnswer) {
            set_answer(r, c, d);
            ++moves;
          }
        }
      }
    }
  }
  clear_marks(true, true);
  return moves;
}

bool State::chain_contains(int r, int c) const {
  for (int i = 0; i < my_chainLength; ++i) {
    if (my_chainRows[i] == r && my_chainColumns[i] == c) return true;
  }
  return false;
}

void State::append(int r, int c, bool isUser) {
  VANTRY_ASSERT(my_chainLength < 81);
  chainIsUser = isUser;
  my_chainRows[my_chainLength] = r;
  my_chainColumns[my_chainLength] = c;
  ++my_chainLength;
}

void State::prepend(int r, int c, bool isUser) {
  VANTRY_ASSERT(my_chainLength < 81);
  chainIsUser = isUser;
  for (int i = my_chainLength; i > 0; --i) {
    my_chainRows[i] = my_chainRows[i - 1];
    my_chainColumns[i] = my_chainColumns[i - 1];
  }
  my_chainRows[0] = r;
  my_chainColumns[0] = c;
  ++my_chainLength;
}

void State::shorten_chain() {
  clear_marks(false, false);
  if (my_chainLength <= 2) {
    my_chainLength = 0;
  } else {
    --my_chainLength;
  }
}

void State::remove_last() { shorten_chain(); }

void State::remove_first() { remove_at(0); }

void State::remove_at(int i) {
  const int before = my_chainLength;
  shorten_chain();
  if (my_chainLength == 0) return;
  for (int j = i + 1; j < before; ++j) {
    my_chainRows[j - 1] = my_chainRows[j];
    my_chainColumns[j - 1] = my_chainColumns[j];
  }
}

void State::write(std::ostream& out) const {
  for (const auto& line : cells) {
    for (const Cell& c : line) c.write(out);
  }
}

void State::read(std::istream& in) {
  reset_all_cells();
  for (auto& line : cells) {
    for (Cell& c : line) {
      if (in) c.read(in);
    }
  }
}

}  // namespace vantry
