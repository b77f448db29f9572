#include "strategy/move.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "classlib/contract.h"
#include "model/state.h"

namespace vantry {

void Move::chain_append(int r, int c) {
  VANTRY_ASSERT(my_chainLength < 81);
  my_chainRows[my_chainLength] = r;
  my_chainColumns[my_chainLength] = c;
  ++my_chainLength;
}

void Move::describe(int row, int template_id, std::string explanation, std::string detail) {
  VANTRY_ASSERT(row > 0);
  my_row = row;
  my_template = template_id;
  my_explanation = std::move(explanation);
  my_detail = std::move(detail);
}

void Move::apply_to(State& s) const {
  for (const Action& a : my_actions) {
    if (a.place) {
      s.set_answer(a.r, a.c, a.d);
    } else {
      s.delete_possibility(a.r, a.c, a.d);
    }
  }
}

void Move::mark_on(State& s) const {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (my_cellMarks[r][c] != 0) s.mark_cell(r, c, my_cellMarks[r][c]);
      for (int d = 1; d <= 9; ++d) {
        if (my_digitMarks[r][c][d] != 0) s.mark_digit(r, c, d, my_digitMarks[r][c][d]);
      }
    }
  }
  for (int i = 0; i < my_chainLength; ++i) s.append(my_chainRows[i], my_chainColumns[i], false);
}

bool Move::same_changes(const Move& other) const {
  const auto sorted = [](std::vector<Action> actions) {
    std::sort(actions.begin(), actions.end(), [](const Action& a, const Action& b) {
      return std::tie(a.place, a.r, a.c, a.d) < std::tie(b.place, b.r, b.c, b.d);
    });
    return actions;
  };
  return sorted(my_actions) == sorted(other.my_actions);
}

}  // namespace vantry
