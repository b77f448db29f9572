// vantry-cli mistake: the first wrong move of a saved game, as Find my
// mistake reports it in the window, or "no mistake".
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>

#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "game/disk_file.h"
#include "game/find_mistake.h"
#include "game/saved_game.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "model/n_solutions.h"

namespace vantry {

int mistake_command(const std::string& path, std::ostream& out, std::ostream& err) {
  std::string contents, error;
  const DiskRead read = read_disk_file(path, kMaxSavedGameBytes, contents, error);
  if (read != DiskRead::Ok) {
    err << "vantry-cli: cannot read " << path << ": "
        << (read == DiskRead::TooLarge ? "too large for a saved game" : error) << '\n';
    return 1;
  }
  std::istringstream in(std::move(contents));
  Board board;
  SavedGameTrailer trailer;
  if (!read_saved_game(in, board, trailer)) {
    err << "vantry-cli: " << path << " is not a saved game\n";
    return 1;
  }

  ConsolePlatform platform;
  BusyManager busy(platform);
  SolutionCounter counter(busy);
  const Mistake m = find_mistake(board, counter);
  out << (m.kind == MistakeKind::None ? "no mistake" : mistake_text(m)) << '\n';
  return 0;
}

}  // namespace vantry
