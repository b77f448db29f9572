// The play cursor of keyboard play: one cell of the grid that the arrow keys
// move and that digit keys act on. A plain value; it stops at the grid's
// edges rather than wrapping, so a held key cannot run it round unnoticed.
#pragma once

namespace vantry {

// The keys that move the cursor, and Delete (or Backspace), which takes
// back the player's answer in the cursor cell.
enum class PlayKey { Up, Down, Left, Right, RowStart, RowEnd, FirstCell, LastCell, Delete };

struct PlayCursor {
  int row = 0, column = 0;

  // Moves by one of the cursor keys; Delete leaves it where it is.
  void move(PlayKey key) {
    // clang-format off
    switch (key) {
      case PlayKey::Up: if (row > 0) --row; break;
      case PlayKey::Down: if (row < 8) ++row; break;
      case PlayKey::Left: if (column > 0) --column; break;
      case PlayKey::Right: if (column < 8) ++column; break;
      case PlayKey::RowStart: column = 0; break;
      case PlayKey::RowEnd: column = 8; break;
      case PlayKey::FirstCell: row = column = 0; break;
      case PlayKey::LastCell: row = column = 8; break;
      case PlayKey::Delete: break;
    }
    // clang-format on
  }
  bool operator==(const PlayCursor&) const = default;
};

}  // namespace vantry
