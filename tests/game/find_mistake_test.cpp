// Find my mistake and Where to look: the walk through recorded histories
// (tests/data/mistake_cases.txt, one runner), the commands on a game in play
// with their frames, messages and offer, and vantry-cli mistake.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "cli/cli_commands.h"
#include "game/color_elements.h"
#include "game/commands.h"
#include "game/find_mistake.h"
#include "game/saved_game.h"
#include "game/where_to_look.h"
#include "game_fixture.h"
#include "strategy/move.h"
#include "support/corpus.h"

namespace vantry::testing {
namespace {

// ---- The walk on recorded histories ----

// Carries out one move of a case on a new State of the board.
void play(Board& board, const std::string& move) {
  if (move == "undo") {
    ASSERT_TRUE(board.undo());
    return;
  }
  if (move == "forget") {
    board.forget_history();
    return;
  }
  ASSERT_GE(move.size(), 6u) << move;
  const int r = move[1] - '1', c = move[3] - '1';
  const std::string action = move.substr(4);
  board.push();
  State& s = board.current();
  if (action == "=.") {
    ASSERT_NE(s.cell(r, c).answer, 0) << move;
    s.take_back_answer(r, c);
  } else if (action[0] == '=') {
    ASSERT_TRUE(s.cell(r, c).is_possible(action[1] - '0')) << move;
    s.set_answer(r, c, action[1] - '0');
  } else if (action.starts_with("<>")) {
    ASSERT_TRUE(s.cell(r, c).is_possible(action[2] - '0')) << move;
    s.delete_possibility(r, c, action[2] - '0');
  } else {
    ASSERT_EQ(action[0], '+') << move;
    ASSERT_TRUE(s.cell(r, c).deleted[action[1] - '0']) << move;
    s.restore_possibility(r, c, action[1] - '0');
  }
}

void set_givens(Board& board, const std::string& puzzle) {
  board.reset();
  State& s = board.current();
  for (int i = 0; i < 81; ++i) {
    if (puzzle[i] != '.') s.set_answer(i / 9, i % 9, puzzle[i] - '0');
  }
  s.mark_givens();
}

TEST(FindMistake, RecordedHistories) {
  FakePlatform platform;
  BusyManager busy(platform);
  SolutionCounter counter(busy);
  std::map<std::string, std::string> puzzles;
  int cases = 0;
  for (const std::vector<std::string>& fields : read_case_fields("mistake_cases.txt")) {
    if (fields[0].starts_with("puzzle ")) {
      std::istringstream words(fields[0].substr(7));
      std::string name, cells;
      words >> name >> cells;
      ASSERT_EQ(cells.size(), 81u) << fields[0];
      puzzles[name] = cells;
      continue;
    }
    ASSERT_EQ(fields.size(), 3u) << fields[0];
    ASSERT_TRUE(puzzles.contains(fields[0])) << fields[0];
    SCOPED_TRACE(fields[0] + " | " + fields[1]);
    Board board;
    set_givens(board, puzzles[fields[0]]);
    std::istringstream moves(fields[1]);
    std::string move;
    while (moves >> move) play(board, move);
    const int size = board.size(), current = board.current_index();

    const Mistake m = find_mistake(board, counter);
    EXPECT_EQ(m.kind == MistakeKind::None ? "no mistake" : mistake_text(m), fields[2]);
    // The walk only reads the history.
    EXPECT_EQ(board.size(), size);
    EXPECT_EQ(board.current_index(), current);
    ++cases;
  }
  EXPECT_GE(cases, 15);
}

TEST(FindMistake, AMoveOfManyChangesIsNamedByItsFirstTwo) {
  State before;
  State after = before;
  after.set_answer(0, 0, 5);
  EXPECT_EQ(move_in_words(before, after), "you placed 5 in r1c1");
  after.delete_possibility(8, 8, 1);
  EXPECT_EQ(move_in_words(before, after), "you placed 5 in r1c1 and removed 1 from r9c9");
  after.delete_possibility(8, 8, 2);
  after.delete_possibility(8, 8, 3);
  EXPECT_EQ(move_in_words(before, after), "you placed 5 in r1c1, removed 1 from r9c9 and made 2 more changes");
}

// ---- The command on a game in play ----

class FindMyMistake : public GameTest {
 protected:
  int framed_cells() const {
    int n = 0;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) n += current().cell(r, c).cellMark != 0;
    }
    return n;
  }
};

TEST_F(FindMyMistake, FramesTheCellAndUndoesBackOnlyWhenAsked) {
  paste_puzzle();
  game.left_click(0, 2, 4);  // right
  game.left_click(0, 3, 2);  // wrong: 6 belongs there
  game.left_click(1, 1, 7);  // right
  const int moves_undone = game.statistics().moves_undone;

  // Declined: the history stays, the cell is framed.
  platform.answers.push_back(MessageAnswer::No);
  game.run_command(kCmdFindMistake);
  expect_message("Move 2: you placed 2 in r1c4, but the solution has 6 there.\n\nUndo back to before this move?",
                 "Vantry", MessageIcon::Exclamation);
  EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNo);
  EXPECT_EQ(game.board().current_index(), 3);
  EXPECT_EQ(current().cell(0, 3).cellMark, kColorHintRemove);
  EXPECT_EQ(framed_cells(), 1);
  EXPECT_EQ(game.statistics().moves_undone, moves_undone);

  // Accepted: back to before move 2, the undone moves kept for Redo and
  // counted; the cell framed on the position reached.
  platform.answers.push_back(MessageAnswer::Yes);
  game.run_command(kCmdFindMistake);
  EXPECT_EQ(game.board().current_index(), 1);
  EXPECT_EQ(game.board().size(), 4);
  EXPECT_EQ(current().cell(0, 3).answer, 0);
  EXPECT_EQ(current().cell(0, 3).cellMark, kColorHintRemove);
  EXPECT_EQ(game.statistics().moves_undone, moves_undone + 2);

  // Now the position is fine, and the message says so without an offer.
  platform.messages.clear();
  game.run_command(kCmdFindMistake);
  ASSERT_EQ(platform.messages.size(), 1u);
  expect_message(
      "No mistake so far: every answer agrees with the solution, and every empty cell can "
      "still take its digit.",
      "Vantry", MessageIcon::Information);
  EXPECT_EQ(game.board().current_index(), 1);
}

