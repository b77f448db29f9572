// Walks the k-element combinations of an integer range in lexicographic order:
// with first(1), every k-subset of 1..n; with first(0), values from 0 (the last
// slot's bound is still n).
#pragma once

#include "classlib/contract.h"

namespace vantry {

class Combination {
 public:
  Combination(int k, int n) : my_k(k), my_n(n) { VANTRY_ASSERT(k >= 0 && k <= 10); }

  void first(int start) {
    for (int i = 0; i < my_k; ++i) my_slot[i] = start + i;
  }
  // Advances to the next combination; false when the current one is the last.
  bool next() {
    int j = my_k - 1;
    while (j >= 0) {
      if (++my_slot[j] <= my_n - my_k + j + 1) break;
      --j;
    }
    if (j < 0) return false;
    for (int i = j + 1; i < my_k; ++i) my_slot[i] = my_slot[i - 1] + 1;
    return true;
  }

  int size() const { return my_k; }
  int get(int i) const {
    VANTRY_ASSERT(i >= 0 && i < my_k);
    return my_slot[i];
  }
  bool contains(int v) const {
    for (int i = 0; i < my_k; ++i) {
      if (my_slot[i] == v) return true;
    }
    return false;
  }

 private:
  int my_k;
  int my_n;
  int my_slot[10] = {};
};

}  // namespace vantry
