// Creation and rating speed. For each difficulty, seeded creations through
// the game object as Create new makes them: median and maximum time and the
// attempts each took, against the goals. Then rating throughput (puzzles per
// second) over each corpus file, as Rate puzzle rates. Printed as two tables.
//   create_bench [--count N] [--seconds S] [--rate-seconds S] [--only NAME]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/console_platform.h"
#include "game/game.h"
#include "game/rating.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/difficulty.h"
#include "strategy/strategy.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The median creation time each difficulty should stay under, in ms.
constexpr double kGoalMs[] = {0, 50, 50, 50, 50, 250, 250, 2000};

struct Options {
  int count = 20;
  double create_seconds = 120;  // per difficulty, after which it stops early
  double rate_seconds = 20;     // per corpus file
  std::string only;             // one difficulty name, or "rate"
};

void create_table(const Options& o) {
  std::printf("Creation, %d seeded puzzles per difficulty (at most %.0f s each)\n", o.count, o.create_seconds);
  std::printf("%-11s %5s %10s %10s %9s %9s %9s  %s\n", "difficulty", "made", "median ms", "max ms", "att. med",
              "att. max", "goal ms", "");
  for (int index = 1; index <= 7; ++index) {
    const vantry::Difficulty target = vantry::difficulty_from_index(index);
    const std::string name(vantry::difficulty_name(target));
    if (!o.only.empty() && o.only != name) continue;
    vantry::ConsolePlatform platform;
    platform.set_quiet(true);
    vantry::SilentView view;
    vantry::Game game(platform, view);
    game.set_attempt_limit(50000);
    std::vector<double> ms;
    std::vector<int> attempts;
    const auto start = Clock::now();
    for (int i = 0; i < o.count && seconds_since(start) < o.create_seconds; ++i) {
      game.set_random_seed(1000u + static_cast<unsigned>(i));
      const auto t = Clock::now();
      const bool made = game.create_puzzle(target);
      if (!made) break;
      ms.push_back(seconds_since(t) * 1000);
      attempts.push_back(game.attempts_made());
    }
    if (ms.empty()) {
      std::printf("%-11s %5d %10s %10s %9s %9s %9.0f  not reached with the finders built so far\n", name.c_str(), 0,
                  "-", "-", "-", "-", kGoalMs[index]);
      continue;
    }
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> sorted_attempts = attempts;
    std::sort(sorted_attempts.begin(), sorted_attempts.end());
    const double median = sorted[sorted.size() / 2];
    std::printf("%-11s %5zu %10.1f %10.1f %9d %9d %9.0f  %s\n", name.c_str(), ms.size(), median, sorted.back(),
                sorted_attempts[sorted_attempts.size() / 2], sorted_attempts.back(), kGoalMs[index],
                median <= kGoalMs[index] ? "ok" : "MISSED");
  }
}

void rate_table(const Options& o) {
  std::printf("\nRating throughput (as Rate puzzle rates; at most %.0f s a file)\n", o.rate_seconds);
  std::printf("%-48s %7s %9s %12s  %s\n", "file", "rated", "seconds", "puzzles/s", "difficulties 1-8");
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(VANTRY_CORPUS_DIR)) {
    if (entry.path().extension() == ".txt" && entry.path().filename() != "SOURCES.md") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  vantry::ConsolePlatform platform;
  vantry::BusyManager busy(platform);
  vantry::Strategy engine(busy);
  for (const auto& path : files) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (line.size() == 81) lines.push_back(line);
    }
    int tally[9] = {};
    int rated = 0;
    const auto start = Clock::now();
    for (const std::string& line : lines) {
      vantry::State s;
      for (int i = 0; i < 81; ++i) {
        if (line[i] >= '1' && line[i] <= '9') s.set_answer(i / 9, i % 9, line[i] - '0');
      }
      s.mark_givens();
      vantry::StrategiesUsed used;
      vantry::SolvingRun run;
      ++tally[vantry::difficulty_index(vantry::rate_position(engine, s, true, 0, used, run))];
      ++rated;
      if (seconds_since(start) > o.rate_seconds) break;
    }
    const double elapsed = seconds_since(start);
    std::string spread;
    for (int d = 1; d <= 8; ++d) spread += std::to_string(tally[d]) + (d < 8 ? " " : "");
    std::printf("%-48s %7d %9.2f %12.1f  %s%s\n", path.filename().c_str(), rated, elapsed, rated / elapsed,
                spread.c_str(),
                path.filename() == "a_qqwing_expert_1000.txt"
                    ? (rated / elapsed >= 200 ? "  goal 200: ok" : "  goal 200: MISSED")
                    : "");
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--count") == 0) o.count = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--seconds") == 0) o.create_seconds = std::atof(argv[i + 1]);
    if (std::strcmp(argv[i], "--rate-seconds") == 0) o.rate_seconds = std::atof(argv[i + 1]);
    if (std::strcmp(argv[i], "--only") == 0) o.only = argv[i + 1];
  }
  if (o.only != "rate") create_table(o);
  if (o.only.empty() || o.only == "rate") rate_table(o);
  return 0;
}
