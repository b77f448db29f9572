#include <gtest/gtest.h>

#include "basic_steps.h"
#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using WeakChains = StrategyFixture;

// Expert puzzles of the corpus, after the basic steps.
constexpr std::string_view kChainMove =
    "....72....7.85......2..4....86.1....91.28.......9.7....9....1.416....5.2.2..6879.";

TEST_F(WeakChains, CancelEndsTheSearchWithNoMove) {
  current() = basic_position(engine, kChainMove);
  busy.cancel();
  engine.set_purpose(EnginePurpose::Apply);
  const State before = current();
  EXPECT_EQ(apply_with(engine.busy(), find_weak_singles_chain, 41, current(), 0), 0);
  EXPECT_EQ(current().cell(5, 1).possible[3], before.cell(5, 1).possible[3]);
}

}  // namespace
}  // namespace vantry::testing
