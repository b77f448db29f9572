#include "model/reference_counter.h"

#include <algorithm>

namespace vantry {

namespace {

// The answered cells clash when one digit stands twice in a row, column or
// box. Such a grid has no solution, however its empty cells are filled.
bool answers_clash(const CountInput& in) {
  for (int i = 0; i < 81; ++i) {
    const int d = in.answer[i];
    if (d == 0) continue;
    const int r = i / 9, c = i % 9;
    for (int j = i + 1; j < 81; ++j) {
      if (in.answer[j] != d) continue;
      const int r2 = j / 9, c2 = j % 9;
      if (r == r2 || c == c2 || (r / 3 == r2 / 3 && c / 3 == c2 / 3)) return true;
    }
  }
  return false;
}

struct Search {
  const CountInput& in;
  char* solution;
  SearchPoll* poll;
  int grid[9][9] = {};
  int band_start[3] = {};
  int count = 0;
  bool stopped = false;

  int state_row(int working_row) const { return band_start[working_row / 3] + working_row % 3; }

  bool fits(int r, int c, int d) const {
    for (int i = 0; i < 9; ++i) {
      if (grid[r][i] == d || grid[i][c] == d) return false;
    }
    const int r0 = r / 3 * 3, c0 = c / 3 * 3;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        if (grid[r0 + i][c0 + j] == d) return false;
      }
    }
    return true;
  }

  void record() {
    ++count;
    if (!solution) return;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) solution[state_row(r) * 9 + c] = static_cast<char>('0' + grid[r][c]);
    }
  }

  void run(int r, int c) {
    // Step 1: the next empty cell in row-major order, or a complete grid.
    while (r < 9 && grid[r][c] != 0) {
      if (++c == 9) c = 0, ++r;
    }
    if (r == 9) {
      record();
      return;
    }
    // Step 2: every digit the State allows that the working grid takes.
    const int i = state_row(r) * 9 + c;
    for (int d = 1; d <= 9; ++d) {
      if (in.answer[i] != 0 || !(in.candidates[i] & (1u << (d - 1)))) continue;
      if (!fits(r, c, d)) continue;
      grid[r][c] = d;
      run(c == 8 ? r + 1 : r, c == 8 ? 0 : c + 1);
      if (stopped) return;
      if (poll && poll->should_stop()) {
        stopped = true;
        return;
      }
      if (count > 1) return;
      grid[r][c] = 0;
    }
  }
};

// Bands compare by their rows' answer counts, first rows first; the larger
// count at the first difference wins, and equal bands keep their order.
bool fuller(const int* rows_a, const int* rows_b) {
  for (int i = 0; i < 3; ++i) {
    if (rows_a[i] != rows_b[i]) return rows_a[i] > rows_b[i];
  }
  return false;
}

}  // namespace

int reference_count(const CountInput& in, char* solution, SearchPoll* poll) {
  if (answers_clash(in)) return 0;

  // The fullest band goes first so the search meets the tightest rows early.
  int row_count[9] = {};
  for (int i = 0; i < 81; ++i) row_count[i / 9] += in.answer[i] != 0;
  int first = fuller(&row_count[3], &row_count[0]) ? 3 : 0;
  if (fuller(&row_count[6], &row_count[first])) first = 6;
  int rest[2], n = 0;
  for (int b : {0, 3, 6}) {
    if (b != first) rest[n++] = b;
  }
  if (fuller(&row_count[rest[1]], &row_count[rest[0]])) std::swap(rest[0], rest[1]);

  Search search{in, solution, poll};
  search.band_start[0] = first;
  search.band_start[1] = rest[0];
  search.band_start[2] = rest[1];
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) search.grid[r][c] = in.answer[search.state_row(r) * 9 + c];
  }
  search.run(0, 0);
  if (search.stopped) return kCountStopped;
  return std::min(search.count, 2);
}

}  // namespace vantry
