// Small helpers shared by the finders: the words that name the three kinds of
// unit in texts, the removal of one possibility, and the test for a hint mode.
#pragma once

#include <string_view>

#include "model/coords.h"
#include "model/state.h"
#include "strategy/strategy.h"

namespace vantry {

// Passes over the units run boxes, then rows, then columns.
inline constexpr UnitKind kUnitPasses[] = {UnitKind::Box, UnitKind::Row, UnitKind::Column};

constexpr std::string_view unit_word(UnitKind kind) {
  switch (kind) {
    case UnitKind::Box: return "box";
    case UnitKind::Row: return "row";
    case UnitKind::Column: return "column";
  }
  return "";
}

// A strategy's removal: gone, remembered as deleted, unmarked, and the cached
// solution count forgotten since the grid changed.
inline void delete_possibility(State& s, int r, int c, int d) {
  s.row(r).delete_possibility(c, d);
  s.solutionCount = -1;
}

}  // namespace vantry
