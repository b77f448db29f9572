// The pattern finders searched after the 44 standard strategies: larger
// finned fish, empty rectangles, almost locked sets, Sue de Coq, 3D Medusa
// and alternating inference chains. Each follows the Finder contract of
// strategy.h: it reads the position, describes the first move it finds and
// returns the table number it was given, or 0.
#pragma once

#include "strategy/strategy.h"

namespace vantry {

// Finned and sashimi swordfish: three base lines, their fins in one box.
int find_finned_swordfish(BusyManager& busy, int n, const State& s, int argument, Move& move);
// Finned and sashimi jellyfish: four base lines, their fins in one box.
int find_finned_jellyfish(BusyManager& busy, int n, const State& s, int argument, Move& move);
// Empty rectangle: a box's digit confined to one row and one column, with a strong link.
int find_empty_rectangle(BusyManager& busy, int n, const State& s, int argument, Move& move);
// ALS-XZ: two almost locked sets joined by a restricted common digit.
int find_als_xz(BusyManager& busy, int n, const State& s, int argument, Move& move);
// ALS-XY-wing: two almost locked sets each joined to a third by a different restricted digit.
int find_als_xy_wing(BusyManager& busy, int n, const State& s, int argument, Move& move);
// Sue de Coq: a box/line intersection locked together with cells of the line and of the box.
int find_sue_de_coq(BusyManager& busy, int n, const State& s, int argument, Move& move);
// 3D Medusa: two-colouring of candidates along bivalue cells and conjugate pairs.
int find_medusa(BusyManager& busy, int n, const State& s, int argument, Move& move);
// Alternating inference chain with grouped nodes, written in the usual notation.
int find_aic(BusyManager& busy, int n, const State& s, int argument, Move& move);

}  // namespace vantry