// ---- Where to look ----

TEST_F(FindMyMistake, WhereToLookFramesThePatternAndCountsALittleHint) {
  paste_puzzle();
  const State before = current();
  const int size = game.board().size();
  game.run_command(kCmdWhereToLook);

  // What a Big hint marks as its pattern, and nothing else: no dialog, no
  // digit marked, no move made.
  Move move;
  game.engine().find(before, true, move);
  bool cells[9][9];
  ASSERT_GT(pattern_cells(move, cells), 0);
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      EXPECT_EQ(current().cell(r, c).cellMark, cells[r][c] ? kColorHintRemove : 0) << r << c;
      EXPECT_EQ(current().cell(r, c).answer, before.cell(r, c).answer);
      for (int d = 1; d <= 9; ++d) EXPECT_EQ(current().cell(r, c).digitMark[d], 0);
    }
  }
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.hint_dialogs.empty());
  EXPECT_EQ(game.board().size(), size);

  // Counted as a Little hint: the saved game's statistics line keeps its six numbers.
  const Statistics& stats = game.statistics();
  EXPECT_EQ(stats.little_hints, 1);
  EXPECT_EQ(stats.medium_hints + stats.big_hints + stats.moves_made, 0);
  std::stringstream saved;
  write_saved_game(saved, game.board(), game.difficulty(), stats);
  Board read;
  SavedGameTrailer trailer;
  ASSERT_TRUE(read_saved_game(saved, read, trailer));
  EXPECT_EQ(trailer.stats.little_hints, 1);

  // The next move clears the frames, as it clears a hint's marks.
  game.left_click(0, 2, 4);
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) EXPECT_EQ(current().cell(r, c).cellMark, 0);
  }
}

TEST(WhereToLook, EveryRecordedFinderMoveFramesItsPatternNotItsEliminations) {
  // The Moves recorded in finder_cases.txt: each must frame some cell, and a
  // cell that only loses possibilities is never framed.
  std::ifstream file(VANTRY_TEST_DATA_DIR "/finder_cases.txt");
  ASSERT_TRUE(file);
  std::string line, label;
  Move move;
  int cases = 0;
  // "r4c7" and what follows it.
  auto row = [](const std::string& item) { return item[1] - '1'; };
  auto column = [](const std::string& item) { return item[3] - '1'; };
  while (std::getline(file, line)) {
    std::istringstream words(line);
    std::string key, item;
    words >> key;
    if (key == "case") {
      label = line;
      move = Move();
    } else if (key == "cells") {
      while (words >> item) move.mark_cell(row(item), column(item), std::stoi(item.substr(5)));
    } else if (key == "digits") {
      while (words >> item) move.mark_digit(row(item), column(item), item[5] - '0', std::stoi(item.substr(7)));
    } else if (key == "chain") {
      while (words >> item) move.chain_append(row(item), column(item));
    } else if (key == "end") {
      bool cells[9][9];
      EXPECT_GT(pattern_cells(move, cells), 0) << label;
      for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
          bool only_loses = move.cell_mark(r, c) == 0;
          for (int d = 1; d <= 9; ++d) only_loses = only_loses && move.digit_mark(r, c, d) <= kMarkRemove;
          for (int i = 0; i < move.chain_length(); ++i) {
            only_loses = only_loses && !(move.chain_row(i) == r && move.chain_column(i) == c);
          }
          EXPECT_FALSE(only_loses && cells[r][c]) << label << " r" << r + 1 << "c" << c + 1;
        }
      }
      ++cases;
    }
  }
  EXPECT_EQ(cases, 42);
}

// ---- vantry-cli mistake ----

TEST_F(FindMyMistake, CommandLinePrintsTheFirstWrongMoveOfASavedGame) {
  paste_puzzle();
  const std::string path = (folder.path() / "game.spz").string();
  auto save_and_run = [&](std::string& out, std::string& err) {
    std::ofstream file(path);
    write_saved_game(file, game.board(), game.difficulty(), game.statistics());
    file.close();
    std::ostringstream o, e;
    const int status = mistake_command(path, o, e);
    out = o.str();
    err = e.str();
    return status;
  };
  std::string out, err;
  game.left_click(0, 2, 4);
  EXPECT_EQ(save_and_run(out, err), 0);
  EXPECT_EQ(out, "no mistake\n");
  game.right_click(0, 3, 6, false, false);
  game.left_click(1, 1, 7);
  EXPECT_EQ(save_and_run(out, err), 0);
  EXPECT_EQ(out, "Move 2: you removed 6 from r1c4, but the solution has 6 there.\n");

  std::ostringstream o, e;
  EXPECT_EQ(mistake_command((folder.path() / "none.spz").string(), o, e), 1);
  EXPECT_TRUE(e.str().starts_with("vantry-cli: cannot read ")) << e.str();
  std::ofstream(path) << "not a saved game\n";
  EXPECT_EQ(mistake_command(path, o, e), 1);
  EXPECT_TRUE(e.str().ends_with(" is not a saved game\n")) << e.str();
  EXPECT_TRUE(o.str().empty());
}

}  // namespace
}  // namespace vantry::testing
