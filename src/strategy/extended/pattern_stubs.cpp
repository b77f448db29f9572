// Placeholders for the pattern finders until they are written: none finds anything.
#include "strategy/extended/pattern_finders.h"

namespace vantry {

int find_finned_swordfish(BusyManager&, int, const State&, int, Move&) { return 0; }
int find_finned_jellyfish(BusyManager&, int, const State&, int, Move&) { return 0; }
int find_empty_rectangle(BusyManager&, int, const State&, int, Move&) { return 0; }
int find_als_xz(BusyManager&, int, const State&, int, Move&) { return 0; }
int find_als_xy_wing(BusyManager&, int, const State&, int, Move&) { return 0; }
int find_sue_de_coq(BusyManager&, int, const State&, int, Move&) { return 0; }
int find_medusa(BusyManager&, int, const State&, int, Move&) { return 0; }
int find_aic(BusyManager&, int, const State&, int, Move&) { return 0; }

}  // namespace vantry
