// Which strategies the last rating of the puzzle in play needed, and how
// often: one count per table number and one per level. The record serves
// Strategies used and Rate puzzle until a new puzzle makes it stale.
#pragma once

#include "strategy/strategy.h"

namespace vantry {

struct StrategiesUsed {
  int by_strategy[MAX_STRATEGIES] = {};  // by table number 1-44; [0] unused
  int by_level[kLevels] = {};

  void clear() { *this = StrategiesUsed{}; }
  // Every rating solves with at least one naked single, so a zero count
  // there means the record belongs to no rating.
  void mark_stale() { by_strategy[1] = 0; }
  bool filled(int difficulty) const { return difficulty != 0 && by_strategy[1] != 0; }
};

}  // namespace vantry
