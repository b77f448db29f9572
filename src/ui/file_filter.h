// File dialog filters arrive as description and pattern pairs, each ended by
// '|' ("Sudoku Puzzle (*.spz)|*.spz|"); Qt wants one "Description (patterns)"
// entry per filter.
#pragma once

#include <QStringList>
#include <string>

namespace vantry {

// The Qt filter entries in order. "*.*" becomes "*", which on this system also
// matches names without a dot; ';' between patterns becomes a space. A
// trailing description without a pattern is dropped.
QStringList qtFileFilters(const std::string& filter);

}  // namespace vantry
