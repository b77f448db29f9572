#include "game/recent_games.h"

#include <filesystem>
#include <system_error>

#include "classlib/inifile.h"
#include "classlib/system_services.h"
#include "game/game.h"
#include "strategy/game_messages.h"

namespace vantry {

namespace {

std::string key_name(int i) { return "File" + std::to_string(i + 1); }

// Paths are at most this long in the settings file.
constexpr int kPathBuffer = 4096;

void store(IniFile& settings, const std::vector<std::string>& before, const std::vector<std::string>& after) {
  for (int i = 0; i < kRecentGamesMax; ++i) {
    const std::string old_value = i < static_cast<int>(before.size()) ? before[static_cast<std::size_t>(i)] : "";
    const std::string new_value = i < static_cast<int>(after.size()) ? after[static_cast<std::size_t>(i)] : "";
    if (old_value != new_value) settings.write_string(kRecentGamesSection, key_name(i).c_str(), new_value.c_str());
  }
}

std::string absolute_path(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

// The item's place in the list, or -1.
int slot_of(int id) { return is_recent_game_command(id) ? id - kCmdRecentGame1 : -1; }

}  // namespace

bool is_recent_game_command(int id) { return id >= kCmdRecentGame1 && id < kCmdRecentGame1 + kRecentGamesMax; }

std::vector<std::string> recent_games(IniFile& settings) {
  std::vector<std::string> list;
  char buffer[kPathBuffer];
  for (int i = 0; i < kRecentGamesMax; ++i) {
    settings.read_string(kRecentGamesSection, key_name(i).c_str(), "", buffer, kPathBuffer);
    const std::string path = buffer;
    if (path.empty()) break;
    bool seen = false;
    for (const std::string& p : list) seen = seen || p == path;
    if (!seen) list.push_back(path);
  }
  return list;
}

void remember_recent_game(IniFile& settings, const std::string& path) {
  if (path.empty() || path.size() >= kPathBuffer) return;
  const std::string absolute = absolute_path(path);
  const std::vector<std::string> before = recent_games(settings);
  std::vector<std::string> after{absolute};
  for (const std::string& p : before) {
    if (p != absolute && static_cast<int>(after.size()) < kRecentGamesMax) after.push_back(p);
  }
  store(settings, before, after);
}

void forget_recent_game(IniFile& settings, const std::string& path) {
  const std::vector<std::string> before = recent_games(settings);
  std::vector<std::string> after;
  for (const std::string& p : before) {
    if (p != path) after.push_back(p);
  }
  store(settings, before, after);
}

std::string recent_game_menu_text(IniFile& settings, int id) {
  const int slot = slot_of(id);
  if (slot < 0) return {};
  const std::vector<std::string> list = recent_games(settings);
  if (list.empty() && slot == 0) return "(No recent games)";
  if (slot >= static_cast<int>(list.size())) return {};
  // The file's name after its number; an '&' in it is shown as itself.
  std::string text = "&";
  text += std::to_string(slot + 1);
  text += ' ';
  for (char ch : std::filesystem::path(list[static_cast<std::size_t>(slot)]).filename().string()) {
    text += ch;
    if (ch == '&') text += '&';
  }
  return text;
}

int recent_game_menu_id(IniFile& settings, int id) {
  if (slot_of(id) == 0 && recent_games(settings).empty()) return kCmdNoRecentGames;
  return id;
}

std::string recent_game_missing_text(const std::string& path) {
  return path + "\n\nThis saved game is no longer there.\nIt has been removed from the list of recent games.";
}

void open_recent_game(Game& game, int id) {
  IniFile& settings = game.settings();
  const std::vector<std::string> list = recent_games(settings);
  const int slot = slot_of(id);
  if (slot < 0 || slot >= static_cast<int>(list.size())) return;
  const std::string path = list[static_cast<std::size_t>(slot)];
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    forget_recent_game(settings, path);
    game.services().message_box(recent_game_missing_text(path), kProductName, MessageIcon::Exclamation,
                                MessageButtons::Ok);
    game.view().menus_changed();
    return;
  }
  game.open_file(path);
}

}  // namespace vantry
