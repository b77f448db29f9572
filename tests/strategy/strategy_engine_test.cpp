#include <gtest/gtest.h>

#include <string_view>

#include "strategy/finders/finders.h"
#include "strategy/hint_command.h"
#include "strategy/strategy_table.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

TEST(StrategyTableDeathTest, TableLongerThanTheLimitIsAProgrammingError) {
  StrategyRow table[MAX_STRATEGIES + 1] = {};
  for (int i = 0; i < MAX_STRATEGIES; ++i) table[i].name = "row";
  int first[kLevels];
  EXPECT_DEATH(find_first_rows(table, first), "Assertion failed: i <= MAX_STRATEGIES, file src/strategy/strategy.cpp");
  table[MAX_STRATEGIES - 1].name = nullptr;  // 44 rows fit
  find_first_rows(table, first);
  EXPECT_EQ(first[0], 1);
}

TEST(StrategyModes, CompositeChainRunsOnlyWhenItMayBeNeeded) {
  FakePlatform platform;
  BusyManager busy(platform);
  Strategy engine(busy);
  EXPECT_FALSE(composite_chain_allowed(engine, false));  // creating an ordinary puzzle
  EXPECT_TRUE(composite_chain_allowed(engine, true));
  engine.set_strategies_used(true);
  EXPECT_TRUE(composite_chain_allowed(engine, false));
  engine.set_strategies_used(false);
  engine.set_practice_strategy(44);
  EXPECT_TRUE(composite_chain_allowed(engine, false));
  engine.set_practice_strategy(41);
  EXPECT_FALSE(composite_chain_allowed(engine, false));
  engine.set_practice_strategy(0);
  engine.set_purpose(EnginePurpose::Hint, HintLevel::Medium);
  EXPECT_TRUE(composite_chain_allowed(engine, false));
  engine.set_purpose(EnginePurpose::Apply);
  for (Difficulty difficulty : {Difficulty::Sadistic, Difficulty::Superhuman, Difficulty::Unsolvable}) {
    engine.set_requested_difficulty(difficulty);
    EXPECT_EQ(composite_chain_allowed(engine, false), difficulty != Difficulty::Sadistic)
        << difficulty_name(difficulty);
  }
}

using StrategySearch = StrategyFixture;

TEST_F(StrategySearch, SolvedGridHasNoMoveAndOnlyAHintSaysSo) {
  current() = grid("483921657967345821251876493548132976729564138136798245372689514814253769695417382");
  engine.set_purpose(EnginePurpose::Apply);
  EXPECT_EQ(engine.search(current(), true), kNoMove);
  EXPECT_TRUE(platform.messages.empty());
  host.level = HintLevel::Little;
  engine.set_purpose(EnginePurpose::Hint, HintLevel::Little);
  EXPECT_EQ(engine.search(current(), true), kNoMove);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].caption, "Vantry");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
}

TEST_F(StrategySearch, SinglesCountModeCountsEverySingleThenApplies) {
  // Three naked singles, and a 9 alone in its box, its row and its column.
  State& s = current();
  only(s, 0, 5, {1});
  only(s, 4, 4, {2});
  only(s, 8, 8, {3});
  keep_only_at(s, UnitKind::Box, 0, 9, {8});
  keep_only_at(s, UnitKind::Row, 2, 9, {2});
  keep_only_at(s, UnitKind::Column, 2, 9, {2});
  engine.reset_singles_count();
  engine.set_purpose(EnginePurpose::SinglesCount);
  EXPECT_EQ(engine.search(s, false), 1);
  EXPECT_EQ(engine.singles_count(), 3 + 3);
  EXPECT_EQ(engine.purpose(), EnginePurpose::Apply);
  EXPECT_EQ(s.cell(0, 5).answer, 1);  // the search went on and made the first move
  EXPECT_EQ(s.cell(4, 4).answer, 0);
}

TEST_F(StrategySearch, CancelledHintShowsNothingAndThePaneSaysCancelled) {
  // An open grid: no finder fires, and Cancel arrives at the first poll.
  platform.on_pump[1].push_back([&] { busy.cancel(); });
  hint_command(host, engine, HintLevel::Big);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.hint_dialogs.empty());
  EXPECT_FALSE(busy.is_busy());

  platform.pumps = 0;
  find_next_move(host, engine);
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(host.next_move_texts.size(), 1u);
  EXPECT_EQ(host.next_move_texts[0], "(cancelled)");
}

}  // namespace
}  // namespace vantry::testing
