// Moves written as text: r<row>c<column>=<digit> for a placement and
// r<row>c<column><><digit> for a removal, 1-based, separated by single spaces,
// row-major with all placements before all removals.
#pragma once

#include <string>

namespace vantry {

class State;

// What changed from before to after: answers placed, and possibilities
// deleted (a placement's own clearing of its row, column and box is part of
// the placement, not a removal).
std::string describe_changes(const State& before, const State& after);

// The action marks of a Big hint: possibilities marked to be placed, then
// those marked to be removed.
std::string describe_marks(const State& s);
// The cells carrying a cell mark, row-major: r<row>c<column> each.
std::string describe_marked_cells(const State& s);

// 81 characters row by row: the answer, or '.' for an empty cell.
std::string grid_text(const State& s);

}  // namespace vantry
