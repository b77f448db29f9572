#include <gtest/gtest.h>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Bug = StrategyFixture;

constexpr const char* kSolved =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

// A solved grid whose listed cells are open again, each with its possibilities.
void open_cells(State& s, std::initializer_list<std::pair<int, std::initializer_list<int>>> cells) {
  s = grid(kSolved);
  for (const auto& [index, digits] : cells) {
    s.reset_cell(index / 9, index % 9);
    only(s, index / 9, index % 9, digits);
  }
}

TEST_F(Bug, TheDigitTheRowHoldsAnOddNumberOfTimes) {
  State& s = current();
  // Row 1: T {2,5,8}, {2,5}, {5,8}; 2 twice, 5 three times, 8 twice. The
  // column of T holds 2 three times: only the row counts.
  open_cells(s, {{0, {2, 5, 8}}, {3, {2, 5}}, {6, {5, 8}}, {9, {2, 4}}, {18, {2, 7}}});
  EXPECT_EQ(hint_with(find_bug, 15, 0, kBigHint), 15);
  EXPECT_EQ(last_dialog().text,
            "If 5 were removed as a possibility in cell 1,1, all of the remaining unsolved cells "
            "would have exactly two possibilities, meaning the puzzle would have two solutions. As "
            "this is not possible, cell 1,1 must be 5.");
  EXPECT_EQ(last_dialog().template_id, 1502);
  EXPECT_EQ(s.cell(0, 0).cellMark, kMarkRemove);
  EXPECT_EQ(s.cell(0, 0).digitMark[5], kMarkAnswer);
  hint_with(find_bug, 15, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for a BUG with the value 5");
  EXPECT_EQ(apply_with(engine.busy(), find_bug, 15, s, 0), 15);
  EXPECT_EQ(s.cell(0, 0).answer, 5);
}

TEST_F(Bug, AnyOtherShapeIsNoMove) {
  State s;
  open_cells(s, {{0, {2, 5, 8}}, {3, {2, 5}}, {6, {5, 8}}, {40, {1, 2, 3, 4}}});
  EXPECT_EQ(apply_with(engine.busy(), find_bug, 15, s, 0), 0);  // a cell with four
  open_cells(s, {{0, {2, 5, 8}}, {3, {2, 5}}, {6, {5, 8}}, {40, {1}}});
  EXPECT_EQ(apply_with(engine.busy(), find_bug, 15, s, 0), 0);  // a cell with one
  open_cells(s, {{0, {2, 5, 8}}, {3, {2, 5}}, {6, {5, 8}}, {40, {1, 2, 3}}});
  EXPECT_EQ(apply_with(engine.busy(), find_bug, 15, s, 0), 0);  // two trivalue cells
  open_cells(s, {{0, {2, 5}}, {3, {2, 5}}});
  EXPECT_EQ(apply_with(engine.busy(), find_bug, 15, s, 0), 0);  // all bivalue
  open_cells(s, {});
  EXPECT_EQ(apply_with(engine.busy(), find_bug, 15, s, 0), 0);  // solved
  open_cells(s, {{0, {2, 5, 8}}, {3, {1, 2}}, {6, {1, 5}}, {7, {4, 8}}});
  EXPECT_EQ(apply_with(engine.busy(), find_bug, 15, s, 0), 0);  // every digit of T even in its row
}

}  // namespace
}  // namespace vantry::testing
