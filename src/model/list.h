// A short list of small integers (digits 1-9 or positions 0-8) with room for
// nine. A plain value: strategies build and drop thousands of them per search.
#pragma once

#include "classlib/contract.h"

namespace vantry {

class Combination;

class List {
 public:
  int count() const { return my_n; }
  bool empty() const { return my_n == 0; }

  void add(int v) {
    check_room();
    my_list[my_n++] = v;
  }
  // Inserts v in ascending order; a value already present is not added again.
  void add_sorted(int v);
  // count = n with the first n slots zeroed.
  void set_size(int n);
  void remove_at(int i);

  int get(int i) const {
    VANTRY_ASSERT(i >= 0 && i < my_n);
    return my_list[i];
  }
  int& reference(int i) {
    VANTRY_ASSERT(i >= 0 && i < my_n);
    return my_list[i];
  }
  int operator[](int i) const { return get(i); }

  bool operator==(const List& other) const;
  bool contains(int v) const;
  // Every item is in other. An empty list is never a subset.
  bool is_subset_of(const List& other) const;
  bool is_subset_of(const Combination& other) const;
  // Some item is in other; false for an empty list.
  bool intersects(const List& other) const;
  bool intersects(const Combination& other) const;
  // Sorted union: add_sorted of each of other's items.
  void merge(const List& other);

  const int* begin() const { return my_list; }
  const int* end() const { return my_list + my_n; }

 private:
  void check_room() const {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wsign-compare"
    // The assertion names the condition as written here, spaces included.
    // clang-format off
    VANTRY_ASSERT(my_n < sizeof( my_list ) / sizeof( my_list[ 0 ] ));
    // clang-format on
#pragma GCC diagnostic pop
  }

  int my_n = 0;
  int my_list[9] = {};
};

}  // namespace vantry
