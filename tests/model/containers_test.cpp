// CellSet, List and Combination: the orders callers observe are part of the
// contract (hints name cells in insertion order, subsets walk combinations
// lexicographically), so the cases check orders, not just membership.
#include <gtest/gtest.h>

#include <vector>

#include "model/cellset.h"
#include "model/combination.h"
#include "model/list.h"

namespace vantry {
namespace {

std::vector<std::pair<int, int>> cells_of(const CellSet& set) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < set.count(); ++i) out.emplace_back(set.row(i), set.column(i));
  return out;
}

std::vector<int> items_of(const List& list) { return {list.begin(), list.end()}; }

using Cells = std::vector<std::pair<int, int>>;

TEST(CellSet, KeepsInsertionOrderWithoutDuplicates) {
  CellSet set;
  set.add(4, 4);
  set.add(0, 8);
  set.add(4, 4);
  set.add(2, 1);
  EXPECT_EQ(cells_of(set), (Cells{{4, 4}, {0, 8}, {2, 1}}));
  set.remove(7, 7);
  EXPECT_EQ(set.count(), 3);
  set.remove(4, 4);
  EXPECT_EQ(cells_of(set), (Cells{{0, 8}, {2, 1}}));
}

TEST(CellSet, UnionAppendsTheOtherInReverseAndIntersectKeepsOrder) {
  CellSet a, b;
  a.add(0, 0);
  b.add(1, 1);
  b.add(2, 2);
  b.add(0, 0);
  a.union_with(b);
  EXPECT_EQ(cells_of(a), (Cells{{0, 0}, {2, 2}, {1, 1}}));

  CellSet keep;
  keep.add(1, 1);
  keep.add(0, 0);
  a.intersect_with(keep);
  EXPECT_EQ(cells_of(a), (Cells{{0, 0}, {1, 1}}));
}

TEST(List, AddSortedKeepsAscendingOrderWithoutDuplicates) {
  List list;
  list.add(2);
  list.add(7);
  list.add_sorted(5);
  EXPECT_EQ(items_of(list), (std::vector<int>{2, 5, 7}));
  list.add_sorted(7);
  list.add_sorted(1);
  list.add_sorted(9);
  EXPECT_EQ(items_of(list), (std::vector<int>{1, 2, 5, 7, 9}));
  list.remove_at(1);
  EXPECT_EQ(items_of(list), (std::vector<int>{1, 5, 7, 9}));
}

TEST(List, SubsetAndIntersectionTreatTheEmptyListAsNothing) {
  List empty, three, one_three, two;
  three.add(3);
  one_three.add(1);
  one_three.add(3);
  two.add(2);
  EXPECT_FALSE(empty.is_subset_of(one_three));
  EXPECT_FALSE(empty.is_subset_of(empty));
  EXPECT_TRUE(three.is_subset_of(one_three));
  EXPECT_FALSE(one_three.is_subset_of(three));
  EXPECT_FALSE(empty.intersects(one_three));
  EXPECT_TRUE(one_three.intersects(three));
  EXPECT_FALSE(two.intersects(one_three));

  Combination pair(2, 4);
  pair.first(1);  // {1, 2}
  EXPECT_TRUE(two.is_subset_of(pair));
  EXPECT_FALSE(three.is_subset_of(pair));
  EXPECT_FALSE(empty.is_subset_of(pair));
  EXPECT_TRUE(one_three.intersects(pair));
  EXPECT_FALSE(empty.intersects(pair));
}

TEST(List, MergeIsASortedUnionAndEqualityNeedsTheSameOrder) {
  List a, b;
  a.add(7);
  a.add(2);
  b.add(5);
  b.add(2);
  List merged;
  merged.merge(a);
  merged.merge(b);
  EXPECT_EQ(items_of(merged), (std::vector<int>{2, 5, 7}));
  List c, d;
  c.add(1);
  c.add(2);
  d.add(2);
  d.add(1);
  EXPECT_FALSE(c == d);
  d.set_size(2);
  EXPECT_EQ(items_of(d), (std::vector<int>{0, 0}));
}

std::vector<std::vector<int>> walk(int k, int n, int start) {
  Combination comb(k, n);
  comb.first(start);
  std::vector<std::vector<int>> out;
  do {
    std::vector<int> one;
    for (int i = 0; i < k; ++i) one.push_back(comb.get(i));
    out.push_back(one);
  } while (comb.next());
  return out;
}

TEST(Combination, WalksSubsetsInLexicographicOrder) {
  EXPECT_EQ(walk(2, 4, 1), (std::vector<std::vector<int>>{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}));
  EXPECT_EQ(walk(3, 9, 1).size(), 84u);
  EXPECT_EQ(walk(4, 9, 1).back(), (std::vector<int>{6, 7, 8, 9}));
  // From 0 the last slot's bound is still n.
  EXPECT_EQ(walk(1, 3, 0), (std::vector<std::vector<int>>{{0}, {1}, {2}, {3}}));
}

}  // namespace
}  // namespace vantry
