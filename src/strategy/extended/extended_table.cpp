#include "strategy/extended/extended_table.h"

#include "classlib/contract.h"
#include "classlib/system_services.h"
#include "model/busy_manager.h"
#include "strategy/extended/forcing_chains.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/move.h"
#include "strategy/strategy_table.h"

namespace vantry {

namespace {

// clang-format off
// In the order the search tries them: the patterns by how often solving
// guides teach them, then the forcing chains, the dynamic ones last of all.
constexpr ExtendedRow kExtendedTable[] = {
  // finder                       level          weight help  name
  {find_finned_swordfish,         "Extreme",     60,    5400, "Finned swordfish"},
  {find_finned_jellyfish,         "Extreme",     65,    5410, "Finned jellyfish"},
  {find_empty_rectangle,          "Extreme",     55,    5420, "Empty rectangle"},
  {find_als_xz,                   "Extreme",     70,    5430, "ALS-XZ"},
  {find_als_xy_wing,              "Extreme",     75,    5440, "ALS-XY-wing"},
  {find_sue_de_coq,               "Extreme",     70,    5450, "Sue de Coq"},
  {find_medusa,                   "Extreme",     70,    5460, "3D Medusa"},
  {find_aic,                      "Extreme",     80,    5470, "Alternating inference chain"},
  {find_cell_forcing_chain,       "Last resort", 90,    5490, "Cell forcing chain"},
  {find_unit_forcing_chain,       "Last resort", 90,    5500, "Unit forcing chain"},
  {find_dynamic_forcing_chain,    "Last resort", 120,   5510, "Dynamic forcing chain"},
};

// The standard rows' weights by table number: a single costs 1, and each
// level costs clearly more than the one below, so the score grows with the
// hardest step first and with the number of hard steps second.
constexpr int kStandardWeights[] = {
  0,
  1, 1, 3, 3, 5, 7, 9, 7, 10, 11,        // 1-10
  12, 12, 12, 9, 14, 14, 14, 15, 15, 25,  // 11-20
  27, 27, 25, 30, 32, 32, 35, 30, 32, 32, // 21-30
  30, 33, 33, 33, 33, 33, 38, 40, 40, 40, // 31-40
  38, 38, 50, 50,                         // 41-44
};
// clang-format on

constexpr int kExtendedRows = static_cast<int>(sizeof kExtendedTable / sizeof kExtendedTable[0]);
static_assert(kFirstExtendedRow + kExtendedRows - 1 == kLastExtendedRow);
static_assert(kFirstExtendedRow == kStrategyRows + 1);
static_assert(sizeof kStandardWeights / sizeof kStandardWeights[0] == kStrategyRows + 1);

// The same rows in the standard table's shape; built once.
struct ExtendedAsStandard {
  StrategyRow rows[kExtendedRows];
  ExtendedAsStandard() {
    for (int i = 0; i < kExtendedRows; ++i) {
      const ExtendedRow& e = kExtendedTable[i];
      rows[i] = {nullptr, e.finder, 0, kLevels - 1, 4, e.help_context, e.name};
    }
  }
};

}  // namespace

bool is_extended_row(int n) { return n >= kFirstExtendedRow && n <= kLastExtendedRow; }

const ExtendedRow& extended_row(int n) {
  VANTRY_ASSERT(is_extended_row(n));
  return kExtendedTable[n - kFirstExtendedRow];
}

const StrategyRow& extended_strategy_row(int n) {
  VANTRY_ASSERT(is_extended_row(n));
  static const ExtendedAsStandard table;
  return table.rows[n - kFirstExtendedRow];
}

int row_weight(int n) {
  if (is_extended_row(n)) return extended_row(n).weight;
  VANTRY_ASSERT(n >= 1 && n <= kStrategyRows);
  return kStandardWeights[n];
}

int find_extended(BusyManager& busy, const State& s, Move& move) {
  for (int n = kFirstExtendedRow; n <= kLastExtendedRow; ++n) {
    const int r = extended_row(n).finder(busy, n, s, 0, move);
    if (busy.cancelled()) break;
    if (r != 0) {
      VANTRY_ASSERT(r == move.row());
      return r;
    }
    pump_events(busy.services());
  }
  return kNoMove;
}

}  // namespace vantry
