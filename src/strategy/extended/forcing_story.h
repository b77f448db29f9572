// How the forcing chain finders tell and draw what one assumption forced: the
// placements a conclusion follows from, in the order they were found, as a
// sentence for the Big hint and as cells for its chain and marks.
#pragma once

#include <string>
#include <vector>

#include "strategy/extended/forcing_net.h"

namespace vantry {

class Move;
class Text;

// The placements among the ancestors of roots, in log order, leaving out the
// assumption's own cell.
std::vector<int> placements_leading_to(const NetLog& log, const std::vector<int>& roots, int assumed_cell);

// "cell 3,7 is 2, cell 5,7 is 8" for the placements (long lists keep their
// first three and last two steps and count the ones between).
void tell_placements(Text& text, const NetLog& log, const std::vector<int>& placements);

// Appends the start cell, the cells of the placements and the end cell (none
// when negative) to the move's chain, or the same reversed, skipping a
// repeated cell and stopping at the chain's room; marks the placed digits as
// chain digits.
void draw_branch(Move& move, const NetLog& log, int start_cell, const std::vector<int>& placements, int end_cell,
                 bool reversed);

// What a contradiction left empty: "cell 5,6 has no possible value" or "the
// value 3 has no place left in row 5".
void tell_contradiction(Text& text, const NetLog& log);

}  // namespace vantry
