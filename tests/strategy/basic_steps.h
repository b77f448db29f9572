// Positions for the chain finder tests: a corpus puzzle taken as far as the
// singles, intersections, pairs and triples go, whatever later rows of the
// table find. The chain finders are then called directly on the result.
#pragma once

#include <string_view>
#include <utility>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {

inline void apply_basic_steps(Strategy& engine, State& s) {
  BusyManager& busy = engine.busy();
  constexpr std::pair<Finder, int> kSteps[] = {{find_naked_single, 1}, {find_hidden_single, 2}, {find_box_line, 3},
                                               {find_line_box, 4},     {find_naked_subset, 5},  {find_hidden_subset, 8},
                                               {find_naked_subset, 6}, {find_hidden_subset, 14}};
  for (bool moved = true; moved;) {
    moved = false;
    for (const auto& [finder, n] : kSteps) {
      if (apply_with(busy, finder, n, s, strategy_row(n).argument) != 0) {
        moved = true;
        break;
      }
    }
  }
}

inline State basic_position(Strategy& engine, std::string_view puzzle) {
  State s = grid(puzzle);
  apply_basic_steps(engine, s);
  return s;
}

}  // namespace vantry::testing
