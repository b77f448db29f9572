// Menus as data and the grid window's commands: the menu tree and its
// accelerators, the Practice submenu in both orders, the display toggles and
// their rules, stored preferences, the moving shortcut labels, Show answers.
#include <gtest/gtest.h>

#include <set>

#include "classlib/inifile.h"
#include "game/commands.h"
#include "view/menus.h"
#include "view_fixture.h"
#include "strategy/strategy_table.h"

namespace vantry::testing {
namespace {

void collect_ids(std::span<const MenuItem> items, std::multiset<int>& ids) {
  for (const MenuItem& item : items) {
    if (item.is_submenu()) collect_ids(item.submenu, ids);
    else if (!item.is_separator()) ids.insert(item.id);
  }
}

TEST(MenusTest, TreeAcceleratorsAndPracticeSubmenu) {
  std::multiset<int> ids;
  collect_ids(kMenuBar, ids);
  for (int id : ids) EXPECT_EQ(ids.count(id), 1u) << id;
  EXPECT_EQ(find_menu_item(kCmdSolveSinglesNow)->text, "Solve naked singles now\bS");
  EXPECT_EQ(accelerator_command('N', true, false), kCmdCreateAgain);
  EXPECT_EQ(accelerator_command('N', false, false), kCmdHighlightNext);
  EXPECT_EQ(accelerator_command('Z', false, false), 0);

  const auto alphabetical = practice_menu(false);
  ASSERT_EQ(alphabetical.size(), static_cast<size_t>(kStrategyRows));
  for (size_t i = 1; i < alphabetical.size(); ++i) {
    EXPECT_LT(alphabetical[i - 1].name, alphabetical[i].name);
  }
  EXPECT_EQ(alphabetical[0].name, "Avoidable rectangle (type 1)");
  EXPECT_EQ(alphabetical[0].id, kCmdPracticeBase + 34);
  // By difficulty: table order with a separator between levels.
  const auto by_level = practice_menu(true);
  int separators = 0;
  for (size_t i = 0; i < by_level.size(); ++i) {
    if (by_level[i].id != 0) continue;
    ++separators;
    const int before = by_level[i - 1].id - kCmdPracticeBase, after = by_level[i + 1].id - kCmdPracticeBase;
    EXPECT_NE(kStrategyTable[before - 1].level, kStrategyTable[after - 1].level);
  }
  EXPECT_EQ(separators, 3);
  EXPECT_EQ(by_level[0].name, "Naked single");
}

class Commands : public ViewTest {
 protected:
  IniFile& settings() { return grid.settings(); }
};

TEST_F(Commands, DisplayTogglesPullEachOtherAndPersist) {
  grid.run_command(kCmdSolveSingles);
  EXPECT_TRUE(grid.menu_checked(kCmdSolveSingles));
  EXPECT_TRUE(grid.menu_checked(kCmdSingles));
  EXPECT_EQ(settings().read_integer(kSingles), 1);
  grid.run_command(kCmdSingles);
  EXPECT_FALSE(grid.switches().solve_singles);
  EXPECT_EQ(settings().read_integer(kSolveSingles), 0);

  // Hiding answers greys "Indicate which cells you solved" and stops it.
  grid.run_command(kCmdUserAnswers);
  grid.run_command(kCmdHideAnswers);
  EXPECT_EQ(grid.menu_item_id(kCmdUserAnswers), kCmdUserAnswersDisabled);
  EXPECT_EQ(grid.menu_text(kCmdUserAnswersDisabled), "Indicate which cells you solved");
  EXPECT_TRUE(grid.menu_checked(kCmdUserAnswersDisabled));
  grid.run_command(kCmdUserAnswers);
  EXPECT_TRUE(grid.switches().user_answers);
  EXPECT_FALSE(grid.run_command(kCmdUserAnswersDisabled));
  grid.run_command(kCmdHideAnswers);
  EXPECT_EQ(grid.menu_item_id(kCmdUserAnswers), kCmdUserAnswers);
  grid.run_command(kCmdUserAnswers);
  EXPECT_FALSE(grid.switches().user_answers);
  EXPECT_EQ(settings().read_integer(kUserAns), 0);
}

TEST_F(Commands, StoredPreferencesPlacementAndColouringChoice) {
  grid.run_command(kCmdPrintInColor);
  grid.run_command(kCmdPrintBig);
  EXPECT_EQ(settings().read_integer(kPrintInColor), 0);
  EXPECT_FALSE(grid.menu_checked(kCmdPrintInColor));
  EXPECT_TRUE(grid.menu_checked(kCmdPrintBig));

  grid.run_command(kCmdListByDifficulty);
  expect_message("This change will take effect the next time you start Vantry.", "Vantry",
                 MessageIcon::None);
  EXPECT_EQ(settings().read_integer(kPracticeListOrder), 1);
  EXPECT_TRUE(grid.menu_checked(kCmdListByDifficulty));

  EXPECT_TRUE(grid.menu_checked(kCmdPaneRight));
  grid.run_command(kCmdPaneHide);
  EXPECT_EQ(settings().read_string(kButtonsPlacement), "Hide");
  EXPECT_EQ(platform.arranges, 1);
  EXPECT_TRUE(grid.menu_checked(kCmdPaneHide));
  EXPECT_FALSE(grid.menu_checked(kCmdPaneRight));
  settings().write_string(kButtonsPlacement, "left");  // a hand-edited value
  EXPECT_TRUE(grid.menu_checked(kCmdPaneLeft));

  grid.run_command(11898);
  EXPECT_EQ(settings().read_integer(kDefaultColoring), 11898);
  EXPECT_TRUE(grid.menu_checked(11898));
  EXPECT_FALSE(grid.menu_checked(kCmdColor1));
  EXPECT_EQ(grid.default_coloring_index(), 3);
}

TEST_F(Commands, ShortcutLabelsMoveWithTheChoice) {
  EXPECT_EQ(grid.menu_text(11901), "&Easy\bCtrl+N");
  game.choose_difficulty(Difficulty::Medium);
  EXPECT_EQ(grid.menu_text(11901), "&Easy");
  EXPECT_EQ(grid.menu_text(11902), "&Medium\bCtrl+N");
  EXPECT_EQ(settings().read_integer(kLastDifficulty), 11902);
  game.choose_difficulty(Difficulty::Superhuman);  // no item of its own: Sadistic carries the label
  EXPECT_EQ(grid.menu_text(11906), "&Sadistic\bCtrl+N");

  EXPECT_EQ(grid.menu_text(kCmdPracticeBase + 1), "Naked single\bShift+P");
  game.choose_strategy(9);
  EXPECT_EQ(grid.menu_text(kCmdPracticeBase + 1), "Naked single");
  EXPECT_EQ(grid.menu_text(kCmdPracticeBase + 9), "X-wing\bShift+P");
  game.choose_strategy(kStrategyRows + 1);
  EXPECT_EQ(game.chosen_strategy(), 1);
  EXPECT_GT(platform.menu_changes, 0);
}

TEST_F(Commands, ShowAnswersAndPause) {
  paste_puzzle();
  grid.run_command(kCmdShowAnswers);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "Answers");
  const std::string& text = platform.messages[0].text;
  EXPECT_EQ(text.substr(0, 47), "5    3    4    6    7    8    9    1    2\n6    ");
  EXPECT_EQ(text.size(), 9u * (9 + 8 * 4 + 1));
  EXPECT_EQ(text.back(), '\n');

  // Pausing needs a puzzle and stops the clock until Resume.
  game.start_clock();
  game.pause_game();
  EXPECT_TRUE(game.paused());
  EXPECT_FALSE(game.clock_running());
  game.resume_game();
  EXPECT_FALSE(game.paused());
  EXPECT_TRUE(game.clock_running());
}

}  // namespace
}  // namespace vantry::testing
