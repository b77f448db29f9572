// How a found move reaches the player. Every finder in a hint mode, and the
// search when nothing was found, hands its move to offer_move, which shows it
// as the last hint level asks and, for a Big hint answered Yes, carries it out.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

class Strategy;

// Presents the move of table number n (0 = no move) with its dialog template,
// explanation (Big hint only) and detail phrase. Returns the closing button:
// 6 Yes, 7 No, or 2 for everything else (Cancel, a Little or Medium hint, the
// pane, no move, a cancelled search).
int offer_move(Strategy& engine, int template_id, std::string_view explanation,
               std::string_view detail, int n);

// "Look for " with the strategy's name and its article; for any level but a
// Little hint, " with " and the detail phrase.
std::string little_hint_text(int level, int n, std::string_view detail);

}  // namespace vantry
