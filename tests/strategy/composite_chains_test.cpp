#include <gtest/gtest.h>
#include <pthread.h>

#include "basic_steps.h"
#include "strategy/finders/finders.h"
#include "strategy/finders/peers.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using CompositeChains = StrategyFixture;

constexpr std::string_view kChainMove =
    ".2.48...7.....1....6..3..12....4.8.585.1......36....2..........2..875.63...3..7.4";
constexpr std::string_view kContradiction =
    "....72....7.85......2..4....86.1....91.28.......9.7....9....1.416....5.2.2..6879.";
// Its composite chain search goes 30 working boards deep.
constexpr std::string_view kDeep = ".5..4.8...6.5....9...............1.....23...7..1..7..2..4.9.....376....5..87...2.";

// The deep searches run on a thread whose stack is far smaller than a
// recursion holding one State per level would need (30 levels of about 9 KB),
// and must find exactly what they find on the main thread.
struct SmallStackRun {
  const State* position;
  Finder finder;
  int n;
  int result = 0;
  State after;
};

void* run_finder(void* arg) {
  auto* run = static_cast<SmallStackRun*>(arg);
  FakePlatform platform;
  BusyManager busy(platform);
  run->after = *run->position;
  run->result = apply_with(busy, run->finder, run->n, run->after, 0);
  return nullptr;
}

void run_on_small_stack(SmallStackRun& run) {
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, 160 * 1024);
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, &attr, run_finder, &run), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
}

TEST_F(CompositeChains, DeepSearchesFitASmallStackAndFindTheSameMoves) {
  for (const std::string_view puzzle : {kDeep, kChainMove, kContradiction}) {
    const State position = basic_position(engine, puzzle);
    for (const auto& [finder, n] : {std::pair<Finder, int>{find_composite_chain, 43}, {find_weak_singles_chain, 41}}) {
      SmallStackRun run{&position, finder, n, 0, State()};
      run_on_small_stack(run);
      State expected = position;
      EXPECT_EQ(run.result, apply_with(busy, finder, n, expected, 0)) << puzzle;
      for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
          EXPECT_EQ(possibility_mask(run.after.cell(r, c)), possibility_mask(expected.cell(r, c)));
          EXPECT_EQ(run.after.cell(r, c).answer, expected.cell(r, c).answer);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vantry::testing
