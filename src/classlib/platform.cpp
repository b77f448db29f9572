#include "classlib/platform.h"

namespace vantry {

void pump_events(Platform& platform) { platform.process_pending_events(); }

}  // namespace vantry
