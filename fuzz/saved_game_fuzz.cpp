// The saved-game reader. Property: a game that reads is written back, and
// what was written reads again and writes back the same text, with the same
// history position.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "game/saved_game.h"
#include "model/board.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantry;
  if (size > kMaxSavedGameBytes) return 0;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  Board board;
  SavedGameTrailer trailer;
  if (!read_saved_game(in, board, trailer)) return 0;

  std::ostringstream first;
  write_saved_game(first, board, trailer.difficulty, trailer.stats);
  std::istringstream again_in(first.str());
  Board again;
  SavedGameTrailer again_trailer;
  fuzz::check(read_saved_game(again_in, again, again_trailer), "a written game reads back");
  std::ostringstream second;
  write_saved_game(second, again, again_trailer.difficulty, again_trailer.stats);
  fuzz::check(first.str() == second.str(), "a written game reopens identically");
  fuzz::check(again.size() == board.size() && again.current_index() == board.current_index(),
              "a written game keeps its history and position");
  return 0;
}
