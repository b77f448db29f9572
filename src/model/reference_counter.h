// A plain row-major backtracking counter: slow, small and obviously right.
// Tests check the fast counter against it.
#pragma once

#include "model/count_input.h"

namespace vantry {

// Same contract as fast_count, with the poll asked after every trial digit.
int reference_count(const CountInput& in, char* solution, SearchPoll* poll);

}  // namespace vantry
