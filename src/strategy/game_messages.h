// The texts of the messages more than one command of the game shows, the
// hint command among them (so they live with it, below the game).
#pragma once

namespace vantry {

inline constexpr const char* kProductName = "Vantry";
inline constexpr const char* kFinishEnteringText = "Please finish entering the puzzle\nbefore doing this.";
inline constexpr const char* kNoPuzzleText =
    "There is no valid puzzle yet!\n\nPlease enter one using File|Enter puzzle\nor create one "
    "using File|Create new.";
inline constexpr const char* kCongratulationsText = "Congratulations!  You solved the puzzle!";

}  // namespace vantry
