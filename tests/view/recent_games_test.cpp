// File > Recent games: what goes on the list and in which order, how the
// numbered keys are stored, the menu's texts, and a game that is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "classlib/inifile.h"
#include "view_fixture.h"
#include "view/grid_window.h"
#include "game/recent_games.h"

namespace vantry::testing {
namespace {

class RecentGamesTest : public ViewTest {
 protected:
  IniFile& settings() { return game.settings(); }
  std::vector<std::string> list() { return recent_games(settings()); }

  // Saves the pasted puzzle under name through Save As.
  std::string save_as(const std::string& name) {
    const std::string path = folder.file(name);
    platform.file_answers.push_back(path);
    EXPECT_TRUE(game.save_as());
    return path;
  }
};

TEST_F(RecentGamesTest, SavedAndOpenedGamesGoOnTopEightAtMost) {
  paste_puzzle();
  std::vector<std::string> saved;
  for (int i = 1; i <= 10; ++i) saved.push_back(save_as("game" + std::to_string(i) + ".spz"));
  // The newest first, the two oldest dropped.
  ASSERT_EQ(list().size(), 8u);
  EXPECT_EQ(list().front(), saved[9]);
  EXPECT_EQ(list().back(), saved[2]);

  // Opening a game on the list moves it to the top without a second entry.
  platform.file_answers.push_back(saved[4]);
  game.open();
  ASSERT_EQ(list().size(), 8u);
  EXPECT_EQ(list().front(), saved[4]);
  EXPECT_EQ(list()[1], saved[9]);

  // Stored as the numbered keys File1 ... File8 of RecentGames.
  char buffer[4096];
  settings().read_string(kRecentGamesSection, "File1", "", buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer), saved[4]);
  settings().read_string(kRecentGamesSection, "File8", "", buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer), saved[2]);

  // A failed open changes nothing.
  const auto before = list();
  platform.file_answers.push_back(folder.file("none.spz"));
  game.open();
  EXPECT_EQ(list(), before);
}

TEST_F(RecentGamesTest, TheMenuShowsTheNamesAndChoosingOneOpensIt) {
  EXPECT_EQ(grid.menu_text(kCmdRecentGame1), "(No recent games)");
  EXPECT_EQ(grid.menu_item_id(kCmdRecentGame1), kCmdNoRecentGames);
  EXPECT_EQ(grid.menu_text(kCmdRecentGame1 + 1), "");

  paste_puzzle();
  const std::string first = save_as("first & best.spz");
  save_as("second.spz");
  EXPECT_EQ(grid.menu_text(kCmdRecentGame1), "&1 second.spz");
  EXPECT_EQ(grid.menu_text(kCmdRecentGame1 + 1), "&2 first && best.spz");
  EXPECT_EQ(grid.menu_item_id(kCmdRecentGame1), kCmdRecentGame1);
  EXPECT_EQ(grid.menu_text(kCmdRecentGame1 + 2), "");

  // Choosing the second opens it (the game in play was saved: no question).
  game.board().current().set_answer(0, 2, right_digit(0, 2));
  platform.answers.push_back(MessageAnswer::No);  // do not save the change
  EXPECT_TRUE(grid.run_command(kCmdRecentGame1 + 1));
  EXPECT_EQ(current().cell(0, 2).answer, 0);
  EXPECT_EQ(list().front(), first);
}

TEST_F(RecentGamesTest, AGameThatIsGoneIsTakenOffWithAMessage) {
  paste_puzzle();
  const std::string kept = save_as("kept.spz");
  const std::string gone = save_as("gone.spz");
  std::filesystem::remove(gone);
  platform.messages.clear();
  grid.run_command(kCmdRecentGame1);
  expect_message(recent_game_missing_text(gone), "Vantry", MessageIcon::Exclamation);
  EXPECT_EQ(list(), std::vector<std::string>{kept});
  // The game in play is untouched.
  EXPECT_TRUE(game.puzzle_valid());
}

TEST_F(RecentGamesTest, DamagedEntriesInTheSettingsAreSkipped) {
  settings().write_string(kRecentGamesSection, "File1", "/a.spz");
  settings().write_string(kRecentGamesSection, "File2", "/a.spz");
  settings().write_string(kRecentGamesSection, "File3", "/b.spz");
  settings().write_string(kRecentGamesSection, "File5", "/after-a-gap.spz");
  EXPECT_EQ(list(), (std::vector<std::string>{"/a.spz", "/b.spz"}));
  forget_recent_game(settings(), "/a.spz");
  EXPECT_EQ(list(), std::vector<std::string>{"/b.spz"});
}

}  // namespace
}  // namespace vantry::testing
