// Singles chains and pairs chains with their contradictions: which chains are
// evaluated, which cells link, the rows the moves are reported under, the
// pairs chain's growing limit, Cancel, and the texts word for word.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "strategy/finders/finders.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

using Chains = StrategyFixture;

std::vector<std::pair<int, int>> hint_chain(const State& s) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < s.chain_length(); ++i) out.emplace_back(s.chain_row(i), s.chain_column(i));
  return out;
}

TEST_F(Chains, SinglesChainOfThreeIsNeverEvaluated) {
  // 1,1 - 1,3 (row 1 and box 1) - 5,3 (column 3): the ends of this odd chain
  // both see 5,1, which must keep its 5.
  State& s = current();
  keep_only_at(s, UnitKind::Box, 0, 5, {0, 2});
  keep_only_at(s, UnitKind::Row, 0, 5, {0, 2});
  keep_only_at(s, UnitKind::Column, 2, 5, {0, 4});
  EXPECT_EQ(apply_with(engine.busy(), find_singles_chain, 38, s, 0), 0);
  EXPECT_TRUE(s.cell(4, 0).possible[5]);
}

TEST_F(Chains, TwoCellSinglesChainLinkedOnlyByItsBox) {
  // Row 1 holds 5 three times, box 1 only twice: 1,1 and 1,3 are linked by
  // the box, and 1,7 sees both.
  State& s = current();
  keep_only_at(s, UnitKind::Box, 0, 5, {0, 2});
  keep_only_at(s, UnitKind::Row, 0, 5, {0, 2, 6});
  EXPECT_EQ(hint_with(find_singles_chain, 38, 0, kBigHint), 38);
  EXPECT_EQ(last_dialog().text,
            "Either cell 1,1 or cell 1,3 must be 5 because of the way their 5's are locked with the "
            "5's in the other highlighted cells.\n\nTherefore, 5 cannot be a possibility in cell 1,7.");
  EXPECT_EQ(last_dialog().template_id, 1503);
  EXPECT_EQ(hint_chain(s), (std::vector<std::pair<int, int>>{{0, 0}, {0, 2}}));
  EXPECT_EQ(s.cell(0, 6).digitMark[5], kMarkRemove);
}

TEST_F(Chains, SinglesChainContradictionThroughABoxLink) {
  // 5,1 - 9,1 - 9,5 - 5,5; 5,4 sees 5,1 and is linked to 5,5 only by box 5
  // (row 5 holds 5 three times).
  State& s = current();
  keep_only_at(s, UnitKind::Column, 0, 5, {4, 8});
  keep_only_at(s, UnitKind::Row, 8, 5, {0, 4});
  keep_only_at(s, UnitKind::Column, 4, 5, {4, 8});
  keep_only_at(s, UnitKind::Row, 4, 5, {0, 3, 4});
  keep_only_at(s, UnitKind::Box, 4, 5, {3, 4});
  State copy = s;
  EXPECT_EQ(hint_with(find_singles_chain, 38, 0, kBigHint), 39);
  EXPECT_EQ(last_dialog().text,
            "Cell 5,1 and cell 5,4 are in the same row so they cannot have the same value. However, "
            "if either cell were 5, then both must be 5 because of the way they are locked with the "
            "other highlighted cells.\n\nThis is impossible, so neither cell can be 5.  "
            "Furthermore, cells 9,5 also cannot be 5, and cells 9,1 and 5,5 must be 5.");
  EXPECT_EQ(last_dialog().title, "Singles chain contradiction");
  EXPECT_EQ(hint_chain(s), (std::vector<std::pair<int, int>>{{4, 0}, {8, 0}, {8, 4}, {4, 4}, {4, 3}}));
  EXPECT_EQ(s.cell(4, 0).digitMark[5], kMarkRemove);
  EXPECT_EQ(s.cell(4, 3).digitMark[5], kMarkRemove);
  EXPECT_EQ(s.cell(8, 0).digitMark[5], kMarkAnswer);
  EXPECT_EQ(s.cell(8, 4).digitMark[5], kMarkRemove);
  EXPECT_EQ(s.cell(4, 4).digitMark[5], kMarkAnswer);

  const State before = copy;
  EXPECT_EQ(apply_with(engine.busy(), find_singles_chain, 38, copy, 0), 39);
  EXPECT_EQ(copy.cell(8, 0).answer, 5);
  EXPECT_EQ(copy.cell(4, 4).answer, 5);
  EXPECT_FALSE(copy.cell(4, 0).possible[5]);
  EXPECT_FALSE(copy.cell(8, 4).possible[5]);
  EXPECT_FALSE(copy.cell(4, 3).possible[5]);
  // The two placements take 5 from the other cells, which is no deletion:
  // nothing is left crossed out beside a placed 5.
  EXPECT_EQ(real_changes(before, copy), 2);
  for (const auto& [r, c] : {std::pair{4, 0}, std::pair{8, 4}, std::pair{4, 3}}) {
    EXPECT_FALSE(copy.cell(r, c).deleted[5]) << r << c;
  }
}

