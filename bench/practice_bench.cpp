// Practice time per strategy: the practice position as the Practice command
// makes it (Game::create_practice_puzzle on a silent console: the library's
// draw through a symmetry and its check, or the search when the library has
// none), 20 tries per strategy, median and longest against the 200 ms goal.
//
//   practice_bench [--tries N] [--only NUMBER]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/console_platform.h"
#include "game/game.h"
#include "strategy/strategy.h"

namespace {

constexpr double kGoalMs = 200.0;

}  // namespace

int main(int argc, char** argv) {
  int tries = 20;
  int only = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    if (option == "--tries") tries = std::max(1, std::atoi(argv[i + 1]));
    if (option == "--only") only = std::atoi(argv[i + 1]);
  }
  vantry::ConsolePlatform platform;
  platform.set_quiet(true);
  vantry::SilentView view;
  vantry::Game game(platform, view);
  game.set_random_seed(20261207);
  // A strategy the library lacks would search; the bench gives up on it early.
  game.set_attempt_limit(2000);

  std::printf("%-34s %10s %10s  goal %.0f ms\n", "strategy", "median ms", "max ms", kGoalMs);
  int over = 0;
  for (int n = 1; n <= vantry::strategy_count(); ++n) {
    if (only != 0 && n != only) continue;
    std::vector<double> times;
    int failed = 0;
    for (int t = 0; t < tries; ++t) {
      const auto start = std::chrono::steady_clock::now();
      if (!game.create_practice_puzzle(n)) ++failed;
      times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double longest = times.back();
    const bool slow = longest > kGoalMs || failed > 0;
    over += slow ? 1 : 0;
    std::printf("%2d %-31s %10.1f %10.1f  %s", n, vantry::strategy_row(n).name, median, longest, slow ? "OVER" : "ok");
    if (failed > 0) std::printf(" (%d of %d found nothing)", failed, tries);
    std::printf("\n");
  }
  std::printf("%d strategies over the goal\n", over);
  return over == 0 ? 0 : 1;
}
