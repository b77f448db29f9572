#include "strategy/text_builder.h"

#include <gtest/gtest.h>

#include "model/cellset.h"
#include "model/combination.h"
#include "model/list.h"

namespace vantry::testing {
namespace {

List list_of(std::initializer_list<int> items) {
  List l;
  for (int v : items) l.add(v);
  return l;
}

TEST(TextBuilder, NumbersCellsAndUnitsCountFromOne) {
  EXPECT_EQ(Text().number(7).str(), "7");
  EXPECT_EQ(Text().number(-12).str(), "-12");
  EXPECT_EQ(Text().cell_name(0, 8).str(), "1,9");
  EXPECT_EQ(Text().cell_name(3, 6).str(), "4,7");
  EXPECT_EQ(Text().unit_number(4).str(), "5");
  EXPECT_EQ(Text().add("In ").unit("row", 4).add(".").str(), "In row 5.");
}

TEST(TextBuilder, DigitListsWithOneTwoAndManyItems) {
  EXPECT_EQ(Text().digit_list(list_of({4}), "and").str(), "4");
  EXPECT_EQ(Text().digit_list(list_of({3, 8}), "and").str(), "3 and 8");
  EXPECT_EQ(Text().digit_list(list_of({1, 4, 9}), "and").str(), "1, 4 and 9");
  EXPECT_EQ(Text().digit_list(list_of({1, 2, 4, 9}), "or").str(), "1, 2, 4 or 9");
  EXPECT_EQ(Text().digit_list(List(), "and").str(), "");
}

TEST(TextBuilder, CombinationsReadLikeLists) {
  Combination pair(2, 9);
  pair.first(1);
  pair.next();  // {1,3}
  EXPECT_EQ(Text().digit_list(pair, "or").str(), "1 or 3");
  Combination triple(3, 9);
  triple.first(0);  // {0,1,2} as unit indexes
  EXPECT_EQ(Text().unit_list("row", triple).str(), "rows 1, 2 and 3");
  Combination one(1, 9);
  one.first(1);
  EXPECT_EQ(Text().digit_list(one, "and").str(), "1");
}

TEST(TextBuilder, UnitListsNameTheWordOnceInThePlural) {
  EXPECT_EQ(Text().unit_list("row", list_of({1, 4, 7})).str(), "rows 2, 5 and 8");
  EXPECT_EQ(Text().unit_list("column", list_of({0, 8})).str(), "columns 1 and 9");
}

TEST(TextBuilder, CellListsSeparateCellsBySemicolons) {
  CellSet cells;
  cells.add(0, 1);
  EXPECT_EQ(Text().cell_list(cells, "and").str(), "1,2");
  cells.add(2, 4);
  EXPECT_EQ(Text().cell_list(cells, "and").str(), "1,2 and 3,5");
  cells.add(8, 8);
  EXPECT_EQ(Text().cell_list(cells, "or").str(), "1,2; 3,5 or 9,9");
  CellSet diagonal;
  for (int i = 0; i < 3; ++i) diagonal.add(i, i);
  EXPECT_EQ(Text().cell_list(diagonal, "or").str(), "1,1; 2,2 or 3,3");
}

}  // namespace
}  // namespace vantry::testing
