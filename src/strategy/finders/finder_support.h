// Small helpers shared by the finders: the words that name the three kinds of
// unit in texts, the detail phrase of one digit, the removal cells named in an
// explanation, and the removal of one possibility.
#pragma once

#include <string>
#include <string_view>

#include "model/cellset.h"

#include "model/coords.h"
#include "model/state.h"
#include "strategy/strategy.h"
#include "strategy/text_builder.h"

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

// The detail phrase of a move about one digit: "the value 5".
inline std::string value_phrase(int d) { return Text().add("the value ").number(d).str(); }

// The removal cells named in an explanation: "cell 1,2" or "cells 1,2 or 3,4".
inline Text& removal_cells(Text& text, const CellSet& cells) {
  text.add("cell");
  if (cells.count() > 1) text.add("s");
  return text.add(" ").cell_list(cells, "or");
}

// A strategy's removal: gone, remembered as deleted, unmarked, and the cached
// solution count forgotten since the grid changed. A digit the cell no longer
// holds stays as it is: a placement took it, and a deleted flag would show it
// as a removal of the player's, to be restored beside the answer.
inline void delete_possibility(State& s, int r, int c, int d) {
  if (!s.cell(r, c).is_possible(d)) return;
  s.row(r).delete_possibility(c, d);
  s.solutionCount = -1;
}

}  // namespace vantry
