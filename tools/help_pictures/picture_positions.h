// The positions the strategy guides show, one a line in a plain text file:
//
//   <picture> <table number> <givens> <moves> -> <marks>
//
// picture names the PNG (images/<picture>.png); the table number is the
// strategy the engine's search finds next there, or N/M for a pattern that the
// search always finds first as strategy M (an XY-wing chain is also a pairs
// chain): the picture then shows what strategy N's own finder marks, and the
// search must give M with the same move. The givens are 81 characters,
// '1'-'9' for a given and '.' for an empty cell; the moves lead from the
// givens to the position in vantry-cli's notation (r<row>c<column>=<digit>
// for an answer the player placed, r<row>c<column><><digit> for a removed
// possibility); the marks are the move the Big hint shows there, written the
// way "vantry-cli hint --level big" writes them. An extended strategy
// (45-55) is the next move with the search going on beyond the standard
// strategies. Blank lines and lines starting with '#' are skipped.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

class ConsolePlatform;
class Game;
class State;

struct PicturePosition {
  std::string picture;
  int strategy = 0;
  int found_first_as = 0;  // M of N/M, else 0
  std::string givens;
  std::string moves;
  std::string marks;
  int line = 0;  // in the file, for messages
};

// Every position of the file; a line that cannot be read adds its reason
// (with the line number) to errors.
std::vector<PicturePosition> read_picture_positions(std::istream& in, std::vector<std::string>& errors);

// The position as a State: the givens, then the player's answers, then the
// removals. Returns the reason when the text is not a position, else "".
std::string build_position(const PicturePosition& position, State& s);

// s in play in game, the search going beyond the standard strategies when
// the position pictures an extended one.
void show_position(const PicturePosition& position, const State& s, Game& game);

// The moves a player made from start to now, in the file's notation.
std::string moves_between(const State& start, const State& now);

// A line of the file for a position (without its trailing newline).
std::string picture_line(const std::string& picture, int strategy, const State& start, const State& now,
                         const std::string& marks);

// What the Big hint command shows on the game's current State: the table
// number of the strategy in the dialog's title (0 for none), and the marked
// move. The marks stay on the State (the hint is answered No).
struct BigHintShown {
  int strategy = 0;
  std::string marks;
};
BigHintShown big_hint(Game& game, ConsolePlatform& platform);
// The same, asking only strategy n's own finder (its row must have one).
BigHintShown big_hint_of(Game& game, ConsolePlatform& platform, int n);
// What the position's picture shows: big_hint, or big_hint_of for N/M.
BigHintShown pictured_hint(const PicturePosition& position, Game& game, ConsolePlatform& platform);

}  // namespace vantry
