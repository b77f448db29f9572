// The position as bit sets for the pattern finders: which cells hold each
// digit, each cell's possibilities as a mask, and constant tables of units
// and peers. Cells are numbered 0-80 row-major; units 0-8 are the rows, 9-17
// the columns and 18-26 the boxes. The finders combine whole sets of cells
// with one instruction instead of walking the grid.
#pragma once

#include <bitset>
#include <string>

#include "model/cellset.h"
#include "model/state.h"
#include "strategy/text_builder.h"

namespace vantry {

using CellBits = std::bitset<81>;

inline constexpr int kUnits = 27;

constexpr int cell_index(int r, int c) { return r * 9 + c; }
constexpr int row_of_cell(int i) { return i / 9; }
constexpr int column_of_cell(int i) { return i % 9; }
constexpr int box_of_cell(int i) { return i / 27 * 3 + i % 9 / 3; }

// The nine cells of unit u in the order of the unit (reading order in a box).
int unit_cell(int u, int k);
const CellBits& unit_bits(int u);
// The cells that share a unit with cell i, i itself excluded.
const CellBits& peer_bits(int i);
// The cells that see every cell of cells (none of them included); every cell
// when cells is empty.
CellBits common_peers(const CellBits& cells);
// "row 4", "column 2", "box 7".
Text& unit_name(Text& text, int u);

struct GridBits {
  unsigned mask[81];   // possibilities of an unsolved cell, bit d-1; 0 when answered
  CellBits holds[10];  // unsolved cells holding d; [0] unused

  explicit GridBits(const State& s);
  bool has(int i, int d) const { return (mask[i] >> (d - 1)) & 1u; }
};

int digit_count(unsigned mask);
// The lowest digit of a non-empty mask.
int first_digit(unsigned mask);

// The set in row-major order, as a CellSet for the texts.
CellSet to_cellset(const CellBits& cells);
// "r4c5", or a group in one row or column as "r4c56" / "r45c5".
std::string node_cells_name(const CellBits& cells);

// The detail phrase of a move about the digits of mask: "the value 5",
// "the values 2 and 7", "the values 1, 4 and 9".
std::string digits_phrase(unsigned mask);
// The removals of a move grouped by digit: "5 from cells 1,2 and 3,4; 7 from
// cell 9,9". by_digit[d] holds the cells losing d.
Text& removal_list(Text& text, const CellBits by_digit[10]);
// Carries out and marks the removals of by_digit, digit by digit in
// row-major order; returns the mask of the digits removed.
class Move;
unsigned remove_all(Move& move, const CellBits by_digit[10]);

// The colours in which a Big hint tells two sides of a pattern apart:
// the chain colour (green) and the highlight colour (purple). The player's
// own colouring colours are pale backgrounds, too faint for digits.
inline constexpr int kMarkColourA = kMarkShow;
inline constexpr int kMarkColourB = 12;
// A third part (a pivot, a core) in the blue of highlighted digits.
inline constexpr int kMarkColourC = 13;

}  // namespace vantry
