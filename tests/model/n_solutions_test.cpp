// n_solutions as the game uses it: the cache, the pre-check, the player's
// deletions, clashing answers, and interruption. (The recorded solution is
// checked against the solution path on corpus samples.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "model/busy_manager.h"
#include "model/n_solutions.h"
#include "model/state.h"
#include "support/corpus.h"
#include "support/fake_platform.h"

namespace vantry {
namespace {

using testing::FakePlatform;

State puzzle(const std::string& line) {
  State s;
  for (int i = 0; i < 81; ++i) {
    if (line[i] >= '1' && line[i] <= '9') s.set_answer(i / 9, i % 9, line[i] - '0');
  }
  s.mark_givens();
  return s;
}

// The first line of a corpus file.
std::string first_of(const std::string& file) { return testing::read_lines(testing::corpus_path(file)).at(0); }

struct Counting : ::testing::Test {
  FakePlatform platform;
  BusyManager busy{platform};
  SolutionCounter counter{busy};
};

TEST_F(Counting, ClassifiesAndCachesTheCount) {
  State unique = puzzle(first_of("a_qqwing_any_2000.txt"));
  EXPECT_EQ(counter.n_solutions(unique), 1);
  EXPECT_EQ(unique.solutionCount, 1);
  State empty;
  EXPECT_EQ(counter.n_solutions(empty), 2);
  State none = puzzle(first_of("e_nosol_wrong_clue_500.txt"));
  EXPECT_EQ(counter.n_solutions(none), 0);
  EXPECT_EQ(none.solutionCount, 0);

  // A cached count is trusted even when the cells changed behind its back.
  unique.row(0).remove_digit_everywhere(1, true);
  unique.row(0).remove_digit_everywhere(2, true);
  EXPECT_EQ(counter.n_solutions(unique), 1);
}

TEST_F(Counting, TheFullGridCountsOnceUnlessItsAnswersClash) {
  const auto solution = testing::read_lines(testing::corpus_path("solutions/a_qqwing_any_2000.txt")).at(0);
  State full = puzzle(solution);
  EXPECT_EQ(counter.n_solutions(full), 1);
  std::string clashing = solution;
  std::swap(clashing[0], clashing[1]);  // two digits swapped: their columns now clash
  State broken = puzzle(clashing);
  EXPECT_EQ(counter.n_solutions(broken), 0);
}

TEST_F(Counting, ThePlayersDeletionsCount) {
  const auto line = first_of("a_qqwing_any_2000.txt");
  const auto solution = testing::read_lines(testing::corpus_path("solutions/a_qqwing_any_2000.txt")).at(0);
  const int empty_cell = static_cast<int>(line.find('.'));
  const int r = empty_cell / 9, c = empty_cell % 9;
  const int right = solution[empty_cell] - '0';

  State wrong_deletion = puzzle(line);
  wrong_deletion.row(r).delete_possibility(c, right);
  EXPECT_EQ(counter.n_solutions(wrong_deletion), 0);

  State harmless = puzzle(line);
  for (int d = 1; d <= 9; ++d) {
    if (d != right) harmless.row(r).delete_possibility(c, d);
  }
  EXPECT_EQ(counter.n_solutions(harmless), 1);
}

TEST_F(Counting, ADigitWithNoPlaceInABoxNeedsNoSearch) {
  State s;
  for (int p = 0; p < 9; ++p) s.box(4).delete_possibility(p, 7);
  EXPECT_FALSE(every_digit_has_a_place(s));
  EXPECT_EQ(counter.n_solutions(s), 0);
  EXPECT_EQ(platform.pumps, 0);
  State placed;
  placed.set_answer(4, 4, 7);  // 7 is placed in box 4, so it needs no place there
  EXPECT_TRUE(every_digit_has_a_place(placed));
}

TEST_F(Counting, CancelInterruptsAndLeavesTheCacheUnknown) {
  counter.set_poll_interval(std::chrono::microseconds(0));
  State s = puzzle(testing::read_lines(testing::corpus_path("f_slow_multi_4.txt")).at(0));
  busy.start(kBusyCheckingSolution);
  platform.on_pump[1].push_back([&] { platform.press_cancel(); });
  EXPECT_EQ(counter.n_solutions(s), -1);
  EXPECT_EQ(s.solutionCount, -1);
  busy.end(kBusyCheckingSolution);
  EXPECT_EQ(counter.n_solutions(s), 2);  // the next count searches again
}

TEST_F(Counting, TheAbortFlagInterruptsWithoutABusyPhase) {
  counter.set_poll_interval(std::chrono::microseconds(0));
  State s;  // the empty grid: the count must guess at once
  // The generator's attempt timer fires while the count lets events through.
  platform.start_timer(1, 5000, [&] { counter.set_abort(true); });
  platform.on_pump[1].push_back([&] { platform.fire_timer(1); });
  EXPECT_EQ(counter.n_solutions(s), -1);
  EXPECT_EQ(s.solutionCount, -1);
  counter.set_abort(false);
  EXPECT_EQ(counter.n_solutions(s), 2);
}

using CountingDeathTest = Counting;

TEST_F(CountingDeathTest, ACloseRequestInterruptsWithOrWithoutAPhase) {
  // Run in a child whose exit code 3 says every count came back as it should.
  EXPECT_EXIT(
      {
        counter.set_poll_interval(std::chrono::microseconds(0));
        State s = puzzle(testing::read_lines(testing::corpus_path("f_slow_multi_4.txt")).at(0));
        platform.on_pump[1].push_back([&] { platform.close_was_requested = true; });
        bool ok = counter.n_solutions(s) == -1;
        busy.start(kBusyCheckingSolution);
        ok = ok && counter.n_solutions(s) == -1 && busy.cancel_pressed();
        busy.end(kBusyCheckingSolution);
        platform.close_was_requested = false;  // the close was refused
        ok = ok && counter.n_solutions(s) == 2;
        std::exit(ok ? 3 : 4);
      },
      ::testing::ExitedWithCode(3), "");
}

TEST_F(Counting, CancelOutsideAPhaseIsIgnored) {
  counter.set_poll_interval(std::chrono::microseconds(0));
  busy.cancel();  // a stale click with no phase running
  State s = puzzle(testing::read_lines(testing::corpus_path("f_slow_unique_4.txt")).at(0));
  EXPECT_EQ(counter.n_solutions(s), 1);
}

}  // namespace
}  // namespace vantry
