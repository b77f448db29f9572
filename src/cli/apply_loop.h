// The engine's moves one by one, as the rating makes them: apply mode,
// composite chains allowed, a search from the first row after every move,
// until the puzzle is solved or no strategy applies.
#pragma once

#include <functional>

namespace vantry {

class State;
class Strategy;

// Calls on_move(table number, State before the move, State after it) for
// every move. Stops early when on_move returns false, and when a move changed
// nothing (it would only repeat). Returns the number of moves.
int apply_moves(Strategy& engine, State& s,
                const std::function<bool(int n, const State& before, const State& after)>& on_move);

}  // namespace vantry
