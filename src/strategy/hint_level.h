// The three sizes of hint: Little names the strategy, Medium adds where or
// which value, Big marks the move on the grid and explains it. The menu
// commands that ask for them are translated at the command dispatch.
#pragma once

namespace vantry {

enum class HintLevel { Little, Medium, Big };

}  // namespace vantry
