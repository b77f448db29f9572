#include "cli/apply_loop.h"

#include "strategy/move_notation.h"
#include "model/state.h"
#include "strategy/strategy.h"

namespace vantry {

int apply_moves(Strategy& engine, State& s,
                const std::function<bool(int n, const State& before, const State& after)>& on_move) {
  int moves = 0;
  while (!s.is_solved()) {
    engine.set_purpose(EnginePurpose::Apply);
    const State before = s;
    const int n = engine.search(s, true);
    if (n == kNoMove) break;
    ++moves;
    if (!on_move(n, before, s)) break;
    if (describe_changes(before, s).empty()) break;
  }
  return moves;
}

}  // namespace vantry
