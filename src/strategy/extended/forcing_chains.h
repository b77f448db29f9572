// The last-resort finders: cell and unit forcing chains, and dynamic forcing
// chains (nets). Each follows the Finder contract of strategy.h.
#pragma once

#include "strategy/strategy.h"

namespace vantry {

int find_cell_forcing_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_unit_forcing_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);
int find_dynamic_forcing_chain(BusyManager& busy, int n, const State& s, int argument, Move& move);

}  // namespace vantry
