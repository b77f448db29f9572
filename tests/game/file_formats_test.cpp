// The text formats of a game: the saved-game file, import, paste, export and
// copy text, the file name rules and the statistics line.
#include <gtest/gtest.h>

#include <sstream>

#include "game/file_name.h"
#include "game/puzzle_text.h"
#include "game/saved_game.h"
#include "game/statistics.h"
#include "model/board.h"
#include "game_fixture.h"

namespace vantry {
namespace {

using testing::kPuzzle;

std::string nine_lines(const std::string& line81, char empty) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const char ch = line81[r * 9 + c];
      text += ch == '0' ? empty : ch;
    }
    text += "\n";
  }
  return text;
}

bool same_cells(const State& a, const State& b) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& x = a.cell(r, c);
      const Cell& y = b.cell(r, c);
      if (x.answer != y.answer || x.solution != y.solution || x.given != y.given) return false;
      for (int d = 1; d <= 9; ++d) {
        if (x.possible[d] != y.possible[d] || x.deleted[d] != y.deleted[d]) return false;
      }
    }
  }
  return true;
}

TEST(PuzzleText, ImportReadsOneLineAndNineLinesAlike) {
  State one_line, nine;
  std::string dotted(kPuzzle);
  for (char& ch : dotted) ch = ch == '0' ? '.' : ch;
  std::istringstream a(dotted), b(nine_lines(kPuzzle, '0'));
  ASSERT_TRUE(parse_import(a, one_line));
  ASSERT_TRUE(parse_import(b, nine));
  EXPECT_TRUE(same_cells(one_line, nine));
  EXPECT_EQ(one_line.cell(0, 0).answer, 5);
  EXPECT_EQ(one_line.cell(0, 0).solution, 5);
  EXPECT_FALSE(one_line.cell(0, 1).possible[5]);
  // A letter uses up a cell just like '0'.
  std::string lettered(kPuzzle);
  lettered[2] = 'x';
  State with_letter;
  std::istringstream c(lettered);
  ASSERT_TRUE(parse_import(c, with_letter));
  EXPECT_TRUE(same_cells(one_line, with_letter));
  // 80 usable characters are not a puzzle, however they are spaced.
  State short_state;
  std::istringstream d(nine_lines(kPuzzle, '.').substr(0, 88) + "\n\n  ");
  EXPECT_FALSE(parse_import(d, short_state));
}

TEST(PuzzleText, PasteSkipsOtherCharactersWithoutUsingACell) {
  State s;
  EXPECT_FALSE(parse_paste("x5x3", s));
  EXPECT_EQ(s.cell(0, 0).answer, 5);
  EXPECT_EQ(s.cell(0, 1).answer, 3);
  EXPECT_EQ(s.cell(0, 0).solution, 0);  // the check fills solutions in later

  State framed, plain;
  std::string grid = "+-----+\n";
  for (int r = 0; r < 9; ++r) grid += "| " + nine_lines(kPuzzle, '.').substr(r * 10, 9) + " |\r\n";
  EXPECT_TRUE(parse_paste(grid, framed));
  EXPECT_TRUE(parse_paste(std::string(kPuzzle) + "123", plain));  // the rest is ignored
  EXPECT_TRUE(same_cells(framed, plain));
}

TEST(PuzzleText, ExportAndCopyWriteTheSameDigits) {
  State s;
  s.set_answer(0, 0, 5);
  s.set_answer(0, 1, 3);
  s.set_answer(0, 4, 7);
  s.set_answer(8, 8, 9);
  const std::string copy = grid_text(s, "\r\n");
  ASSERT_EQ(copy.size(), 99u);
  EXPECT_EQ(copy.substr(0, 11), "530070000\r\n");
  EXPECT_EQ(copy.substr(88), "000000009\r\n");
  std::string without_cr = copy;
  std::erase(without_cr, '\r');
  EXPECT_EQ(grid_text(s, "\n"), without_cr);
}

TEST(FileNameState, ExtensionAndFolderRules) {
  struct Case {
    const char* path;
    const char* stored;
    const char* name;
    const char* folder;
  };
  const Case cases[] = {
      {"/home/p/a.txt", "/home/p/a.spz", "a.spz", "/home/p/"},
      {"/home/p/a.TXT", "/home/p/a.TXT", "a.TXT", "/home/p/"},
      {"/home/p/a.txt.bak", "/home/p/a.txt.bak", "a.txt.bak", "/home/p/"},
      {"puzzle", "puzzle.spz", "puzzle.spz", "."},
      {"C:\\games\\p7.spz", "C:\\games\\p7.spz", "p7.spz", "C:\\games\\"},
      {"/my.games/p", "/my.games/p.spz", "p.spz", "/my.games/"},
  };
  for (const Case& c : cases) {
    FileName f;
    f.set_from_path(c.path, false);
    EXPECT_EQ(f.path, c.stored) << c.path;
    EXPECT_EQ(f.name, c.name) << c.path;
    EXPECT_EQ(f.directory, c.folder) << c.path;
  }
  FileName f;
  f.set_from_path("/home/p/a.spz", true);
  f.set_from_path("", true);
  EXPECT_EQ(f.name, "");
  EXPECT_EQ(f.directory, "/home/p/");  // remembered for the next dialog
  EXPECT_FALSE(f.is_saved_game);
}

