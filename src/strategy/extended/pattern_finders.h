// The pattern finders beyond the standard strategies: finned fish of three
// and four lines, empty rectangles, almost locked sets, Sue de Coq, 3D Medusa
// and alternating inference chains. Each follows the Finder contract of
// strategy.h; the extended table names their rows.
#pragma once

#include "strategy/strategy.h"

namespace vantry {

int find_finned_swordfish(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_finned_jellyfish(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_empty_rectangle(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_als_xz(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_als_xy_wing(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_sue_de_coq(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_medusa(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_aic(BusyManager& busy, int n, const State& s, int argument, Move& move);

}  // namespace vantry
