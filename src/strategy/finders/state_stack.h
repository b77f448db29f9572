// Working copies of the State for the deep chain searches, kept on the heap.
// A chain step holds only a reference into this stack, so each step of the
// recursion costs the thread's stack a few hundred bytes instead of a whole
// State (about 9 KB): the deepest chain the board allows then fits in any
// reasonable stack, and a search can reuse the copies of its earlier branches.
#pragma once

#include <memory>
#include <vector>

#include "model/state.h"

namespace vantry {

class StateStack {
 public:
  // The working copy for depth k, made on first use. Copies never move once
  // made, so references to shallower depths stay valid while deeper ones grow.
  State& at(int k) {
    while (static_cast<int>(my_states.size()) <= k) my_states.push_back(std::make_unique<State>());
    return *my_states[k];
  }

 private:
  std::vector<std::unique_ptr<State>> my_states;
};

}  // namespace vantry
