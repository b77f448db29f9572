// The Cell record and the values its saved-game line may hold. (The line
// itself, and the older one without the bar, are checked through the saved game.)
#include <gtest/gtest.h>

#include <sstream>

#include "model/cell.h"

namespace vantry {
namespace {

TEST(Cell, AnAnsweredCellHasNoPossibilitiesWhateverItsFlagsSay) {
  Cell cell;
  int digits[9];
  EXPECT_EQ(cell.list_possibilities(digits), 9);
  EXPECT_EQ(digits[8], 9);
  cell.possible[4] = false;
  EXPECT_EQ(cell.list_possibilities(digits), 8);
  EXPECT_EQ(digits[3], 5);
  cell.answer = 7;
  EXPECT_EQ(cell.list_possibilities(), 0);
  EXPECT_FALSE(cell.is_possible(1));
}

TEST(Cell, ClearMarksCanKeepTheActionMarks) {
  Cell cell;
  cell.cellMark = 8;
  cell.digitMark[1] = 8;
  cell.digitMark[2] = 9;
  cell.digitMark[3] = 10;
  cell.digitMark[4] = 12;
  cell.clear_marks(true);
  EXPECT_EQ(cell.cellMark, 0);
  EXPECT_EQ(cell.digitMark[1], 8);
  EXPECT_EQ(cell.digitMark[2], 9);
  EXPECT_EQ(cell.digitMark[3], 0);
  EXPECT_EQ(cell.digitMark[4], 0);
  cell.clear_marks(false);
  EXPECT_EQ(cell.digitMark[1], 0);
  EXPECT_EQ(cell.digitMark[2], 0);
}

TEST(Cell, MarkGivenNeverTakesGivenAway) {
  Cell cell;
  cell.given = true;
  cell.mark_given_if_answered();
  EXPECT_TRUE(cell.given);
  cell.given = false;
  cell.answer = 3;
  cell.mark_given_if_answered();
  EXPECT_TRUE(cell.given);
}

TEST(CellText, RefusesValuesOutOfRange) {
  for (const char* line :
       {"0 12 1 1 1 1 1 1 1 1 1 | 0 0 0 0 0 0 0 0 0 0", "-1 0 1 1 1 1 1 1 1 1 1 | 0 0 0 0 0 0 0 0 0 0",
        "0 0 1 1 2 1 1 1 1 1 1 | 0 0 0 0 0 0 0 0 0 0", "0 0 1 1 1 1 1 1 1 1 1 | 0 0 0 0 0 0 0 7 0 0", "0 0 1 1 1 x"}) {
    std::istringstream in(line);
    Cell cell;
    cell.read(in);
    EXPECT_TRUE(in.fail()) << line;
    EXPECT_GE(cell.answer, 0);
    EXPECT_LE(cell.answer, 9);
  }
}

}  // namespace
}  // namespace vantry
