#include "game/puzzle_text.h"

#include <istream>

#include "model/state.h"

namespace vantry {

bool parse_import(std::istream& in, State& s) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      char ch = 0;
      if (!(in >> ch)) return false;
      if (ch >= '1' && ch <= '9') s.set_answer_and_solution(r, c, ch - '0');
    }
  }
  return true;
}

bool parse_paste(std::string_view text, State& s) {
  int cell = 0;
  for (const char ch : text) {
    if (cell == 81) break;
    if (ch >= '1' && ch <= '9') {
      s.set_answer(cell / 9, cell % 9, ch - '0');
    } else if (ch != '0' && ch != '.') {
      continue;
    }
    ++cell;
  }
  return cell == 81;
}

std::string grid_text(const State& s, std::string_view line_end) {
  std::string text;
  text.reserve(9 * (9 + line_end.size()));
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) text += static_cast<char>('0' + s.cell(r, c).answer);
    text += line_end;
  }
  return text;
}

}  // namespace vantry
