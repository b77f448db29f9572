// Menus as data: the menu tree and its accelerators, the Practice submenu in
// both orders; and the text of Show answers. The commands' effects are scripted
// scenarios (grid_scenarios_test).
#include <gtest/gtest.h>

#include <set>

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

TEST_F(ViewTest, ShowAnswers) {
  paste_puzzle();
  grid.run_command(kCmdShowAnswers);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "Answers");
  const std::string& text = platform.messages[0].text;
  EXPECT_EQ(text.substr(0, 47), "5    3    4    6    7    8    9    1    2\n6    ");
  EXPECT_EQ(text.size(), 9u * (9 + 8 * 4 + 1));
  EXPECT_EQ(text.back(), '\n');
}

}  // namespace
}  // namespace vantry::testing
