// Find my mistake: which move of the player's history broke the puzzle. The
// history is compared with the puzzle's solution (worked out from the givens)
// State by State; the answer names the move in words and the cell to show.
// Nothing here changes the history: the command only offers to undo.
#pragma once

#include <string>

namespace vantry {

class Board;
class Game;
class SolutionCounter;
class State;

enum class MistakeKind {
  None,              // the position on display is still fine
  WrongAnswer,       // the move placed an answer the solution does not have
  RemovedSolution,   // the move removed the solution's digit from a cell
  NoSolution,        // after the move the puzzle has no solution (no unique one to compare with)
  BeforeFirstMove,   // the oldest State remembered is already wrong
  PuzzleUnsolvable,  // the givens themselves have no solution
  Cancelled,         // the player cancelled a count
};

struct Mistake {
  MistakeKind kind = MistakeKind::None;
  // The history index of the State the move made (1 = the first move after
  // the oldest State); undoing back to index move - 1 takes it back.
  int move = 0;
  // The cell to show, or -1 when there is none.
  int row = -1;
  int column = -1;
  int digit = 0;          // the answer placed, or the digit removed
  int solution = 0;       // the solution's digit in that cell, 0 when not known
  std::string words;      // the move in words, for NoSolution ("you placed 7 in r3c5")
  bool compared = false;  // the puzzle has one solution and the moves were compared with it
};

// The first move of the current run of wrong positions: the walk goes back
// from the State on display to the newest one that is still fine, so a
// mistake the player has since put right is not the one reported. counter
// may be interrupted through its busy manager (Cancelled).
Mistake find_mistake(const Board& board, SolutionCounter& counter);

// What changed from before to after, as the player did it: "you placed 7 in
// r3c5", "you removed 4 from r3c5 and 4 from r3c6" (a hint applied in one
// move lists its changes).
std::string move_in_words(const State& before, const State& after);

// The message that reports m ("Move 12: you removed 4 from r3c5, but the
// solution has 4 there.").
std::string mistake_text(const Mistake& m);

// The command: the guards, the walk inside a busy phase, the cell framed on
// the grid, the message, and the offer to undo back to before the move.
void find_my_mistake(Game& game);

}  // namespace vantry
