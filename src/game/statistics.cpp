#include "game/statistics.h"

#include <cstdio>
#include <istream>
#include <ostream>

namespace vantry {

void write_statistics(std::ostream& out, const Statistics& stats) {
  out << stats.moves_made << ' ' << stats.moves_undone << ' ' << stats.little_hints << ' '
      << stats.medium_hints << ' ' << stats.big_hints << ' ' << stats.seconds << '\n';
}

Statistics read_statistics(std::istream& in) {
  Statistics stats;
  std::int32_t made = 0;
  if (!(in >> made) || made < 0) return stats;
  stats.moves_made = made;
  for (std::int32_t* field : {&stats.moves_undone, &stats.little_hints, &stats.medium_hints,
                              &stats.big_hints, &stats.seconds}) {
    std::int32_t value = 0;
    if (!(in >> value)) break;
    *field = value < 0 ? 0 : value;
  }
  return stats;
}

std::string clock_text(std::int32_t seconds) {
  if (seconds < 0) seconds = 0;
  const int h = seconds / 3600;
  const int m = (seconds % 3600) / 60;
  const int s = seconds % 60;
  char text[32];
  if (h < 1) {
    std::snprintf(text, sizeof text, "%d:%02d", m, s);
  } else {
    std::snprintf(text, sizeof text, "%d:%02d:%02d", h, m, s);
  }
  return text;
}

}  // namespace vantry
