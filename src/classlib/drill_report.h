// The summary a drill ends with, as the screen shows it: a title, one row per
// position with its counts and time (the totals last) and a few closing lines
// on the score and the best results. The game fills it; a platform lays it out.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vantry {

inline constexpr std::array<const char*, 5> kDrillColumns = {"Position", "Found", "Missed", "Wrong", "Time"};

struct DrillReport {
  std::string title;
  std::vector<std::array<std::string, 5>> rows;  // in the order of kDrillColumns
  std::vector<std::string> lines;
};

// The whole report as plain text, for a platform without a table to show it in.
std::string drill_report_text(const DrillReport& report);

}  // namespace vantry
