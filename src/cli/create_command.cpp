// vantry-cli create and practice: new puzzles and practice positions made by
// the game object itself, as the Create new and Practice commands make them,
// with a seed for reproducible runs.
#include <cctype>
#include <chrono>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"
#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "strategy/difficulty.h"
#include "strategy/move_notation.h"
#include "game/disk_file.h"
#include "game/game.h"
#include "game/position_text.h"
#include "game/rating.h"
#include "game/saved_game.h"

namespace vantry {

namespace {

// The game object on a silent console, seeded for one position.
struct CliGame {
  ConsolePlatform platform;
  SilentView view;
  Game game{platform, view};

  CliGame(const CreateOptions& options, std::uint32_t seed) {
    platform.set_quiet(true);
    // The game's own settings live in memory: nothing reaches a file.
    game.settings().write_integer(kAllowAsymmetric, options.asymmetric ? 1 : 0);
    game.set_random_seed(seed);
    game.set_attempt_limit(options.max_attempts);
  }
};

// Position i's own seed, from the run's seed and i alone, so that a position
// is the same whichever thread builds it and whatever was built before it.
std::uint32_t position_seed(std::uint32_t run_seed, int i) {
  std::uint64_t z = (static_cast<std::uint64_t>(run_seed) << 32) + static_cast<std::uint64_t>(i) + 1;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;  // splitmix64's finaliser
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>(z ^ (z >> 31));
}

std::uint32_t run_seed(const CreateOptions& options) {
  if (options.seed_given) return options.seed;
  return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
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

std::string lower_case(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace

std::string difficulty_word(Difficulty d) { return lower_case(difficulty_name(d)); }

Difficulty difficulty_from_word(std::string_view word) {
  const std::string asked = lower_case(word);
  for (int index = 0; index < kDifficultyCount; ++index) {
    const Difficulty d = difficulty_from_index(index);
    if (difficulty_word(d) == asked) return d;
  }
  return Difficulty::NotRated;
}

int create_command(std::ostream& out, std::ostream& err, Difficulty target, const CreateOptions& options,
                   const RunOptions& run) {
  const std::uint32_t seed = run_seed(options);
  return run_positions(
      options.count, out, err,
      [&] {
        return [&](int i, std::string& text, std::string& error) {
          CliGame cli(options, position_seed(seed, i));
          if (!cli.game.create_puzzle(target)) {
            error = "vantry-cli: no " + std::string(difficulty_name(target)) + " puzzle after " +
                    std::to_string(cli.game.attempts_made()) + " attempts\n";
            return false;
          }
          text =
              grid_text(cli.game.board().current()) + ' ' + std::string(difficulty_name(cli.game.difficulty())) + '\n';
          return true;
        };
      },
      run);
}

int practice_command(std::ostream& out, std::ostream& err, int n, const CreateOptions& options, const std::string& spz,
                     const RunOptions& run) {
  const std::uint32_t seed = run_seed(options);
  return run_positions(
      options.count, out, err,
      [&] {
        return [&](int i, std::string& text, std::string& error) {
          CliGame cli(options, position_seed(seed, i));
          if (!cli.game.create_practice_puzzle(n)) {
            error = "vantry-cli: no practice position for " + std::string(strategy_row(n).name) + " after " +
                    std::to_string(cli.game.attempts_made()) + " attempts\n";
            return false;
          }
          const State& s = cli.game.board().current();
          text = grid_text(s) + removals_text(s) + '\n';
          if (spz.empty()) return true;
          std::ostringstream saved;
          write_saved_game(saved, cli.game.board(), cli.game.difficulty(), cli.game.statistics());
          std::string reason;
          const std::string path = spz_path(spz, i + 1, options.count);
          if (!replace_disk_file(path, saved.str(), reason)) {
            error = "vantry-cli: " + path + ": " + reason + '\n';
            return false;
          }
          return true;
        };
      },
      run);
}

}  // namespace vantry
