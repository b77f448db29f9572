// vantry-cli create and practice: new puzzles and practice positions made by
// the game object itself, as the Create new and Practice commands make them,
// with a seed for reproducible runs.
#include <ostream>
#include <sstream>
#include <string>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "cli/move_notation.h"
#include "game/difficulty.h"
#include "game/disk_file.h"
#include "game/game.h"
#include "game/saved_game.h"

namespace vantry {

namespace {

// The game object on a silent console, seeded when a seed was given.
struct CliGame {
  ConsolePlatform platform;
  Game game{platform};

  explicit CliGame(const CreateOptions& options) {
    platform.set_quiet(true);
    // The game's own settings live in memory: nothing reaches a file.
    game.grid().settings().write_integer(kAllowAsymmetric, options.asymmetric ? 1 : 0);
    if (options.seed_given) game.set_random_seed(options.seed);
    game.set_attempt_limit(options.max_attempts);
  }
};

// The removed possibilities of a position, r<row>c<column><><digit> each.
std::string removals_text(const State& s) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (s.cell(r, c).answer != 0) continue;
      for (int d = 1; d <= 9; ++d) {
        if (!s.cell(r, c).deleted[d]) continue;
        text += " r" + std::to_string(r + 1) + 'c' + std::to_string(c + 1) + "<>" + std::to_string(d);
      }
    }
  }
  return text;
}

// The saved game of the i-th position (numbered from 1 when there are several).
std::string spz_path(const std::string& path, int i, int count) {
  if (count == 1) return path;
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  const bool has_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string stem = has_extension ? path.substr(0, dot) : path;
  const std::string extension = has_extension ? path.substr(dot) : ".spz";
  return stem + '-' + std::to_string(i) + extension;
}

}  // namespace

int create_command(std::ostream& out, std::ostream& err, int target, const CreateOptions& options) {
  CliGame cli(options);
  for (int i = 0; i < options.count; ++i) {
    if (!cli.game.create_puzzle(target)) {
      err << "vantry-cli: no " << kDifficultyNames[target - 11900] << " puzzle after "
          << cli.game.attempts_made() << " attempts\n";
      return 1;
    }
    out << grid_text(cli.game.board().current()) << ' ' << kDifficultyNames[cli.game.difficulty()]
        << '\n';
  }
  return 0;
}

int practice_command(std::ostream& out, std::ostream& err, int n, const CreateOptions& options,
                     const std::string& spz) {
  CliGame cli(options);
  for (int i = 0; i < options.count; ++i) {
    if (!cli.game.create_practice_puzzle(n)) {
      err << "vantry-cli: no practice position for " << strategy_row(n).name << " after "
          << cli.game.attempts_made() << " attempts\n";
      return 1;
    }
    const State& s = cli.game.board().current();
    out << grid_text(s) << removals_text(s) << '\n';
    if (spz.empty()) continue;
    std::ostringstream text;
    write_saved_game(text, cli.game.board(), cli.game.difficulty(), cli.game.statistics());
    std::string error;
    const std::string path = spz_path(spz, i + 1, options.count);
    if (!replace_disk_file(path, text.str(), error)) {
      err << "vantry-cli: " << path << ": " << error << '\n';
      return 1;
    }
  }
  return 0;
}

}  // namespace vantry
