// Contract violations stop the program with the failed expression and where it
// stands, in release builds too.
#include <gtest/gtest.h>

#include "classlib/newstrdu.h"
#include "model/cellset.h"
#include "model/list.h"

namespace vantry {
namespace {

TEST(ContractDeathTest, ListOverCapacityNamesTheExpression) {
  List list;
  for (int i = 0; i < 9; ++i) list.add(i);
  EXPECT_DEATH(list.add(9),
               "^Assertion failed: my_n < sizeof\\( my_list \\) / sizeof\\( my_list\\[ 0 \\] \\), "
               "file src/model/list.h, line [0-9]+\n");
  EXPECT_DEATH(list.add_sorted(10), "Assertion failed: my_n < sizeof");
}

TEST(ContractDeathTest, IndexOutOfRange) {
  List list;
  list.add(4);
  EXPECT_DEATH(list.get(1), "Assertion failed: i >= 0 && i < my_n, file src/model/list.h");
  EXPECT_DEATH(list.reference(-1), "Assertion failed: i >= 0 && i < my_n");
  CellSet set;
  set.add(0, 0);
  EXPECT_DEATH(set.row(1), "Assertion failed: i >= 0 && i < my_n, file src/model/cellset.h");
  EXPECT_DEATH(set.column(-1), "Assertion failed: i >= 0 && i < my_n");
}

TEST(ContractDeathTest, CellSetHoldsEightyCells) {
  CellSet set;
  for (int i = 0; i < 80; ++i) set.add(i / 9, i % 9);
  EXPECT_EQ(set.count(), 80);
  set.add(0, 0);  // already present: no growth, no failure
  EXPECT_DEATH(set.add(8, 8), "Assertion failed: my_n < 81 - 1, file src/model/cellset.cpp");
}

TEST(StringDuplicate, CopiesIntoNewStorage) {
  const char text[] = "Vantry";
  char* copy = string_duplicate(text);
  EXPECT_STREQ(copy, text);
  EXPECT_NE(copy, text);
  delete[] copy;
}

}  // namespace
}  // namespace vantry
