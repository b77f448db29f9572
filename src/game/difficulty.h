// The difficulty of the puzzle in play: an index 0-8 into these names, kept
// with a saved game and shown in the window title. 0 means not rated yet.
#pragma once

#include <string_view>

namespace vantry {

inline constexpr std::string_view kDifficultyNames[] = {
    "not rated", "Easy",       "Medium",     "Hard",
    "Expert",    "Devious",    "Sadistic",   "Superhuman",
    "May the Force be with you",
};
inline constexpr int kDifficultyCount = 9;

inline bool is_difficulty(int index) { return index >= 0 && index < kDifficultyCount; }

}  // namespace vantry
