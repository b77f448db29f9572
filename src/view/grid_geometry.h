// The grid's measures in device pixels, worked out from the grid window's
// client size, and the hit test that turns a pixel back into a cell and the
// possibility slot under it. Drawing and mouse input share these numbers.
#pragma once

namespace vantry {

struct GridGeometry {
  int unit = 0;  // u: a third of a cell, the height of a possibility line
  int half_unit = 0;
  int quarter_unit = 0;  // q = (u / 2) / 2, the arm of a crossed-out digit's X
  int cell = 0;          // C = 3u
  int half_cell = 0;
  int chain_offset = 0;        // k = 3u / 4: chain segments start this far inside their cells
  int line[10] = {};           // p[i] = i * C, the grid lines
  int extent = 0;              // G = 9C
  int answer_height = 0;       // target height of an answer digit, C - 3
  int possibility_height = 0;  // target height of a possibility digit, u - 3
  int preferred_size = 3;      // G + 3, the window's preferred width and height
  int surplus_width = 0;       // client width beyond the preferred size
  int surplus_height = 0;

  // The grid fits the smaller side; a client under 30 pixels gives a unit of
  // 0, and nothing but the lines at 0 is visible.
  static GridGeometry from_client(int width, int height) {
    GridGeometry g;
    const int side = width < height ? width : height;
    g.unit = side >= 3 ? (side - 3) / 27 : 0;
    g.half_unit = g.unit / 2;
    g.quarter_unit = g.half_unit / 2;
    g.cell = 3 * g.unit;
    g.half_cell = g.cell / 2;
    g.chain_offset = (3 * g.unit) / 4;
    for (int i = 0; i < 10; ++i) g.line[i] = i * g.cell;
    g.extent = 9 * g.cell;
    g.answer_height = g.cell - 3;
    g.possibility_height = g.unit - 3;
    g.preferred_size = g.extent + 3;
    g.surplus_width = width - g.preferred_size;
    g.surplus_height = height - g.preferred_size;
    return g;
  }
};

// A point on the grid: the cell and the digit whose possibility slot lies
// there (1-3 top line, 4-6 middle, 7-9 bottom).
struct GridHit {
  int row = -1;
  int column = -1;
  int digit = 0;
  bool valid() const { return row >= 0 && row <= 8 && column >= 0 && column <= 8 && digit >= 1 && digit <= 9; }
};

// Points left of or above the grid, and any point while the grid has no
// size, hit nothing.
inline GridHit hit_test(const GridGeometry& g, int x, int y) {
  if (g.unit <= 0 || x < 0 || y < 0) return {};
  GridHit hit;
  hit.row = y / g.cell;
  hit.column = x / g.cell;
  hit.digit = ((y % g.cell) / g.unit) * 3 + (x % g.cell) / g.unit + 1;
  if (!hit.valid()) return {};
  return hit;
}

}  // namespace vantry