TEST_F(Chains, TwoCellSinglesChainContradiction) {
  // 1,1 - 3,1 in column 1; 3,2 is 3,1's partner in row 3 and shares box 1 with 1,1.
  State& s = current();
  keep_only_at(s, UnitKind::Column, 0, 5, {0, 2});
  keep_only_at(s, UnitKind::Row, 2, 5, {0, 1});
  EXPECT_EQ(hint_with(find_singles_chain, 38, 0, kBigHint), 39);
  EXPECT_EQ(last_dialog().text,
            "Cell 1,1 and cell 3,2 are in the same box so they cannot have the same value. However, "
            "if either cell were 5, then both must be 5 because of the way they are locked with the "
            "other highlighted cells.\n\nThis is impossible, so neither cell can be 5.  "
            "Furthermore, cell 3,1 must be 5.");
  hint_with(find_singles_chain, 38, 0, kMediumHint);
  EXPECT_EQ(last_dialog().text, "Look for singles chain contradiction with the value 5");
}

// A simple path of bivalue cells 1,1 {1,2} - 1,5 {2,3} - 5,5 {3,4} - 5,9
// {4,5} - 9,9 {5,1}: the chain back to 1 needs five cells.
void five_cell_pairs_chain(State& s) {
  only(s, 0, 0, {1, 2});
  only(s, 0, 4, {2, 3});
  only(s, 4, 4, {3, 4});
  only(s, 4, 8, {4, 5});
  only(s, 8, 8, {1, 5});
}

TEST_F(Chains, PairsChainLimitGrowsAfterAPassCutShort) {
  State& s = current();
  five_cell_pairs_chain(s);
  EXPECT_EQ(hint_with(find_pairs_chain, 20, 0, kBigHint), 20);
  EXPECT_EQ(last_dialog().text,
            "Either cell 1,1 or cell 9,9 must be 1 because of the way they are locked with the other "
            "highlighted cells.\n\nTherefore, 1 cannot be a possibility in cells 1,9 or 9,1.");
  EXPECT_EQ(hint_chain(s), (std::vector<std::pair<int, int>>{{0, 0}, {0, 4}, {4, 4}, {4, 8}, {8, 8}}));
  EXPECT_EQ(s.cell(8, 0).digitMark[1], kMarkRemove);
}

TEST_F(Chains, PairsChainContradictionIsReportedUnderItsOwnRow) {
  // Assuming 1,1 is 2 makes 1,5 and 5,5 (one column) both 3.
  State& s = current();
  only(s, 0, 0, {1, 2});
  only(s, 0, 4, {2, 3});
  only(s, 1, 4, {3, 4});
  only(s, 4, 4, {3, 4});
  State copy = s;
  EXPECT_EQ(hint_with(find_pairs_chain, 20, 0, kBigHint), 40);
  EXPECT_EQ(last_dialog().text,
            "If cell 1,1 is 2, then cell 5,5 must be 3 because of the way they are locked with the "
            "other highlighted cell(s). This is impossible because cell 1,5 must also be 3.\n\n"
            "Therefore, cell 1,1 cannot be 2.");
  EXPECT_EQ(last_dialog().title, "Pairs chain contradiction");
  EXPECT_EQ(last_dialog().help_context, 5220);
  EXPECT_EQ(s.cell(0, 0).digitMark[2], kMarkRemove);
  EXPECT_EQ(apply_with(engine.busy(), find_pairs_chain, 20, copy, 0), 40);
  EXPECT_FALSE(copy.cell(0, 0).possible[2]);
  EXPECT_TRUE(copy.cell(0, 0).possible[1]);
}

TEST_F(Chains, CancelEndsEitherSearchWithoutAMove) {
  State& s = current();
  five_cell_pairs_chain(s);
  keep_only_at(s, UnitKind::Box, 8, 7, {0, 2});
  keep_only_at(s, UnitKind::Row, 6, 7, {6, 8, 0});
  platform.on_pump[3].push_back([this] { busy.cancel(); });
  EXPECT_EQ(hint_with(find_pairs_chain, 20, 0, kBigHint), 0);
  EXPECT_EQ(hint_with(find_singles_chain, 38, 0, kBigHint), 0);
  EXPECT_TRUE(platform.hint_dialogs.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(s.chain_length(), 0);
  EXPECT_EQ(platform.pumps, 4);
}

}  // namespace
}  // namespace vantry::testing
