// File > Recent games: the last eight saved games opened or saved, newest
// first, kept in the settings file as the numbered keys File1 ... File8 of
// the section RecentGames (full paths; an empty or missing key ends the list).
// Everything here reads and writes the settings directly, so the list is the
// same for the menu, the commands and the next start.
#pragma once

#include <string>
#include <vector>

namespace vantry {

class Game;
class IniFile;

inline constexpr int kRecentGamesMax = 8;
inline constexpr const char* kRecentGamesSection = "RecentGames";
// The menu items of the list: kCmdRecentGame1 + 0 ... + 7, newest first.
inline constexpr int kCmdRecentGame1 = 11921;
// The id the first item carries while the list is empty; nothing handles it,
// so the item shows greyed.
inline constexpr int kCmdNoRecentGames = 18921;

bool is_recent_game_command(int id);

// The stored list, newest first: no empty entries, no path twice.
std::vector<std::string> recent_games(IniFile& settings);

// Puts the game's path (made absolute) at the top of the list, dropping the
// eighth when the list is full. Writes only the keys that change.
void remember_recent_game(IniFile& settings, const std::string& path);
// Takes the path off the list.
void forget_recent_game(IniFile& settings, const std::string& path);

// The menu's view of an item: its text ("&1 name.spz", or "(No recent games)"
// for the first while the list is empty, or "" when the item has no game and
// is not shown) and the id it carries.
std::string recent_game_menu_text(IniFile& settings, int id);
int recent_game_menu_id(IniFile& settings, int id);

// The command of an item: opens its game as Open does, with the save question
// first. A game that is no longer there is taken off the list with a message.
void open_recent_game(Game& game, int id);

// The message for a game that is gone.
std::string recent_game_missing_text(const std::string& path);

}  // namespace vantry
