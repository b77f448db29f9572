#include "classlib/platform.h"

#include <cstdlib>

namespace vantry {

void pump_events(Platform& platform) {
  platform.process_pending_events();
  if (platform.close_requested()) std::exit(0);
}

}  // namespace vantry
