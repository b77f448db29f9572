// Grid coordinates. Rows and columns run 0-8 from the top left, boxes 0-8 in
// reading order, and a cell's position inside its box 0-8 in reading order.
// Digits are 1-9; 0 means "none" wherever a digit is stored.
#pragma once

namespace vantry {

enum class UnitKind : int { Box = 0, Row = 1, Column = 2 };

constexpr int box_of(int r, int c) { return r / 3 * 3 + c / 3; }
constexpr int position_in_box(int r, int c) { return r % 3 * 3 + c % 3; }
constexpr int row_of(int box, int position) { return box / 3 * 3 + position / 3; }
constexpr int column_of(int box, int position) { return box % 3 * 3 + position % 3; }

// The cell at a position of a unit. Any other kind leaves r and c untouched.
constexpr void cell_of(UnitKind kind, int index, int position, int& r, int& c) {
  switch (kind) {
    case UnitKind::Box:
      r = row_of(index, position);
      c = column_of(index, position);
      break;
    case UnitKind::Row:
      r = index;
      c = position;
      break;
    case UnitKind::Column:
      r = position;
      c = index;
      break;
  }
}

}  // namespace vantry
