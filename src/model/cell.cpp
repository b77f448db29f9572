#include "model/cell.h"

#include <istream>
#include <ostream>

namespace vantry {

void Cell::reset() {
  answer = solution = 0;
  given = false;
  color = 0;
  cellMark = 0;
  possible[0] = deleted[0] = false;
  digitMark[0] = 0;
  for (int d = 1; d <= 9; ++d) {
    possible[d] = true;
    deleted[d] = false;
    digitMark[d] = 0;
  }
}

void Cell::restore_possibilities() {
  for (int d = 1; d <= 9; ++d) {
    possible[d] = true;
    deleted[d] = false;
  }
}

int Cell::list_possibilities(int* out) const {
  if (answer != 0) return 0;
  int n = 0;
  for (int d = 1; d <= 9; ++d) {
    if (!possible[d]) continue;
    if (out) out[n] = d;
    ++n;
  }
  return n;
}

void Cell::clear_marks(bool keepActionMarks) {
  cellMark = 0;
  for (int d = 1; d <= 9; ++d) {
    if (!keepActionMarks || digitMark[d] > kMarkAnswer) digitMark[d] = 0;
  }
}

void Cell::write(std::ostream& out) const {
  out << solution << ' ' << answer << ' ';
  for (int d = 1; d <= 9; ++d) out << (possible[d] ? 1 : 0) << ' ';
  out << "| " << (given ? 1 : 0) << ' ';
  for (int d = 1; d <= 9; ++d) out << (deleted[d] ? 1 : 0) << ' ';
  out << '\n';
}

namespace {

// Reads one integer in [low, high]; anything else fails the stream, so a
// damaged file is refused instead of leaving an impossible cell behind.
int read_in_range(std::istream& in, int low, int high) {
  int value = 0;
  if (in >> value && (value < low || value > high)) in.setstate(std::ios::failbit);
  return in ? value : 0;
}

}  // namespace

void Cell::read(std::istream& in) {
  solution = read_in_range(in, 0, 9);
  answer = read_in_range(in, 0, 9);
  for (int d = 1; d <= 9; ++d) possible[d] = read_in_range(in, 0, 1) != 0;
  if (!in) return;
  if (!(in >> std::ws).eof() && in.peek() == '|') {
    in.get();
    given = read_in_range(in, 0, 1) != 0;
    for (int d = 1; d <= 9; ++d) deleted[d] = read_in_range(in, 0, 1) != 0;
  } else {
    // The older form: every answer was a given and nothing was deleted.
    given = answer != 0;
    for (int d = 1; d <= 9; ++d) deleted[d] = false;
  }
}

}  // namespace vantry
