#include "strategy/move_notation.h"

#include "model/cell.h"
#include "model/state.h"

namespace vantry {

namespace {

void append_action(std::string& text, int r, int c, const char* op, int d) {
  if (!text.empty()) text += ' ';
  text += 'r';
  text += std::to_string(r + 1);
  text += 'c';
  text += std::to_string(c + 1);
  text += op;
  text += std::to_string(d);
}

}  // namespace

std::string describe_changes(const State& before, const State& after) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int d = after.cell(r, c).answer;
      if (before.cell(r, c).answer == 0 && d != 0) append_action(text, r, c, "=", d);
    }
  }
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& was = before.cell(r, c);
      const Cell& is = after.cell(r, c);
      if (is.answer != 0) continue;
      for (int d = 1; d <= 9; ++d) {
        if (was.possible[d] && !is.possible[d] && is.deleted[d]) append_action(text, r, c, "<>", d);
      }
    }
  }
  return text;
}

std::string describe_marks(const State& s) {
  std::string text;
  for (int pass = 0; pass < 2; ++pass) {
    const int mark = pass == 0 ? kMarkAnswer : kMarkRemove;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        for (int d = 1; d <= 9; ++d) {
          if (s.cell(r, c).digitMark[d] == mark) append_action(text, r, c, pass == 0 ? "=" : "<>", d);
        }
      }
    }
  }
  return text;
}

std::string describe_marked_cells(const State& s) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (s.cell(r, c).cellMark == 0) continue;
      if (!text.empty()) text += ' ';
      text += 'r' + std::to_string(r + 1) + 'c' + std::to_string(c + 1);
    }
  }
  return text;
}

std::string grid_text(const State& s) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int d = s.cell(r, c).answer;
      text += d == 0 ? '.' : static_cast<char>('0' + d);
    }
  }
  return text;
}

}  // namespace vantry
