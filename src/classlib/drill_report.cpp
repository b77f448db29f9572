#include "classlib/drill_report.h"

namespace vantry {

std::string drill_report_text(const DrillReport& report) {
  std::string text = report.title + "\n\n";
  for (std::size_t i = 0; i < kDrillColumns.size(); ++i) {
    text += i == 0 ? "" : "\t";
    text += kDrillColumns[i];
  }
  text += "\n";
  for (const auto& row : report.rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      text += i == 0 ? "" : "\t";
      text += row[i];
    }
    text += "\n";
  }
  for (const std::string& line : report.lines) text += "\n" + line;
  return text;
}

}  // namespace vantry
