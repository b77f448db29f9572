// The difficulty of a puzzle: what the rating gives, what Create new aims at,
// what the window title and a saved game show. The engine hears it as the
// difficulty being created (Superhuman and beyond let composite chains run).
// The numbers outside the program translate at the edges: the index 0-8 a
// saved game stores (the enum's own order), the create command ids in
// game/commands.h, the command line's words in the CLI.
#pragma once

#include <string_view>

namespace vantry {

enum class Difficulty { NotRated, Easy, Medium, Hard, Expert, Devious, Sadistic, Superhuman, Unsolvable };

inline constexpr int kDifficultyCount = 9;

// "not rated", "Easy", ..., "Superhuman", and the saying an unsolvable
// puzzle gets: the window title, Rate puzzle, the solution path and the CLI.
constexpr std::string_view difficulty_name(Difficulty d) {
  constexpr std::string_view kNames[kDifficultyCount] = {
      "not rated", "Easy", "Medium", "Hard", "Expert", "Devious", "Sadistic", "Superhuman", "May the Force be with you",
  };
  return kNames[static_cast<int>(d)];
}

// The number a saved game keeps after its history; anything outside 0-8
// reads back as not rated.
constexpr int difficulty_index(Difficulty d) { return static_cast<int>(d); }
constexpr Difficulty difficulty_from_index(int index) {
  return index >= 0 && index < kDifficultyCount ? static_cast<Difficulty>(index) : Difficulty::NotRated;
}

}  // namespace vantry
