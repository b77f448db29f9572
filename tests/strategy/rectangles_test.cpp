// Unique rectangles beyond what the finder describes (its moves are cases in
// tests/data/finder_edges.txt): a type 3 reached on the way through a
// puzzle, applied and answered Yes, changes only what the cells held.
#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy/hint_command.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Rectangles = StrategyFixture;

TEST_F(Rectangles, Type3TakesOnlyTheExtraDigitsEachCellHolds) {
  // Here 4 and 9 go from r4c4 and 4 from r5c4; r5c4's 9 was taken by the
  // given 9 in r5c8 long before.
  State s = grid("51.6.7849.8...4..54............2...6.58....9...31.528.8......5........1..6.37....");
  ASSERT_TRUE(advance_to(engine, s, 30));
  ASSERT_TRUE(s.cell(4, 3).answer == 0 && !s.cell(4, 3).possible[9]);

  State applied = s;
  engine.set_purpose(EnginePurpose::Apply);
  EXPECT_EQ(apply_with(engine.busy(), find_unique_rectangle, 28, applied, 0), 30);
  EXPECT_EQ(real_changes(s, applied), 3);

  // Yes on the Big hint: three moves, and nothing crossed out that the player never had.
  current() = s;
  platform.hint_answers.push_back(6);
  hint_command(host, engine, HintLevel::Big);
  ASSERT_EQ(last_dialog().title, "Unique rectangle (type 3)");
  EXPECT_EQ(host.moves_made, 3);
  EXPECT_EQ(real_changes(s, current()), 3);
}

}  // namespace
}  // namespace vantry::testing
