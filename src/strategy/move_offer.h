// How a found move reaches the player. The search driver hands a hint's move
// to offer_move, which shows it as the last hint level asks and, for a Big
// hint answered Yes, carries it out; the button pane's look-up hands its move
// to name_move, which only writes the strategy's name into the pane.
#pragma once

#include <string>
#include <string_view>

#include "strategy/hint_level.h"

namespace vantry {

class Move;
class Strategy;

// Presents a hint's move (null: none was found, or the search was cancelled).
// Returns the closing button: 6 Yes, 7 No, or 2 for everything else (Cancel,
// a Little or Medium hint, no move, a cancelled search).
int offer_move(Strategy& engine, const Move* move);

// The button pane's next-move line: the name of the strategy of table number
// n, "No hints available" for n = 0, or "(cancelled)". Counts as a Little
// hint given when there is a move to name.
void name_move(Strategy& engine, int n);

// "Look for " with the strategy's name and its article; for any level but a
// Little hint, " with " and the detail phrase.
std::string little_hint_text(HintLevel level, int n, std::string_view detail);

}  // namespace vantry
