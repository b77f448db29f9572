// The text formats of a game: the saved-game file, import, paste, export and
// copy text, the file name rules and the statistics line.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>

#include "game/file_name.h"
#include "game/puzzle_text.h"
#include "game/saved_game.h"
#include "model/board.h"
#include "game_fixture.h"

namespace vantry {
namespace {

using testing::kPuzzle;

std::string text_of(const State& s) {
  std::ostringstream out;
  s.write(out);
  return out.str();
}

State imported(const std::string& text, bool expect_ok = true) {
  State s;
  std::istringstream in(text);
  EXPECT_EQ(parse_import(in, s), expect_ok);
  return s;
}

TEST(PuzzleText, ImportAndPasteReadTheGridAsTheySay) {
  std::string nine_lines, dotted(kPuzzle);
  for (char& ch : dotted) ch = ch == '0' ? '.' : ch;
  for (int r = 0; r < 9; ++r) nine_lines += std::string(kPuzzle).substr(r * 9, 9) + "\n";
  const State one_line = imported(dotted);
  EXPECT_EQ(text_of(one_line), text_of(imported(nine_lines)));
  std::string lettered(kPuzzle);
  lettered[2] = 'x';  // a letter uses up a cell as '0' does
  EXPECT_EQ(text_of(one_line), text_of(imported(lettered)));
  EXPECT_EQ(one_line.cell(0, 0).solution, 5);
  imported(nine_lines.substr(0, 88) + "\n\n  ", false);  // 80 usable characters

  // Paste skips what is not a digit or '.', and fills no solutions.
  State s, framed;
  EXPECT_FALSE(parse_paste("x5x3", s));
  EXPECT_EQ(s.cell(0, 1).answer, 3);
  EXPECT_EQ(s.cell(0, 1).solution, 0);
  std::string grid = "+-----+\n";
  for (int r = 0; r < 9; ++r) grid += "| " + dotted.substr(r * 9, 9) + " |\r\n";
  EXPECT_TRUE(parse_paste(grid, framed));
  State plain = imported(kPuzzle);
  for (int i = 0; i < 81; ++i) plain.set_solution(i / 9, i % 9, 0);
  EXPECT_EQ(text_of(framed), text_of(plain));
}

TEST(FileNameState, ExtensionAndFolderRules) {
  const struct {
    const char *path, *stored, *name, *folder;
  } cases[] = {
      {"/home/p/a.txt", "/home/p/a.spz", "a.spz", "/home/p/"},
      {"/home/p/a.TXT", "/home/p/a.TXT", "a.TXT", "/home/p/"},
      {"/home/p/a.txt.bak", "/home/p/a.txt.bak", "a.txt.bak", "/home/p/"},
      {"puzzle", "puzzle.spz", "puzzle.spz", "."},
      {"C:\\games\\p7.spz", "C:\\games\\p7.spz", "p7.spz", "C:\\games\\"},
      {"/my.games/p", "/my.games/p.spz", "p.spz", "/my.games/"},
  };
  for (const auto& c : cases) {
    FileName f;
    f.set_from_path(c.path, false);
    EXPECT_EQ(f.path + "|" + f.name + "|" + f.directory, std::string(c.stored) + "|" + c.name + "|" + c.folder);
  }
  FileName f;
  f.set_from_path("/home/p/a.spz", true);
  f.set_from_path("", true);
  EXPECT_EQ(f.name, "");
  EXPECT_EQ(f.directory, "/home/p/");  // remembered for the next dialog
  EXPECT_FALSE(f.is_saved_game);
}

TEST(StatisticsLine, RoundTripOlderFilesAndClockText) {
  std::stringstream line;
  write_statistics(line, Statistics{12, 3, 1, 2, 4, 3725});
  EXPECT_EQ(line.str(), "12 3 1 2 4 3725\n");
  EXPECT_EQ(read_statistics(line), (Statistics{12, 3, 1, 2, 4, 3725}));
  std::istringstream missing(""), negative("-1 5 5 5 5 5"), partial("7 -2 4 x");
  EXPECT_EQ(read_statistics(missing), Statistics{});
  EXPECT_EQ(read_statistics(negative), Statistics{});
  EXPECT_EQ(read_statistics(partial), (Statistics{7, 0, 4, 0, 0, 0}));
  // A forged line cannot set a counter where counting on would overflow.
  constexpr std::int32_t M = kMaxStatistic;
  const std::pair<const char*, Statistics> forged[] = {
      {"2147483647 2147483647 2147483647 2147483647 2147483647 2147483647", Statistics{M, M, M, M, M, M}},
      {"99999999999999999999999 5 -99999999999 1000000000 +4 999999999", Statistics{M, 5, 0, M, 4, M}},
      {"-99999999999999 5 5 5 5 5", Statistics{}},
  };
  for (const auto& [text, expected] : forged) {
    std::istringstream in(text);
    EXPECT_EQ(read_statistics(in), expected) << text;
  }
  EXPECT_EQ(clock_text(59), "0:59");
  EXPECT_EQ(clock_text(3599), "59:59");
  EXPECT_EQ(clock_text(3600), "1:00:00");
  EXPECT_EQ(clock_text(3725), "1:02:05");
}

TEST(SavedGame, KeepsTheHistoryUpToTheCurrentState) {
  // Three moves, the last one undone.
  Board board;
  board.current() = imported(kPuzzle);
  board.current().mark_givens();
  for (int c : {2, 3, 5}) {
    board.push();
    board.current().set_answer(0, c, c + 2);
  }
  board.undo();
  std::stringstream file;
  write_saved_game(file, board, Difficulty::Hard, Statistics{3, 1, 0, 1, 0, 95});
  const std::string text = file.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '-'), 2);
  EXPECT_NE(text.find("\n5 5 0 0 0 0 0 0 0 0 0 | 1 0 0 0 0 0 0 0 0 0 \n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\n3\n3 1 0 1 0 95\n"));

