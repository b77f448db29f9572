// The Little, Medium and Big hint commands: guards, clearing the old hint,
// one search in the command's hint mode inside a busy phase. What the player
// sees is decided by the move offer the search ends in. The button pane's
// next-move line is the same search with the pane flag.
#pragma once

namespace vantry {

class HintHost;
class Strategy;

// command_id is kLittleHint, kMediumHint or kBigHint.
void hint_command(HintHost& host, Strategy& engine, int command_id);

// The button pane's next-move line: a Little hint search in pane mode inside
// the next-move busy phase. The strategy's name, "No hints available" or
// "(cancelled)" arrives through the host's set_next_move_text, and the search
// counts as a Little hint given. It only reads the current State: the board,
// its marks and the chain on display are left as they are, and no message
// box opens. The caller has checked that a puzzle is present and
// unsolved.
void find_next_move(HintHost& host, Strategy& engine);

}  // namespace vantry
