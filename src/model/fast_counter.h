// The solution counter the program uses: bit sets, constraint propagation and
// a careful choice of the cell to branch on, so that even the hardest known
// puzzles count in well under a millisecond.
#pragma once

#include "model/count_input.h"

namespace vantry {

// Counts the solutions of in up to two (see count_input.h). When solution is
// given, each solution found is written there as 81 characters '1'-'9',
// row-major (no terminating NUL). poll, when given, is asked every few
// milliseconds of work; if it answers true the count stops and -1 is returned.
int fast_count(const CountInput& in, char* solution, SearchPoll* poll);

}  // namespace vantry
