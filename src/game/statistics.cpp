#include "game/statistics.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace vantry {

void write_statistics(std::ostream& out, const Statistics& stats) {
  out << stats.moves_made << ' ' << stats.moves_undone << ' ' << stats.little_hints << ' ' << stats.medium_hints << ' '
      << stats.big_hints << ' ' << stats.seconds << '\n';
}

namespace {

// The next whitespace-separated number: -1 for a negative one, the limit for
// one too large; nothing when the next item is no number.
std::optional<std::int32_t> read_count(std::istream& in) {
  std::string token;
  if (!(in >> token)) return std::nullopt;
  std::size_t i = token[0] == '-' || token[0] == '+' ? 1 : 0;
  if (i == token.size() || token.find_first_not_of("0123456789", i) != std::string::npos) return std::nullopt;
  if (token[0] == '-') return token.find_first_not_of('0', 1) == std::string::npos ? 0 : -1;
  std::int64_t value = 0;
  for (; i < token.size() && value <= kMaxStatistic; ++i) value = value * 10 + (token[i] - '0');
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, kMaxStatistic));
}

}  // namespace

Statistics read_statistics(std::istream& in) {
  Statistics stats;
  const std::optional<std::int32_t> made = read_count(in);
  if (!made || *made < 0) return stats;
  stats.moves_made = *made;
  for (std::int32_t* field :
       {&stats.moves_undone, &stats.little_hints, &stats.medium_hints, &stats.big_hints, &stats.seconds}) {
    const std::optional<std::int32_t> value = read_count(in);
    if (!value) break;
    *field = *value < 0 ? 0 : *value;
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
