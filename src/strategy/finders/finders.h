// The finders of the strategy table, one file per family of strategies. Each
// follows the Finder contract of strategy.h: in apply mode it makes its move,
// in a hint mode it builds its texts (and for a Big hint its marks) and offers
// the move, and it returns the table number of the move or 0.
#pragma once

#include "strategy/strategy.h"

namespace vantry {

// singles.cpp: naked and hidden singles (which also count singles in singles
// count mode), box/line and line/box eliminations.
int find_naked_single(Strategy& engine, int n, State& s, int argument);
int find_hidden_single(Strategy& engine, int n, State& s, int argument);
int find_box_line(Strategy& engine, int n, State& s, int argument);
int find_line_box(Strategy& engine, int n, State& s, int argument);

// subsets.cpp: naked and hidden subsets of the row's size (2, 3 or 4).
int find_naked_subset(Strategy& engine, int n, State& s, int argument);
int find_hidden_subset(Strategy& engine, int n, State& s, int argument);

// fish.cpp: basic fish of the row's size (X-wing 2, Swordfish 3, Jellyfish 4).
int find_fish(Strategy& engine, int n, State& s, int argument);

// wings.cpp: XY-wing, XYZ-wing and XY-wing chain.
int find_xy_wing(Strategy& engine, int n, State& s, int argument);
int find_xyz_wing(Strategy& engine, int n, State& s, int argument);
int find_xy_wing_chain(Strategy& engine, int n, State& s, int argument);

// w_wings.cpp: W-wings of types 1-4, one finder each over one shared pair search.
int find_w_wing_type1(Strategy& engine, int n, State& s, int argument);
int find_w_wing_type3(Strategy& engine, int n, State& s, int argument);
int find_w_wing_type2(Strategy& engine, int n, State& s, int argument);
int find_w_wing_type4(Strategy& engine, int n, State& s, int argument);

// finned_fish.cpp: finned and sashimi finned X-wings.
int find_finned_x_wing(Strategy& engine, int n, State& s, int argument);
int find_sashimi_x_wing(Strategy& engine, int n, State& s, int argument);

// turbot_fish.cpp: turbot fish (strong, weak, strong link on one digit).
int find_turbot_fish(Strategy& engine, int n, State& s, int argument);

// bug.cpp: BUG (one trivalue cell among bivalue cells).
int find_bug(Strategy& engine, int n, State& s, int argument);

// chains.cpp: singles chain and pairs chain (each reports its contradiction).
int find_singles_chain(Strategy& engine, int n, State& s, int argument);
int find_pairs_chain(Strategy& engine, int n, State& s, int argument);

// cycles.cpp: rectangle elimination; locked cell cycles (reports types 1 and 2).
int find_rectangle_elimination(Strategy& engine, int n, State& s, int argument);
int find_locked_cell_cycle(Strategy& engine, int n, State& s, int argument);

// avoidable_rectangles.cpp: avoidable rectangles (reports types 1-3).
int find_avoidable_rectangle(Strategy& engine, int n, State& s, int argument);

// weak_chains.cpp: weak singles chain (reports the chain and its contradiction).
int find_weak_singles_chain(Strategy& engine, int n, State& s, int argument);

// composite_chains.cpp: composite chain (reports the chain and its contradiction).
int find_composite_chain(Strategy& engine, int n, State& s, int argument);

// rectangles.cpp: unique rectangles (reports types 1-4, and types 5-6).
int find_unique_rectangle(Strategy& engine, int n, State& s, int argument);
int find_unique_rectangle_5_6(Strategy& engine, int n, State& s, int argument);

}  // namespace vantry
