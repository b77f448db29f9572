#include "strategy/hint_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "strategy/move_offer.h"
#include "strategy_fixture.h"

namespace vantry::testing {
namespace {

constexpr std::string_view kSolved =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

// The solved grid with some cells emptied (by index 0-80), possibilities recomputed.
State with_holes(std::initializer_list<int> holes) {
  State s = grid(kSolved);
  for (int i : holes) s.reset_cell(i / 9, i % 9);
  s.recompute_possibilities();
  return s;
}

TEST(LittleHintText, ArticlesAndCaseFollowTheName) {
  EXPECT_EQ(little_hint_text(HintLevel::Little, 1, "the value 5"), "Look for naked single");
  EXPECT_EQ(little_hint_text(HintLevel::Medium, 1, "the value 5"), "Look for naked single with the value 5");
  EXPECT_EQ(little_hint_text(HintLevel::Medium, 7, "the value 3"), "Look for an XY-wing with the value 3");
  EXPECT_EQ(little_hint_text(HintLevel::Little, 13, ""), "Look for an W-wing (type 1)");
  EXPECT_EQ(little_hint_text(HintLevel::Medium, 15, "the values 2 and 7"), "Look for a BUG with the values 2 and 7");
  EXPECT_EQ(little_hint_text(HintLevel::Little, 3, ""), "Look for box/line elimination");
  // The rows beyond the standard table are named the same way.
  EXPECT_EQ(little_hint_text(HintLevel::Little, 48, ""), "Look for an ALS-XZ");
  EXPECT_EQ(little_hint_text(HintLevel::Little, 51, ""), "Look for 3D Medusa");
  EXPECT_EQ(little_hint_text(HintLevel::Medium, 54, "the value 2 in row 7"),
            "Look for unit forcing chain with the value 2 in row 7");
}

using HintCommand = StrategyFixture;

TEST_F(HintCommand, GuardsRefuseWithTheirMessages) {
  host.is_entering = true;
  hint_command(host, engine, HintLevel::Big);
  host.is_entering = false;
  host.is_valid = false;
  hint_command(host, engine, HintLevel::Big);
  host.is_valid = true;
  host.is_auto_solving = true;
  hint_command(host, engine, HintLevel::Big);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "Please finish entering the puzzle\nbefore doing this.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(platform.messages[1].text,
            "There is no valid puzzle yet!\n\nPlease enter one using File|Enter puzzle\nor create "
            "one using File|Create new.");
  EXPECT_EQ(platform.messages[1].caption, "Vantry");
  EXPECT_TRUE(platform.hint_dialogs.empty());
  EXPECT_FALSE(host.level.has_value());  // nothing remembered either
}

TEST_F(HintCommand, LittleAndMediumHintsNameTheStrategyAndChangeNothing) {
  current() = with_holes({3, 40});  // two naked singles: r1c4 = 9 first
  hint_command(host, engine, HintLevel::Little);
  hint_command(host, engine, HintLevel::Medium);
  ASSERT_EQ(platform.hint_dialogs.size(), 2u);
  const RecordedHintDialog& little = platform.hint_dialogs[0];
  EXPECT_FALSE(little.big);
  EXPECT_EQ(little.template_id, 1504);
  EXPECT_EQ(little.title, "Little hint");
  EXPECT_EQ(little.text, "Look for naked single");
  EXPECT_EQ(little.help_context, 5010);
  EXPECT_EQ(little.section, "LittleMediumHint");
  EXPECT_EQ(platform.hint_dialogs[1].title, "Medium hint");
  EXPECT_EQ(platform.hint_dialogs[1].text, "Look for naked single with the value 9");
  EXPECT_EQ(host.hints_counted, (std::vector<HintLevel>{HintLevel::Little, HintLevel::Medium}));
  EXPECT_EQ(host.game.size(), 1);
  EXPECT_EQ(current().cell(0, 3).answer, 0);
  EXPECT_EQ(current().cell(0, 3).digitMark[9], 0);
  EXPECT_FALSE(busy.is_busy());
}

TEST_F(HintCommand, BigHintYesPushesTheBoardAndCountsTheMoves) {
  current() = with_holes({3, 40});
  current().cell(5, 5).color = 3;
  platform.hint_answers.push_back(6);
  hint_command(host, engine, HintLevel::Big);
  const RecordedHintDialog& dialog = last_dialog();
  EXPECT_TRUE(dialog.big);
  EXPECT_EQ(dialog.template_id, 1501);
  EXPECT_EQ(dialog.title, "Naked single");
  EXPECT_EQ(dialog.text, "Cell 1,4 has only one possibility.");
  EXPECT_EQ(dialog.section, "BigHint");
  EXPECT_EQ(host.game.size(), 2);
  EXPECT_EQ(current().cell(0, 3).answer, 9);
  EXPECT_EQ(current().cell(0, 3).cellMark, 0);
  EXPECT_EQ(host.game.current_index(), 1);
  EXPECT_EQ(host.moves_made, 1);
  EXPECT_EQ(host.recomputes, 1);
  EXPECT_EQ(host.hints_counted, (std::vector<HintLevel>{HintLevel::Big}));
  EXPECT_EQ(current().cell(5, 5).color, 0);  // a big hint clears the colouring
  EXPECT_TRUE(platform.messages.empty());    // one cell still empty: no congratulation
}

TEST_F(HintCommand, BigHintNoKeepsMarksUntilTheNextHint) {
  current() = with_holes({3, 40});
  current().append(0, 0, true);
  current().append(0, 1, true);
  platform.hint_answers.push_back(7);
  hint_command(host, engine, HintLevel::Big);
  EXPECT_EQ(current().cell(0, 3).digitMark[9], kMarkAnswer);
  EXPECT_EQ(current().cell(0, 3).cellMark, kMarkRemove);
  EXPECT_EQ(current().chain_length(), 0);  // the player's chain went with the old marks
  EXPECT_EQ(host.game.size(), 1);

  hint_command(host, engine, HintLevel::Little);
  EXPECT_EQ(current().cell(0, 3).digitMark[9], 0);
  EXPECT_EQ(current().cell(0, 3).cellMark, 0);
}

TEST_F(HintCommand, BigHintCancelClearsItsMarks) {
  current() = with_holes({3, 40});
  platform.hint_answers.push_back(2);
  const int repaints_before = host.repaints;
  hint_command(host, engine, HintLevel::Big);
  EXPECT_EQ(current().cell(0, 3).digitMark[9], 0);
  EXPECT_EQ(current().cell(0, 3).cellMark, 0);
  EXPECT_EQ(host.repaints, repaints_before + 2);  // marks drawn, then wiped
  EXPECT_EQ(host.game.size(), 1);
}

TEST_F(HintCommand, NoMoveAtAnyLevelSaysNoHintsAvailable) {
  // An open grid: every cell holds every digit, no strategy applies.
  for (HintLevel level : {HintLevel::Little, HintLevel::Medium, HintLevel::Big}) hint_command(host, engine, level);
  ASSERT_EQ(platform.messages.size(), 3u);
  for (const RecordedMessage& m : platform.messages) EXPECT_EQ(m.text, "No hints available");
  EXPECT_TRUE(platform.hint_dialogs.empty());
  EXPECT_TRUE(host.hints_counted.empty());
}

TEST_F(HintCommand, PaneModeWritesTheNameInsteadOfADialog) {
  current() = with_holes({3, 40});
  host.level = HintLevel::Big;
  find_next_move(host, engine);
  EXPECT_FALSE(busy.is_busy());
  EXPECT_EQ(platform.dialog_message, "Looking for the next move...");
  EXPECT_TRUE(platform.hint_dialogs.empty());
  EXPECT_EQ(host.next_move_texts, (std::vector<std::string>{"Naked single"}));
  // The line names the strategy, as a Little hint does, and counts as one.
  EXPECT_EQ(host.hints_counted, (std::vector<HintLevel>{HintLevel::Little}));
  EXPECT_EQ(current().cell(0, 3).answer, 0);

  // An open grid: nothing found, said in the pane alone.
  current() = State();
  find_next_move(host, engine);
  EXPECT_EQ(host.next_move_texts.back(), "No hints available");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(host.hints_counted.size(), 1u);
}

// What a look-up could disturb: the cells, their marks and colours, the chain.
std::string cells_of(const State& s) {
  std::ostringstream out;
  s.write(out);
  return out.str();
}
std::string marks_of(const State& s) {
  std::ostringstream out;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      if (cell.cellMark != 0 || cell.color != 0) out << r << c << ':' << cell.cellMark << '/' << cell.color << ' ';
      for (int d = 1; d <= 9; ++d) {
        if (cell.digitMark[d] != 0) out << r << c << d << ':' << cell.digitMark[d] << ' ';
      }
    }
  }
  return out.str();
}
std::string chain_of(const State& s) {
  std::ostringstream out;
  out << (s.chain_is_user() ? "player's" : "hint's");
  for (int i = 0; i < s.chain_length(); ++i) out << ' ' << s.chain_row(i) << s.chain_column(i);
  return out.str();
}

TEST_F(HintCommand, PaneLookUpLeavesBoardMarksAndThePlayersChainAlone) {
  // The next move is a finned X-wing, whose finder clears marks for the
  // smaller hints; the player is in the middle of drawing a chain.
  State& s = current();
  keep_only_at(s, UnitKind::Column, 0, 5, {1, 7});
  keep_only_at(s, UnitKind::Column, 4, 5, {1, 6, 7});
  s.append(2, 2, true);
  s.append(2, 6, true);
  s.cell(4, 4).digitMark[3] = 11;
  s.cell(4, 4).cellMark = 10;
  s.cell(5, 5).color = 22;
  const State before = s;
  find_next_move(host, engine);
  EXPECT_EQ(host.next_move_texts, (std::vector<std::string>{"Finned X-wing"}));
  EXPECT_EQ(cells_of(current()), cells_of(before));
  EXPECT_EQ(marks_of(current()), marks_of(before));
  EXPECT_EQ(chain_of(current()), chain_of(before));
  EXPECT_EQ(host.game.size(), 1);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace vantry::testing
