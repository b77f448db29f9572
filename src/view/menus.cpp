// Lookups over the menu tables and the Practice submenu built from the
// strategy table.
#include "view/menus.h"

#include <algorithm>

#include "strategy/strategy_table.h"

namespace vantry {

int accelerator_command(char key, bool control, bool shift) {
  for (const Accelerator& a : kAccelerators) {
    if (a.key == key && a.control == control && a.shift == shift) return a.id;
  }
  return 0;
}

std::vector<PracticeMenuItem> practice_menu(bool by_difficulty) {
  std::vector<PracticeMenuItem> items;
  for (int n = 1; n <= kStrategyRows; ++n) {
    const StrategyRow& row = kStrategyTable[n - 1];
    if (by_difficulty && n > 1 && row.level != kStrategyTable[n - 2].level) {
      items.push_back({0, {}});
    }
    items.push_back({kCmdPracticeBase + n, row.name});
  }
  if (!by_difficulty) {
    std::stable_sort(items.begin(), items.end(),
                     [](const PracticeMenuItem& a, const PracticeMenuItem& b) { return a.name < b.name; });
  }
  return items;
}

namespace {

const MenuItem* find_in(std::span<const MenuItem> items, int id) {
  for (const MenuItem& item : items) {
    if (item.is_submenu()) {
      if (const MenuItem* found = find_in(item.submenu, id)) return found;
    } else if (item.id == id && id != 0) {
      return &item;
    }
  }
  return nullptr;
}

}  // namespace

const MenuItem* find_menu_item(int id) { return find_in(kMenuBar, id); }

}  // namespace vantry
