// The strategies beyond the standard 44: searched only after every standard
// row has found nothing, and only when the player asked for them. Their rows
// are numbered on from the standard table (45-55), so a move, a hint and a
// step line name them exactly as they name a standard row. The rating never
// uses them: a puzzle's difficulty comes from the standard table alone.
#pragma once

#include <string_view>

#include "strategy/strategy.h"

namespace vantry {

class BusyManager;
class Move;
class State;

struct ExtendedRow {
  Finder finder;
  std::string_view level;  // the level word Strategies used and the help show
  int weight;              // the row's share of a puzzle's difficulty score
  int help_context;
  const char* name;
};

inline constexpr int kFirstExtendedRow = 45;
inline constexpr int kLastExtendedRow = 55;
// Arrays counted by table number (index 0 unused) over both tables.
inline constexpr int kAllRowsEnd = kLastExtendedRow + 1;
// The heading Strategies used puts above the extended rows.
inline constexpr std::string_view kExtendedHeading = "Beyond the standard strategies";

bool is_extended_row(int n);
const ExtendedRow& extended_row(int n);
// The extended row as a StrategyRow (level Superhuman, very rare), for the
// code that names and explains moves of either table alike.
const StrategyRow& extended_strategy_row(int n);

// The weight of any row, standard or extended, for the difficulty score.
int row_weight(int n);

// The extended finders in table order on s; the first that finds a move fills
// move and ends the walk. The player may cancel between any two finders.
// Returns the table number of the move, or kNoMove.
int find_extended(BusyManager& busy, const State& s, Move& move);

}  // namespace vantry
