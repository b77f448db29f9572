// Finned and sashimi X-wings: the wording with a single removal cell ("cell"
// and one space), which no case of tests/data/finder_edges.txt reaches.
#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

TEST(FinnedFish, SashimiWithASingleRemovalCell) {
  FakePlatform platform;
  BusyManager busy(platform);
  State t;
  keep_only_at(t, UnitKind::Row, 0, 5, {1, 7});
  keep_only_at(t, UnitKind::Row, 4, 5, {1, 6, 8});
  keep_only_at(t, UnitKind::Column, 7, 5, {0, 3});
  Move move;
  EXPECT_EQ(find_sashimi_x_wing(busy, 11, t, 0, move), 11);
  EXPECT_EQ(move.explanation(),
            "The value 5 appears either in cells 5,7 or cell 5,9, or cells 5,2 and 1,8. In both "
            "cases, cell 4,8 cannot be 5.");
}

}  // namespace
}  // namespace vantry::testing
