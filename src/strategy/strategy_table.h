// The strategy table: the 44 strategies in the order the search tries them
// (roughly the order of difficulty; within a level not by frequency), then
// the all-zero row that ends the table. A row without a finder is found by an
// earlier row's finder, which searches a whole family at once (the comment at
// the row's end names it) and reports the row its pattern turned out to be.
#pragma once

#include "strategy/finders/finders.h"
#include "strategy/strategy.h"

namespace vantry {

// clang-format off
inline constexpr StrategyRow kStrategyTable[] = {
  // pre-check              finder               arg level freq help  name
  {nullptr,                 find_naked_single,   0,  0,    0,   5010, "Naked single"},
  {nullptr,                 find_hidden_single,  0,  0,    0,   5020, "Hidden single"},
  {nullptr,                 find_box_line,       0,  1,    1,   5030, "Box/line elimination"},
  {nullptr,                 find_line_box,       0,  1,    1,   5040, "Line/box elimination"},
  {nullptr,                 find_naked_subset,   2,  1,    1,   5050, "Naked pair"},
  {nullptr,                 find_naked_subset,   3,  1,    2,   5080, "Naked triple"},
  {nullptr,                 find_xy_wing,        0,  1,    1,   5100, "XY-wing"},
  {nullptr,                 find_hidden_subset,  2,  1,    2,   5060, "Hidden pair"},
  {nullptr,                 find_fish,           2,  1,    2,   5070, "X-wing"},
  {nullptr,                 find_finned_x_wing,  0,  1,    1,   5049, "Finned X-wing"},
  {nullptr,                 find_sashimi_x_wing, 0,  1,    2,   5048, "Sashimi finned X-wing"},
  {nullptr,                 find_turbot_fish,    0,  1,    2,   5071, "Turbot fish"},
  {nullptr,                 find_w_wing_type1,   0,  1,    2,   5103, "W-wing (type 1)"},
  {nullptr,                 find_hidden_subset,  3,  1,    3,   5090, "Hidden triple"},
  {nullptr,                 find_bug,            0,  1,    3,   5105, "BUG"},
  {nullptr,                 find_w_wing_type3,   0,  1,    3,   5107, "W-wing (type 3)"},
  {nullptr,                 find_w_wing_type2,   0,  1,    3,   5108, "W-wing (type 2)"},
  {nullptr,                 find_w_wing_type4,   0,  1,    4,   5102, "W-wing (type 4)"},
  {nullptr,                 find_rectangle_elimination, 0,  1,    3,   5110, "Rectangle elimination"},
  {nullptr,                 find_pairs_chain,    0,  2,    2,   5210, "Pairs chain"},
  {nullptr,                 find_locked_cell_cycle, 0,  2,    2,   5115, "Locked cell cycle (type 1)"},
  {nullptr,                 nullptr,             0,  2,    2,   5116, "Locked cell cycle (type 2)"},  // by 21
  {nullptr,                 find_xyz_wing,       0,  2,    3,   5120, "XYZ-wing"},
  {nullptr,                 find_fish,           3,  2,    3,   5130, "Swordfish"},
  {nullptr,                 find_naked_subset,   4,  2,    4,   5140, "Naked quad"},
  {nullptr,                 find_hidden_subset,  4,  2,    4,   5150, "Hidden quad"},
  {nullptr,                 find_fish,           4,  2,    4,   5160, "Jellyfish"},
  {nullptr,                 find_unique_rectangle, 0,  2,    3,   5170, "Unique rectangle (type 1)"},
  {nullptr,                 nullptr,             0,  2,    4,   5171, "Unique rectangle (type 2)"},  // by 28
  {nullptr,                 nullptr,             0,  2,    4,   5172, "Unique rectangle (type 3)"},  // by 28
  {nullptr,                 nullptr,             0,  2,    3,   5173, "Unique rectangle (type 4)"},  // by 28
  {nullptr,                 find_unique_rectangle_5_6, 0,  2,    4,   5174, "Unique rectangle (type 5)"},
  {nullptr,                 nullptr,             0,  2,    3,   5175, "Unique rectangle (type 6)"},  // by 32
  {nullptr,                 find_avoidable_rectangle, 0,  2,    4,   5300, "Avoidable rectangle (type 1)"},
  {nullptr,                 nullptr,             0,  2,    4,   5310, "Avoidable rectangle (type 2)"},  // by 34
  {nullptr,                 nullptr,             0,  2,    4,   5320, "Avoidable rectangle (type 3)"},  // by 34
  {nullptr,                 find_xy_wing_chain,  0,  2,    4,   5180, "XY-wing chain"},
  {nullptr,                 find_singles_chain,  0,  2,    4,   5190, "Singles chain"},
  {nullptr,                 nullptr,             0,  2,    4,   5200, "Singles chain contradiction"},  // by 38
  {nullptr,                 nullptr,             0,  2,    4,   5220, "Pairs chain contradiction"},  // by 20
  {nullptr,                 find_weak_singles_chain, 0,  2,    3,   5230, "Weak singles chain"},
  {nullptr,                 nullptr,             0,  2,    4,   5240, "Weak singles chain contradiction"},  // by 41
  {composite_chain_allowed, find_composite_chain, 0,  3,    2,   5250, "Composite chain"},
  {nullptr,                 nullptr,             0,  3,    2,   5250, "Composite chain contradiction"},  // by 43
  {nullptr,                 nullptr,             0,  0,    0,   0,    nullptr},
};
// clang-format on

inline constexpr int kStrategyRows = static_cast<int>(sizeof kStrategyTable / sizeof kStrategyTable[0]) - 1;
static_assert(kStrategyRows == 44);

}  // namespace vantry
