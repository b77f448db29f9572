// The text form of the finder cases in tests/data: a position as nine lines of
// cells and a Move as the lines from "row" to "text". The finder_cases program
// writes cases in it and the finder tests compare against it.
#pragma once

#include <string>

#include "model/state.h"
#include "strategy/move.h"

namespace vantry::finder_cases {

// "r1c2" for row 0, column 1.
std::string cell_name(int r, int c);
// Line breaks written as \n, so that a text stays on one line.
std::string escape(const std::string& text);
// The Move as the lines of a case, from "row" to "text".
std::string describe(const Move& move);
// The position: =d given, +d placed, or the possibilities ('-' for none).
std::string grid_lines(const State& s);

}  // namespace vantry::finder_cases
