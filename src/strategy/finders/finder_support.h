// Small helpers shared by the finders: the words that name the three kinds of
// unit in texts, the detail phrase of one digit and the removal cells named in
// an explanation.
#pragma once

#include <string>
#include <string_view>

#include "model/cellset.h"

#include "model/coords.h"
#include "model/state.h"
#include "strategy/text_builder.h"

namespace vantry {

class BusyManager;
class Move;

// What a search works on: the busy manager it asks whether to stop, the Move
// it fills, the position it searches and the table row it searches for.
struct SearchOn {
  SearchOn(BusyManager& b, Move& m, const State& st, int number) : busy(b), move(m), s(st), n(number) {}
  BusyManager& busy;
  Move& move;
  const State& s;
  int n;
};

// A cell of the grid by row and column, 0-8.
struct Place {
  int r, c;
};

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
// The detail phrase of a move about a pair: "the values 2 and 7".
inline std::string values_phrase(int p, int q) {
  return Text().add("the values ").number(p).add(" and ").number(q).str();
}

// The removal cells named in an explanation: "cell 1,2" or "cells 1,2 or 3,4".
inline Text& removal_cells(Text& text, const CellSet& cells) {
  text.add("cell");
  if (cells.count() > 1) text.add("s");
  return text.add(" ").cell_list(cells, "or");
}

}  // namespace vantry