TEST(StatisticsLine, RoundTripAndOlderFiles) {
  const Statistics stats{12, 3, 1, 2, 4, 3725};
  std::stringstream line;
  write_statistics(line, stats);
  EXPECT_EQ(line.str(), "12 3 1 2 4 3725\n");
  EXPECT_EQ(read_statistics(line), stats);

  std::istringstream missing(""), negative("-1 5 5 5 5 5"), partial("7 2 x");
  EXPECT_EQ(read_statistics(missing), Statistics{});
  EXPECT_EQ(read_statistics(negative), Statistics{});
  EXPECT_EQ(read_statistics(partial), (Statistics{7, 2, 0, 0, 0, 0}));

  EXPECT_EQ(clock_text(0), "0:00");
  EXPECT_EQ(clock_text(59), "0:59");
  EXPECT_EQ(clock_text(3599), "59:59");
  EXPECT_EQ(clock_text(3600), "1:00:00");
  EXPECT_EQ(clock_text(3725), "1:02:05");
}

// A game of three moves with the last one undone.
Board three_moves_one_undone() {
  Board board;
  std::istringstream in(kPuzzle);
  parse_import(in, board.current());
  board.current().mark_givens();
  board.push();
  board.current().set_answer(0, 2, 4);
  board.push();
  board.current().set_answer(0, 3, 6);
  board.push();
  board.current().set_answer(0, 5, 8);
  board.undo();
  return board;
}

TEST(SavedGame, WritesTheHistoryUpToTheCurrentState) {
  const Board board = three_moves_one_undone();
  std::stringstream file;
  write_saved_game(file, board, 3, Statistics{3, 1, 0, 1, 0, 95});
  const std::string text = file.str();
  std::size_t separators = 0;
  for (std::size_t at = text.find("\n-1\n"); at != std::string::npos; at = text.find("\n-1\n", at + 1)) {
    ++separators;
  }
  EXPECT_EQ(separators, 2u);
  EXPECT_NE(text.find("5 5 0 0 0 0 0 0 0 0 0 | 1 0 0 0 0 0 0 0 0 0 \n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 16), "\n3\n3 1 0 1 0 95\n");

  Board read;
  SavedGameTrailer trailer;
  ASSERT_TRUE(read_saved_game(file, read, trailer));
  EXPECT_EQ(read.size(), 3);
  EXPECT_EQ(read.current_index(), 2);
  EXPECT_FALSE(read.modified());
  EXPECT_EQ(trailer.difficulty, 3);
  EXPECT_EQ(trailer.stats, (Statistics{3, 1, 0, 1, 0, 95}));
  Board original = three_moves_one_undone();
  for (int i = 2; i >= 0; --i) {
    EXPECT_TRUE(same_cells(read.current(), original.current())) << "state " << i;
    read.undo();
    original.undo();
  }
}

TEST(SavedGame, OlderFormsAndOddTrailers) {
  // Cell lines without the bar: every answer is a given, nothing deleted.
  std::string old_form;
  for (int i = 0; i < 81; ++i) {
    const int d = kPuzzle[i] - '0';
    old_form += d ? std::to_string(d) + " " + std::to_string(d) + " 0 0 0 0 0 0 0 0 0\n"
                  : "0 0 1 1 1 1 1 1 1 1 1\n";
  }
  Board board;
  SavedGameTrailer trailer;
  std::istringstream no_stats(old_form + "12\n");
  ASSERT_TRUE(read_saved_game(no_stats, board, trailer));
  EXPECT_EQ(trailer.difficulty, 0);  // 12 is no difficulty
  EXPECT_EQ(trailer.stats, Statistics{});
  EXPECT_TRUE(board.current().cell(0, 0).given);
  EXPECT_FALSE(board.current().cell(0, 2).given);
  EXPECT_FALSE(board.current().cell(0, 2).deleted[3]);

  // Without the difficulty the file is damaged, and so is a cell out of range.
  Board truncated, damaged;
  std::istringstream no_trailer(old_form), bad_cell("10 " + old_form + "0\n");
  EXPECT_FALSE(read_saved_game(no_trailer, truncated, trailer));
  EXPECT_FALSE(read_saved_game(bad_cell, damaged, trailer));
}

}  // namespace
}  // namespace vantry
