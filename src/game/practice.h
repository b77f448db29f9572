// Practice puzzles: positions reached by the engine from a fresh random
// puzzle just before it first needs one chosen strategy. These are the rules
// around them that are not the build itself (which the game runs).
#pragma once

#include <string>

namespace vantry {

// Strategies this rare may take many puzzles to meet, so the player is asked first.
inline constexpr int kRareFrequency = 3;

// The question before practising a rare strategy; empty when the strategy
// (a table number) needs none: it is common enough or was practised last.
std::string practice_question(int n, int last_practised);

}  // namespace vantry