  Board read;
  SavedGameTrailer trailer;
  ASSERT_TRUE(read_saved_game(file, read, trailer));
  EXPECT_EQ(read.size(), 3);
  EXPECT_FALSE(read.modified());
  EXPECT_EQ(trailer.difficulty, Difficulty::Hard);
  EXPECT_EQ(trailer.stats, (Statistics{3, 1, 0, 1, 0, 95}));
  for (int i = 2; i >= 0; --i, read.undo(), board.undo()) {
    EXPECT_EQ(text_of(read.current()), text_of(board.current())) << "state " << i;
  }
}

// Every possibility removed or restored is a move, so a long game runs to
// thousands of them: a history of 20,000 is written within the limit that
// Open applies, and reads back whole.
TEST(SavedGame, AHistoryOfTwentyThousandMovesFitsTheReadLimit) {
  Board board;
  board.current() = imported(kPuzzle);
  board.current().mark_givens();
  for (int move = 0; move < 20000; ++move) {
    board.push();
    Cell& cell = board.current().cell(0, 2);
    cell.possible[1 + move % 9] = !cell.possible[1 + move % 9];
  }
  std::stringstream file;
  write_saved_game(file, board, Difficulty::Medium, Statistics{20000, 0, 0, 0, 0, 1});
  EXPECT_LE(file.str().size(), kMaxSavedGameBytes);
  Board read;
  SavedGameTrailer trailer;
  ASSERT_TRUE(read_saved_game(file, read, trailer));
  EXPECT_EQ(read.size(), 20001);
  EXPECT_EQ(text_of(read.current()), text_of(board.current()));
  EXPECT_EQ(trailer.stats.moves_made, 20000);
}

TEST(SavedGame, OlderFormsAndOddTrailers) {
  // Cell lines without the bar: every answer is a given, nothing deleted.
  std::string old_form;
  for (int i = 0; i < 81; ++i) {
    const std::string d(1, kPuzzle[i]);
    old_form += kPuzzle[i] != '0' ? d + " " + d + " 0 0 0 0 0 0 0 0 0\n" : "0 0 1 1 1 1 1 1 1 1 1\n";
  }
  Board board, truncated, damaged;
  SavedGameTrailer trailer;
  std::istringstream no_stats(old_form + "12\n");
  ASSERT_TRUE(read_saved_game(no_stats, board, trailer));
  EXPECT_EQ(trailer.difficulty, Difficulty::NotRated);  // 12 is no difficulty
  EXPECT_EQ(trailer.stats, Statistics{});
  EXPECT_TRUE(board.current().cell(0, 0).given);
  EXPECT_FALSE(board.current().cell(0, 2).given);
  EXPECT_TRUE(board.current().cell(0, 2).possible[9]);

  // Without the difficulty the file is damaged, and so is a cell out of range.
  std::istringstream no_trailer(old_form), bad_cell("10 " + old_form + "0\n");
  EXPECT_FALSE(read_saved_game(no_trailer, truncated, trailer));
  EXPECT_FALSE(read_saved_game(bad_cell, damaged, trailer));
}

}  // namespace
}  // namespace vantry
