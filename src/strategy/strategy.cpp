#include "strategy/strategy.h"

#include <string>
#include <string_view>

#include "classlib/contract.h"
#include "classlib/system_services.h"
#include "model/busy_manager.h"
#include "strategy/move.h"
#include "strategy/move_offer.h"
#include "strategy/extended/extended_table.h"
#include "strategy/finders/finders.h"
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
  if (is_extended_row(n)) return extended_strategy_row(n);
  VANTRY_ASSERT(n >= 1 && n <= kStrategyRows);
  return kStrategyTable[n - 1];
}

int strategy_count() { return kStrategyRows; }

Strategy::Strategy(BusyManager& busy) : my_busy(busy) { find_first_rows(kStrategyTable, my_firstRow); }

int Strategy::search(State& s, bool allow_composite) {
  // Step 1. Counting singles only counts the singles in sight, then the
  // search goes on as an ordinary search that applies its move.
  if (my_purpose == EnginePurpose::SinglesCount) {
    my_singlesCount += singles_available(s);
    my_purpose = EnginePurpose::Apply;
  }
  if (my_purpose == EnginePurpose::PaneLookUp) return name_next_move(s, allow_composite);

  // Step 2. The move.
  Move move;
  const int n = find(s, allow_composite, move);

  // Step 3. What it is for: applied, or offered as a hint. A hint says so
  // when nothing was found.
  if (my_purpose == EnginePurpose::Apply) {
    if (n != kNoMove) move.apply_to(s);
  } else if (n != kNoMove) {
    if (is_big_hint()) move.mark_on(s);
    offer_move(*this, &move);
  } else {
    offer_move(*this, nullptr);
  }
  return n;
}

int Strategy::name_next_move(const State& s, bool allow_composite) {
  Move move;
  const int n = find(s, allow_composite, move);
  name_move(*this, n == kNoMove ? 0 : n);
  return n;
}

int Strategy::find(const State& s, bool allow_composite, Move& move) {
  for (int n = 1; kStrategyTable[n - 1].name != nullptr; ++n) {
    const StrategyRow& row = kStrategyTable[n - 1];
    if (row.finder == nullptr) continue;
    if (row.pre_check != nullptr && !row.pre_check(*this, allow_composite)) continue;
    const int r = row.finder(my_busy, n, s, row.argument, move);
    // A move found as the player cancelled is dropped with the search.
    if (my_busy.cancelled()) break;
    if (r != 0) {
      VANTRY_ASSERT(r == move.row());
      if (r < my_practised && reached_only_by_own_finder(my_practised) &&
          strategy_row(my_practised).level == row.level) {
        const StrategyRow& practised = strategy_row(my_practised);
        Move own;
        if (practised.finder(my_busy, my_practised, s, practised.argument, own) == my_practised &&
            own.same_changes(move)) {
          move = own;
          return my_practised;
        }
      }
      return r;
    }
    pump_events(my_busy.services());
  }
  if (my_extended && !my_busy.cancelled()) return find_extended(my_busy, s, move);
  return kNoMove;
}

bool reached_only_by_own_finder(int n) {
  return n >= 1 && n <= kStrategyRows && std::string_view(strategy_row(n).name) == "XY-wing chain";
}

bool composite_chain_allowed(const Strategy& engine, bool allow_composite) {
  constexpr std::string_view kCompositeChain = "Composite chain";
  if (engine.strategies_used()) return true;
  if (engine.practice_strategy() != 0 &&
      std::string_view(strategy_row(engine.practice_strategy()).name).starts_with(kCompositeChain)) {
    return true;
  }
  if (allow_composite) return true;
  if (engine.purpose() != EnginePurpose::Apply) return true;
  const Difficulty difficulty = engine.requested_difficulty();
  return difficulty == Difficulty::Superhuman || difficulty == Difficulty::Unsolvable;
}

}  // namespace vantry
