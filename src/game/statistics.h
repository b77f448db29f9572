// The score of the game in play: moves made and undone, hints at each level
// and the seconds on the clock. The button pane shows them and a saved game
// keeps them on its last line.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace vantry {

struct Statistics {
  std::int32_t moves_made = 0;
  std::int32_t moves_undone = 0;
  std::int32_t little_hints = 0;
  std::int32_t medium_hints = 0;
  std::int32_t big_hints = 0;
  std::int32_t seconds = 0;

  bool operator==(const Statistics&) const = default;
};

// The line of a saved game: moves made, moves undone, little, medium and big
// hints, seconds, separated by spaces.
void write_statistics(std::ostream& out, const Statistics& stats);
// No counter read from a file goes beyond this, so counting on from it can
// never overflow.
inline constexpr std::int32_t kMaxStatistic = 999'999'999;

// Older games end without the line: when moves made cannot be read or is
// negative, everything is zero and nothing more is read. A damaged or
// negative value further on counts as zero; a larger one than kMaxStatistic
// (however many digits it has) counts as kMaxStatistic.
Statistics read_statistics(std::istream& in);

// "m:ss" below an hour, "h:mm:ss" from then on.
std::string clock_text(std::int32_t seconds);

}  // namespace vantry
