#include "case_text.h"

#include <sstream>

namespace vantry::finder_cases {

std::string cell_name(int r, int c) {
  std::string name = "r";
  name += static_cast<char>('1' + r);
  name += 'c';
  name += static_cast<char>('1' + c);
  return name;
}

std::string escape(const std::string& text) {
  std::string out;
  for (char ch : text) out += ch == '\n' ? std::string("\\n") : std::string(1, ch);
  return out;
}

std::string describe(const Move& move) {
  std::ostringstream out;
  out << "row " << move.row() << "\nchanges";
  for (const Move::Action& a : move.actions()) out << ' ' << cell_name(a.r, a.c) << (a.place ? '=' : '-') << a.d;
  out << "\ncells";
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (move.cell_mark(r, c) != 0) out << ' ' << cell_name(r, c) << ':' << move.cell_mark(r, c);
    }
  }
  out << "\ndigits";
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      for (int d = 1; d <= 9; ++d) {
        if (move.digit_mark(r, c, d) != 0) out << ' ' << cell_name(r, c) << '.' << d << ':' << move.digit_mark(r, c, d);
      }
    }
  }
  out << "\nchain";
  for (int i = 0; i < move.chain_length(); ++i) out << ' ' << cell_name(move.chain_row(i), move.chain_column(i));
  out << "\ntemplate " << move.template_id() << "\ndetail " << move.detail() << "\ntext " << escape(move.explanation())
      << '\n';
  return out.str();
}

std::string grid_lines(const State& s) {
  std::ostringstream out;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      if (c > 0) out << ' ';
      if (cell.answer != 0) {
        out << (cell.given ? '=' : '+') << cell.answer;
        continue;
      }
      int digits[9];
      const int n = cell.list_possibilities(digits);
      if (n == 0) out << '-';
      for (int k = 0; k < n; ++k) out << digits[k];
    }
    out << '\n';
  }
  return out.str();
}

}  // namespace vantry::finder_cases
