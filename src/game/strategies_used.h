// Which strategies the last rating of the puzzle in play needed, and how
// often: one count per table number and one per level. The record serves
// Strategies used and Rate puzzle until a new puzzle makes it stale.
#pragma once

#include "strategy/difficulty.h"
#include "strategy/extended/extended_table.h"
#include "strategy/strategy.h"

namespace vantry {

struct StrategiesUsed {
  // By table number: 1-44, and 45-55 for the steps beyond the standard
  // strategies that finished a puzzle they left stuck; [0] unused.
  int by_strategy[kAllRowsEnd] = {};
  int by_level[kLevels] = {};    // the standard steps only
  int extended_steps = 0;        // the steps beyond, when they were asked for
  bool finished_beyond = false;  // and they solved the puzzle

  void clear() { *this = StrategiesUsed{}; }
  // Every rating solves with at least one naked single, so a zero count
  // there means the record belongs to no rating.
  void mark_stale() { by_strategy[1] = 0; }
  bool filled(Difficulty difficulty) const { return difficulty != Difficulty::NotRated && by_strategy[1] != 0; }
};

}  // namespace vantry
