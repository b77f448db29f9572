// The finders of the strategy table, one file per family of strategies. Each
// follows the Finder contract of strategy.h: it reads the position, describes
// the first move it finds in a Move (changes, Big hint marks and chain, texts)
// and returns the table number of the move, or 0. What the move is used for
// is the search driver's business.
#pragma once

#include "strategy/strategy.h"

namespace vantry {

// singles.cpp: naked and hidden singles, box/line and line/box eliminations;
// and the count of the singles available in a position (every naked single,
// and every unit's hidden singles, a cell counted once for each).
int find_naked_single(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_hidden_single(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_box_line(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_line_box(BusyManager& busy, int n, const State& s, int argument, Move& move);
int singles_available(const State& s);

// subsets.cpp: naked and hidden subsets of the row's size (2, 3 or 4).
int find_naked_subset(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_hidden_subset(BusyManager& busy, int n, const State& s, int argument, Move& move);

// fish.cpp: basic fish of the row's size (X-wing 2, Swordfish 3, Jellyfish 4).
int find_fish(BusyManager& busy, int n, const State& s, int argument, Move& move);

// wings.cpp: XY-wing, XYZ-wing and XY-wing chain.
int find_xy_wing(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_xyz_wing(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_xy_wing_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);

// w_wings.cpp: W-wings of types 1-4, one finder each over one shared pair search.
int find_w_wing_type1(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_w_wing_type3(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_w_wing_type2(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_w_wing_type4(BusyManager& busy, int n, const State& s, int argument, Move& move);

// finned_fish.cpp: finned and sashimi finned X-wings.
int find_finned_x_wing(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_sashimi_x_wing(BusyManager& busy, int n, const State& s, int argument, Move& move);

// turbot_fish.cpp: turbot fish (strong, weak, strong link on one digit).
int find_turbot_fish(BusyManager& busy, int n, const State& s, int argument, Move& move);

// bug.cpp: BUG (one trivalue cell among bivalue cells).
int find_bug(BusyManager& busy, int n, const State& s, int argument, Move& move);

// chains.cpp: singles chain and pairs chain (each reports its contradiction).
int find_singles_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_pairs_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);

// cycles.cpp: rectangle elimination; locked cell cycles (reports types 1 and 2).
int find_rectangle_elimination(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_locked_cell_cycle(BusyManager& busy, int n, const State& s, int argument, Move& move);

// avoidable_rectangles.cpp: avoidable rectangles (reports types 1-3).
int find_avoidable_rectangle(BusyManager& busy, int n, const State& s, int argument, Move& move);

// weak_chains.cpp: weak singles chain (reports the chain and its contradiction).
int find_weak_singles_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);

// composite_chains.cpp: composite chain (reports the chain and its contradiction).
int find_composite_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);

// rectangles.cpp: unique rectangles (reports types 1-4, and types 5-6).
int find_unique_rectangle(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_unique_rectangle_5_6(BusyManager& busy, int n, const State& s, int argument, Move& move);

}  // namespace vantry
