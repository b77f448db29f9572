#include "strategy/extended/grid_bits.h"

#include <bit>

#include "model/list.h"
#include "strategy/move.h"

namespace vantry {

namespace {

struct Tables {
  int cells[kUnits][9];
  CellBits units[kUnits];
  CellBits peers[81];

  Tables() {
    for (int k = 0; k < 9; ++k) {
      for (int p = 0; p < 9; ++p) {
        cells[k][p] = cell_index(k, p);
        cells[9 + k][p] = cell_index(p, k);
        cells[18 + k][p] = cell_index(k / 3 * 3 + p / 3, k % 3 * 3 + p % 3);
      }
    }
    for (int u = 0; u < kUnits; ++u) {
      for (int p = 0; p < 9; ++p) units[u].set(cells[u][p]);
    }
    for (int i = 0; i < 81; ++i) {
      peers[i] = units[row_of_cell(i)] | units[9 + column_of_cell(i)] | units[18 + box_of_cell(i)];
      peers[i].reset(i);
    }
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

}  // namespace

int unit_cell(int u, int k) { return tables().cells[u][k]; }
const CellBits& unit_bits(int u) { return tables().units[u]; }
const CellBits& peer_bits(int i) { return tables().peers[i]; }

CellBits common_peers(const CellBits& cells) {
  CellBits out;
  out.set();
  for (int i = 0; i < 81; ++i) {
    if (cells.test(i)) out &= peer_bits(i);
  }
  return out;
}

Text& unit_name(Text& text, int u) {
  static constexpr std::string_view kWords[] = {"row", "column", "box"};
  return text.unit(kWords[u / 9], u % 9);
}

GridBits::GridBits(const State& s) {
  for (int i = 0; i < 81; ++i) {
    const Cell& cell = s.cell(row_of_cell(i), column_of_cell(i));
    mask[i] = 0;
    for (int d = 1; d <= 9; ++d) {
      if (cell.is_possible(d)) {
        mask[i] |= 1u << (d - 1);
        holds[d].set(i);
      }
    }
  }
}

int digit_count(unsigned mask) { return std::popcount(mask); }
int first_digit(unsigned mask) { return std::countr_zero(mask) + 1; }

CellSet to_cellset(const CellBits& cells) {
  CellSet out;
  for (int i = 0; i < 81; ++i) {
    if (cells.test(i)) out.add(row_of_cell(i), column_of_cell(i));
  }
  return out;
}

std::string node_cells_name(const CellBits& cells) {
  std::string rows, columns;
  for (int i = 0; i < 81; ++i) {
    if (!cells.test(i)) continue;
    const char r = static_cast<char>('1' + row_of_cell(i)), c = static_cast<char>('1' + column_of_cell(i));
    if (rows.find(r) == std::string::npos) rows += r;
    if (columns.find(c) == std::string::npos) columns += c;
  }
  std::string out = "r";
  out += rows;
  out += 'c';
  out += columns;
  return out;
}

std::string digits_phrase(unsigned mask) {
  List digits;
  for (int d = 1; d <= 9; ++d) {
    if (mask >> (d - 1) & 1u) digits.add(d);
  }
  Text t;
  t.add(digits.count() == 1 ? "the value " : "the values ").digit_list(digits, "and");
  return t.str();
}

Text& removal_list(Text& text, const CellBits by_digit[10]) {
  bool first = true;
  for (int d = 1; d <= 9; ++d) {
    if (by_digit[d].none()) continue;
    if (!first) text.add("; ");
    first = false;
    text.number(d).add(by_digit[d].count() > 1 ? " from cells " : " from cell ");
    text.cell_list(to_cellset(by_digit[d]), "and");
  }
  return text;
}

unsigned remove_all(Move& move, const CellBits by_digit[10]) {
  unsigned digits = 0;
  for (int d = 1; d <= 9; ++d) {
    for (int i = 0; i < 81; ++i) {
      if (!by_digit[d].test(i)) continue;
      move.remove(row_of_cell(i), column_of_cell(i), d);
      move.mark_digit(row_of_cell(i), column_of_cell(i), d, kMarkRemove);
      digits |= 1u << (d - 1);
    }
  }
  return digits;
}

}  // namespace vantry
