// Lookup tables of the fast solution counter, built at compile time. They
// answer, for one digit in one band (or one stack), which places survive the
// rule that the digit stands once in every row, column and box.
#pragma once

#include <cstdint>

namespace vantry::fast_counter {

// A band word holds one digit's possible places in three rows, 27 bits:
//
//            box 0     box 1     box 2
//   row 0:   0  1  2 | 3  4  5 | 6  7  8      bit = 9 * (row in band) + column
//   row 1:   9 10 11 |12 13 14 |15 16 17
//   row 2:  18 19 20 |21 22 23 |24 25 26
//
// A minirow is the three cells where a row meets a box. A 9-bit minirow set
// has bit 3 * row + box. In a band a digit fills exactly one minirow of each
// row and of each box: its minirows form one of the six 3x3 permutation
// matrices. A stack (three columns, three bands) has the same shape with
// bands for rows and columns for boxes, so the same table serves both.
struct Tables {
  std::uint8_t minirows_of_row[512];  // 9 bits of one row -> its nonempty minirows (3 bits)
  std::uint16_t permutations[512];    // minirow set -> union of the permutation matrices inside it
  std::uint32_t band_keep[512];       // minirow set -> band word of the cells of those permutations
  std::uint32_t column_spread[512];   // 9 column bits -> those columns in all three rows
  std::uint32_t band_peers[27];       // a cell -> the other cells of its row and box in the band
  std::uint32_t column[9];            // a column's three cells in a band word
  std::uint16_t lone_in_row[512];     // 9 bits of one row -> the bit itself when it is alone, else 0
  std::uint32_t rows_spread[8];       // 3 row bits -> the cells of those rows
  std::uint32_t boxes_spread[8];      // 3 box bits -> the cells of those boxes
  std::uint16_t lone_minirows[512];   // minirow set -> the minirows alone in their row
  std::uint16_t minirow_peers[9];     // a minirow -> the other minirows of its row and its box
};

constexpr Tables make_tables() {
  Tables t{};
  for (unsigned x = 0; x < 512; ++x) {
    t.minirows_of_row[x] =
        static_cast<std::uint8_t>(((x & 7u) ? 1u : 0u) | ((x & 070u) ? 2u : 0u) | ((x & 0700u) ? 4u : 0u));
    t.column_spread[x] = x | x << 9 | x << 18;
    t.lone_in_row[x] = static_cast<std::uint16_t>((x & (x - 1)) == 0 ? x : 0);
    for (int row = 0; row < 3; ++row) {
      const unsigned three = (x >> (3 * row)) & 7u;
      if (three != 0 && (three & (three - 1)) == 0)
        t.lone_minirows[x] = static_cast<std::uint16_t>(t.lone_minirows[x] | three << (3 * row));
    }
  }
  constexpr int kPermutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (unsigned set = 0; set < 512; ++set) {
    unsigned kept = 0;
    for (const auto& p : kPermutations) {
      const unsigned matrix = 1u << p[0] | 1u << (3 + p[1]) | 1u << (6 + p[2]);
      if ((matrix & set) == matrix) kept |= matrix;
    }
    t.permutations[set] = static_cast<std::uint16_t>(kept);
    std::uint32_t word = 0;
    for (int m = 0; m < 9; ++m) {
      if (kept & (1u << m)) word |= 7u << (9 * (m / 3) + 3 * (m % 3));
    }
    t.band_keep[set] = word;
  }
  for (int i = 0; i < 27; ++i) {
    const int row = i / 9, box = i % 9 / 3;
    std::uint32_t peers = 0x1FFu << (9 * row);
    for (int r = 0; r < 3; ++r) peers |= 7u << (9 * r + 3 * box);
    t.band_peers[i] = peers & ~(1u << i);
  }
  for (unsigned x = 0; x < 8; ++x) {
    for (int k = 0; k < 3; ++k) {
      if (!(x & (1u << k))) continue;
      t.rows_spread[x] |= 0x1FFu << (9 * k);
      t.boxes_spread[x] |= (7u | 7u << 9 | 7u << 18) << (3 * k);
    }
  }
  for (int m = 0; m < 9; ++m) {
    const unsigned row = 7u << (m / 3 * 3), box = 0111u << (m % 3);
    t.minirow_peers[m] = static_cast<std::uint16_t>((row | box) & ~(1u << m));
  }
  for (int c = 0; c < 9; ++c) t.column[c] = 1u << c | 1u << (c + 9) | 1u << (c + 18);
  return t;
}

inline constexpr Tables kTables = make_tables();

}  // namespace vantry::fast_counter
