// Rating a puzzle by solving it with the program's own strategies: the
// hardest strategy needed, and how often its level was needed, decide the
// difficulty. The same solving run lists the strategies used and stops short
// of a chosen strategy to make a practice position.
#pragma once

#include <string>

#include "game/strategies_used.h"
#include "strategy/difficulty.h"

namespace vantry {

class State;
class Strategy;

// Fewer singles than this at the start makes a Basic puzzle Medium.
inline constexpr int kEasySingles = 20;
// More moves than this of the hardest level makes Hard Expert and Devious Sadistic.
inline constexpr int kManyMovesOfLevel = 2;

// How a solving run ended.
struct SolvingRun {
  int highest = 0;         // highest table number used; kNoMove when stuck
  bool cancelled = false;  // the player pressed Cancel
  bool practice_reached = false;
};

// Solves a copy of s with the engine in apply mode, counting every strategy
// and its level into used (cleared first). The standard strategies alone make
// the run; when they get stuck and the engine was asked for the extended ones
// (and neither a puzzle nor a practice position is being built), those go on
// from there, counted apart, and never change the run's result (a practice
// build and the puzzle creation run with the extended ones off). With a practice target (a table
// number, 0 = none), the run stops when the engine's next move is that
// strategy and s becomes the position before that move: the givens, the
// engine's answers and its removals as deleted possibilities.
SolvingRun solve_for_rating(Strategy& engine, State& s, bool allow_composite, int practice_target,
                            StrategiesUsed& used);

// The naked and hidden singles available in s, as the engine counts them.
int count_singles(Strategy& engine, const State& s);

// The difficulty of a finished run (never NotRated). first_rows are the engine's
// first rows of the levels; singles is consulted only for a run that needed
// Basic strategies alone.
Difficulty rating_for(int highest, const StrategiesUsed& used, int singles, const int first_rows[kLevels]);

// Solves and maps: the difficulty, or NotRated when cancelled or the
// practice target was reached (run tells which).
Difficulty rate_position(Strategy& engine, State& s, bool allow_composite, int practice_target, StrategiesUsed& used,
                         SolvingRun& run);

// What Strategies used shows for a rated puzzle of that difficulty: the
// standard strategies by level, then any extended ones under their heading.
std::string strategies_used_text(Difficulty difficulty, const StrategiesUsed& used);

// The difficulty score: the weights of every step the rating counted added up
// (a single weighs 1; extended_table.cpp holds the weights).
int difficulty_score(const StrategiesUsed& used);

// What Rate puzzle says: "Difficulty: <name>", the score in brackets when
// asked for, and how many extended steps finished a puzzle the standard
// strategies left stuck.
std::string rating_message(Difficulty difficulty, const StrategiesUsed& used, bool with_score);

}  // namespace vantry
