#include "model/list.h"

#include "model/combination.h"

namespace vantry {

void List::add_sorted(int v) {
  int at = 0;
  while (at < my_n && my_list[at] < v) ++at;
  if (at < my_n && my_list[at] == v) return;
  check_room();
  for (int i = my_n; i > at; --i) my_list[i] = my_list[i - 1];
  my_list[at] = v;
  ++my_n;
}

void List::set_size(int n) {
  VANTRY_ASSERT(n >= 0 && n <= 9);
  my_n = n;
  for (int i = 0; i < n; ++i) my_list[i] = 0;
}

void List::remove_at(int i) {
  VANTRY_ASSERT(i >= 0 && i < my_n);
  for (int j = i + 1; j < my_n; ++j) my_list[j - 1] = my_list[j];
  --my_n;
}

bool List::operator==(const List& other) const {
  if (my_n != other.my_n) return false;
  for (int i = 0; i < my_n; ++i) {
    if (my_list[i] != other.my_list[i]) return false;
  }
  return true;
}

bool List::contains(int v) const {
  for (int i = 0; i < my_n; ++i) {
    if (my_list[i] == v) return true;
  }
  return false;
}

bool List::is_subset_of(const List& other) const {
  if (my_n == 0) return false;
  for (int i = 0; i < my_n; ++i) {
    if (!other.contains(my_list[i])) return false;
  }
  return true;
}

bool List::is_subset_of(const Combination& other) const {
  if (my_n == 0) return false;
  for (int i = 0; i < my_n; ++i) {
    if (!other.contains(my_list[i])) return false;
  }
  return true;
}

bool List::intersects(const List& other) const {
  for (int i = 0; i < my_n; ++i) {
    if (other.contains(my_list[i])) return true;
  }
  return false;
}

bool List::intersects(const Combination& other) const {
  for (int i = 0; i < my_n; ++i) {
    if (other.contains(my_list[i])) return true;
  }
  return false;
}

void List::merge(const List& other) {
  for (int i = 0; i < other.my_n; ++i) add_sorted(other.my_list[i]);
}

}  // namespace vantry
