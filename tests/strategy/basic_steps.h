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
    moved = apply_with(engine.busy(), find_naked_single, 1, s, 0) || apply_with(engine.busy(), find_hidden_single, 2, s, 0) ||
            apply_with(engine.busy(), find_box_line, 3, s, 0) || apply_with(engine.busy(), find_line_box, 4, s, 0) ||
            apply_with(engine.busy(), find_naked_subset, 5, s, 2) || apply_with(engine.busy(), find_hidden_subset, 8, s, 2) ||
            apply_with(engine.busy(), find_naked_subset, 6, s, 3) || apply_with(engine.busy(), find_hidden_subset, 14, s, 3);
  }
  engine.set_mode(mode);
}

inline State basic_position(Strategy& engine, std::string_view puzzle) {
  State s = grid(puzzle);
  apply_basic_steps(engine, s);
  return s;
}

}  // namespace vantry::testing
