#include "classlib/platform.h"

namespace vantry {

void Platform::drill_summary(const DrillReport& report) {
  message_box(drill_report_text(report), "Vantry", MessageIcon::Information, MessageButtons::Ok);
}

void pump_events(Platform& platform) { platform.process_pending_events(); }

}  // namespace vantry
