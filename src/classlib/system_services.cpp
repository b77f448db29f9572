#include "classlib/system_services.h"

namespace vantry {

void SystemServices::drill_summary(const DrillReport& report) {
  message_box(drill_report_text(report), "Vantry", MessageIcon::Information, MessageButtons::Ok);
}

bool SystemServices::message_with_action(const std::string& text, const std::string& caption, MessageIcon icon,
                                         const std::string& action) {
  return message_box(text + "\n\n" + action + "?", caption, icon, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void pump_events(SystemServices& services) { services.process_pending_events(); }

}  // namespace vantry
