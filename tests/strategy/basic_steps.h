// Positions for the chain finder tests: a corpus puzzle taken as far as the
// singles, intersections, pairs and triples go, whatever later rows of the
// table find. The chain finders are then called directly on the result.
#pragma once

#include <string_view>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {

inline void apply_basic_steps(Strategy& engine, State& s) {
  const int mode = engine.mode();
  engine.set_mode(kApplyMode);
  for (bool moved = true; moved;) {
    moved = find_naked_single(engine, 1, s, 0) || find_hidden_single(engine, 2, s, 0) ||
            find_box_line(engine, 3, s, 0) || find_line_box(engine, 4, s, 0) ||
            find_naked_subset(engine, 5, s, 2) || find_hidden_subset(engine, 8, s, 2) ||
            find_naked_subset(engine, 6, s, 3) || find_hidden_subset(engine, 14, s, 3);
  }
  engine.set_mode(mode);
}

inline State basic_position(Strategy& engine, std::string_view puzzle) {
  State s = grid(puzzle);
  apply_basic_steps(engine, s);
  return s;
}

}  // namespace vantry::testing
