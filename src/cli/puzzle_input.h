// Puzzles as vantry-cli reads them: one a line, 81 characters, '1'-'9' for a
// given and '0' or '.' for an empty cell. Blank lines and lines starting with
// '#' are skipped; any other line is answered "error: <reason>" and the run
// goes on.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vantry {

class State;

// A puzzle line into a fresh State, givens marked. Returns the reason when the
// line is no puzzle, else an empty string.
std::string read_puzzle(std::string_view line, State& s);

// Calls on_puzzle for every puzzle line of in, with the line's State; writes
// the error line to out for every bad line.
void for_each_puzzle(std::istream& in, std::ostream& out,
                     const std::function<void(State&)>& on_puzzle);

}  // namespace vantry
