// The Little, Medium and Big hint commands: guards, clearing the old hint,
// one search for a hint of the command's level inside a busy phase. What the
// player sees is decided by the move offer the search ends in. The button
// pane's next-move line is the same search, used only to name the move.
#pragma once

namespace vantry {

enum class HintLevel;
class HintHost;
class Strategy;

void hint_command(HintHost& host, Strategy& engine, HintLevel level);

// The button pane's next-move line: a Little hint search that only names its
// move, inside the next-move busy phase. The strategy's name, "No hints
// available" or "(cancelled)" arrives through the host's set_next_move_text,
// and the search counts as a Little hint given. It only reads the current
// State: the board, its marks and the chain on display are left as they are,
// and no message box opens. The caller has checked that a puzzle is present
// and unsolved.
void find_next_move(HintHost& host, Strategy& engine);

}  // namespace vantry
