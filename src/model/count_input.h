// The puzzle as the solution counters see it: the answers that stand, and for
// each empty cell the digits the player has left possible. A counter finds
// the complete grids that keep every answer, put only a possible digit in
// each empty cell and repeat no digit in a row, column or box; it stops at
// the second one.
#pragma once

#include <cstdint>

namespace vantry {

class State;

struct CountInput {
  std::uint8_t answer[81];       // row-major, 0 = empty
  std::uint16_t candidates[81];  // bit d-1 set: d is possible; read only where answer is 0
};

CountInput count_input_of(const State& s);

// Asked every few milliseconds of work; returning true stops the search.
class SearchPoll {
 public:
  virtual ~SearchPoll() = default;
  virtual bool should_stop() = 0;
};

// Counter results: 0 no solution, 1 exactly one, 2 more than one, -1 stopped.
inline constexpr int kCountStopped = -1;

}  // namespace vantry
