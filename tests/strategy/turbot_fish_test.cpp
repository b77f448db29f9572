#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using TurbotFish = StrategyFixture;

TEST_F(TurbotFish, RowLinkThenBoxLinkInXsStack) {
  State& s = current();
  keep_only_at(s, UnitKind::Row, 0, 3, {0, 5});  // Y = r1c6, X = r1c1
  keep_only_at(s, UnitKind::Box, 3, 3, {0, 5});  // E = r4c1, O = r5c3
  EXPECT_EQ(hint_with(find_turbot_fish, 12, 0, kBigHint), 12);
  EXPECT_EQ(last_dialog().text,
            "Cell 1,6 is either 3 or it isn't 3. If it isn't, then cell 5,3 must be 3. In either "
            "case, cell 5,6 cannot be 3.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(s.cell(0, 5).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(4, 2).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(0, 0).cellMark, kMarkShow);
  EXPECT_EQ(s.cell(3, 0).digitMark[3], kMarkShow);
  EXPECT_EQ(s.cell(4, 5).digitMark[3], kMarkRemove);

  hint_with(find_turbot_fish, 12, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for turbot fish with the value 3");
  EXPECT_EQ(apply_with(engine.busy(), find_turbot_fish, 12, s, 0), 12);
  EXPECT_FALSE(s.cell(4, 5).possible[3]);
}

TEST_F(TurbotFish, EndsInOneColumnLoseTheRestOfIt) {
  State& s = current();
  // Y = r1c5 - X = r1c1 in row 1, X sees E = r7c1, E - O = r7c5 in row 7.
  keep_only_at(s, UnitKind::Row, 0, 6, {0, 4});
  keep_only_at(s, UnitKind::Row, 6, 6, {0, 4});
  keep_only_at(s, UnitKind::Column, 4, 6, {0, 3, 6, 8});
  EXPECT_EQ(hint_with(find_turbot_fish, 12, 0, kBigHint), 12);
  EXPECT_EQ(last_dialog().text,
            "Cell 1,5 is either 6 or it isn't 6. If it isn't, then cell 7,5 must be 6. In either "
            "case, cells 4,5 and 9,5 cannot be 6.");
}

TEST_F(TurbotFish, UnitsWithThreeCandidatesTakeNoPart) {
  State& s = current();
  keep_only_at(s, UnitKind::Row, 0, 3, {0, 5, 8});
  keep_only_at(s, UnitKind::Box, 3, 3, {0, 5});
  EXPECT_EQ(apply_with(engine.busy(), find_turbot_fish, 12, s, 0), 0);
}

}  // namespace
}  // namespace vantry::testing
