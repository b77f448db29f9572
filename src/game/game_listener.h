// What the game tells its presentation, which registers itself with the game:
// the game depends on this interface only, never on the view library.
#pragma once

namespace vantry {

class GameListener {
 public:
  virtual ~GameListener() = default;
  // A new puzzle, or the puzzle in play taken back to its start: the
  // highlighting goes off (cell colouring is the platform's).
  virtual void highlighting_reset() = 0;

 protected:
  GameListener() = default;
  GameListener(const GameListener&) = default;
  GameListener& operator=(const GameListener&) = default;
};

}  // namespace vantry
