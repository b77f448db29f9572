#include "strategy/strategy.h"

#include <string_view>

#include "classlib/contract.h"
#include "classlib/platform.h"
#include "model/busy_manager.h"
#include "strategy/move_offer.h"
#include "strategy/strategy_table.h"

namespace vantry {

void find_first_rows(const StrategyRow* table, int first_row[kLevels]) {
  for (int level = 0; level < kLevels; ++level) first_row[level] = 0;
  int i = 1;
  for (const StrategyRow* row = table; row->name != nullptr; ++row, ++i) {
    if (first_row[row->level] == 0) first_row[row->level] = i;
  }
  VANTRY_ASSERT(i <= MAX_STRATEGIES);
}

const StrategyRow& strategy_row(int n) {
  VANTRY_ASSERT(n >= 1 && n <= kStrategyRows);
  return kStrategyTable[n - 1];
}

int strategy_count() { return kStrategyRows; }

Strategy::Strategy(BusyManager& busy) : my_busy(busy) { find_first_rows(kStrategyTable, my_firstRow); }

void Strategy::set_mode(int value) {
  my_mode = value & ~kPaneFlag;
  my_paneFlag = (value & kPaneFlag) != 0;
}

int Strategy::search(State& s, bool allow_composite) {
  // Step 1. Singles count mode only counts what the two singles finders see,
  // then the search goes on as an ordinary apply-mode search.
  if (my_mode == kSinglesCountMode) {
    find_naked_single(*this, 1, s, 0);
    find_hidden_single(*this, 2, s, 0);
    my_mode = kApplyMode;
  }

  // Step 2. The finders in table order; the first move ends the search. The
  // player may cancel between any two finders.
  for (int n = 1; kStrategyTable[n - 1].name != nullptr; ++n) {
    const StrategyRow& row = kStrategyTable[n - 1];
    if (row.finder == nullptr) continue;
    if (row.pre_check != nullptr && !row.pre_check(*this, allow_composite)) continue;
    const int r = row.finder(*this, n, s, row.argument);
    if (my_busy.cancelled()) break;
    if (r != 0) return r;
    pump_events(my_busy.platform());
  }

  // Step 3. Nothing found (or cancelled): a hint still has to say so.
  if (my_mode != kApplyMode) offer_move(*this, 0, "", "", 0);
  return kNoMove;
}

bool composite_chain_allowed(const Strategy& engine, bool allow_composite) {
  constexpr std::string_view kCompositeChain = "Composite chain";
  constexpr int kCreateSuperhuman = 11907;
  constexpr int kCreateUnsolvable = 11908;
  if (engine.strategies_used()) return true;
  if (engine.practice_strategy() != 0 &&
      std::string_view(strategy_row(engine.practice_strategy()).name).starts_with(kCompositeChain)) {
    return true;
  }
  if (allow_composite) return true;
  if (engine.mode() != kApplyMode) return true;
  const int difficulty = engine.requested_difficulty();
  return difficulty == kCreateSuperhuman || difficulty == kCreateUnsolvable;
}

}  // namespace vantry
