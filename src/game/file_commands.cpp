// How a game leaves and enters the program: Open, Save and Save As of the
// saved-game file, Import and Export of a puzzle as text, Copy and Paste
// through the clipboard, and the check that an imported or pasted puzzle
// has exactly one solution.
#include <cerrno>
#include <sstream>
#include <streambuf>
#include <system_error>

#include "classlib/system_services.h"
#include "game/disk_file.h"
#include "game/game.h"
#include "strategy/game_messages.h"
#include "game/puzzle_text.h"
#include "game/recent_games.h"
#include "game/saved_game.h"

namespace vantry {

namespace {

constexpr const char* kSavedGameFilter = "Sudoku Puzzle (*.spz)|*.spz|All Files (*.*)|*.*|";
constexpr const char* kTextFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|";

// An import reads 81 characters that are not white space, however much
// white space comes between them; a file that holds this much before the
// puzzle ends is not one.
constexpr std::size_t kImportScanLimit = std::size_t{256} << 20;
constexpr const char* kImportTooLargeText = "That file is too large to hold a Sudoku puzzle.";

// Reads a text in memory as a stream, without a second copy of it (a saved
// game may run to many megabytes).
class TextBuffer : public std::streambuf {
 public:
  explicit TextBuffer(std::string& text) { setg(text.data(), text.data(), text.data() + text.size()); }
};

std::string cannot_open_text(const std::string& path) {
  return path +
         ":\n\nSorry, I cannot open this file.  Either it has become corrupted,\nor it was not "
         "created by the Save command of Vantry.";
}

}  // namespace

void Game::open() {
  if (!activity_guard()) return;
  FileDialogRequest request;
  request.filter = kSavedGameFilter;
  request.default_extension = "spz";
  request.initial_directory = my_fileName.directory;
  request.must_exist = true;
  if (const auto path = my_services.open_file_dialog(request)) open_file(*path);
}

void Game::open_file(const std::string& path) {
  if (!activity_guard()) return;
  // Step 1. The file must be readable; one too large to be a saved game is
  // refused before the game in play is given up.
  std::string contents, error;
  const DiskRead read = read_disk_file(path, kMaxSavedGameBytes, contents, error);
  if (read == DiskRead::Failed) {
    message(path + ": " + error, "Error", MessageIcon::None);
    return;
  }
  if (read == DiskRead::TooLarge) {
    message(cannot_open_text(path), "Error", MessageIcon::Stop);
    return;
  }

  // Step 2.
  if (!new_game_step()) return;

  // Step 3. The history goes into a Board of its own and replaces the empty
  // game only when the whole file read well, so nothing is ever half-loaded.
  Board loaded;
  SavedGameTrailer trailer;
  TextBuffer text(contents);
  std::istream in(&text);
  if (!read_saved_game(in, loaded, trailer)) {
    message(cannot_open_text(path), "Error", MessageIcon::Stop);
    return;
  }

  // Step 4. Reading leaves the game unmodified: it needs no saving yet.
  my_board = std::move(loaded);
  my_difficulty = trailer.difficulty;
  my_strategiesUsed.mark_stale();
  my_puzzleValid = true;
  set_file_name(path, true);
  remember_recent_game(settings(), path);
  my_stats = trailer.stats;
  my_view.pane_changed(PaneUpdate::CountersAndLines);
  // The clock goes on from the saved seconds, unless the game is over.
  if (!my_board.current().is_solved()) start_clock();
  repaint();
}

bool Game::save() {
  if (!activity_guard() || !puzzle_guard()) return false;
  // Only a saved game of our own is written without asking; a name taken
  // from an imported or exported text file is proposed in the dialog, and so
  // is one the extension rule made when the player will not replace the file
  // of that name.
  if (my_fileName.path.empty() || !my_fileName.is_saved_game) return save_as_unguarded();
  if (!may_replace(my_fileName)) return save_as_unguarded();
  return save_to(my_fileName);
}

bool Game::save_as() {
  if (!activity_guard() || !puzzle_guard()) return false;
  return save_as_unguarded();
}

bool Game::save_as_unguarded() {
  FileDialogRequest request;
  request.filter = kSavedGameFilter;
  request.default_extension = "spz";
  request.initial_directory = my_fileName.directory;
  request.proposed_name = my_fileName.path;
  request.confirm_overwrite = true;
  // The dialog asks before replacing the file chosen in it; the extension
  // rule may then name another one, which is asked about here. No shows the
  // dialog again.
  for (;;) {
    const auto path = my_services.save_file_dialog(request);
    if (!path) return false;
    FileName target = my_fileName;
    target.set_from_path(*path, false);
    if (may_replace(target)) return save_to(target);
    request.proposed_name = target.path;
  }
}

bool Game::may_replace(const FileName& target) {
  if (!target.renamed() || !file_exists(target.path) || same_file(target.path, target.source)) return true;
  return my_services.message_box(target.path + " already exists.\nDo you want to replace it?", kProductName,
                                 MessageIcon::Exclamation, MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool Game::save_to(FileName target) {
  std::ostringstream out;
  write_saved_game(out, my_board, my_difficulty, my_stats);
  const std::string text = std::move(out).str();
  // Never write what Open would refuse.
  std::string error;
  if (text.size() > kMaxSavedGameBytes) {
    error = std::generic_category().message(EFBIG);
  } else {
    replace_disk_file(target.path, text, error);
  }
  if (!error.empty()) {
    // The game keeps its old name: the title never shows a file not written.
    message(target.path + ": " + error, "Error", MessageIcon::None);
    return false;
  }
  my_board.clear_modified();
  target.mark_written();
  my_fileName = target;
  update_title();
  remember_recent_game(settings(), target.path);
  return true;
}

void Game::import_puzzle() {
  if (!activity_guard()) return;
  FileDialogRequest request;
  request.filter = kTextFilter;
  request.default_extension = "txt";
  request.initial_directory = my_fileName.directory;
  request.must_exist = true;
  const auto path = my_services.open_file_dialog(request);
  if (!path) return;

  // Step 1. The characters of the grid, read before the game in play is
  // given up so that a refusal keeps it.
  std::string cells, error;
  switch (read_non_blank(*path, 81, kImportScanLimit, cells, error)) {
    case DiskRead::Ok: break;
    case DiskRead::Failed: message("Cannot open import file", "Error", MessageIcon::None); return;
    case DiskRead::TooLarge: message(kImportTooLargeText, kProductName, MessageIcon::None); return;
  }
  // Step 2.
  if (!new_game_step()) return;
  // Steps 3-4.
  std::istringstream in(cells);
  if (!parse_import(in, my_board.current())) {
    message(
        "Either that file doesn't contain a Sudoku puzzle,\nor the puzzle is not in a format "
        "that can be imported.",
        kProductName, MessageIcon::None);
    new_game_step();
    return;
  }
  // Steps 5-6.
  check_loaded_puzzle(kBusyImport);
  if (my_puzzleValid) {
    set_file_name(*path, false);
    reset_statistics();
    restart_clock();
  }
}

void Game::paste() {
  if (!activity_guard()) return;
  // Step 1.
  std::string text;
  switch (my_services.get_clipboard_text(text)) {
    case ClipboardRead::Text: break;
    case ClipboardRead::CannotOpen: message("Could not open the clipboard", kProductName, MessageIcon::Stop); return;
    case ClipboardRead::NoText: message("Nothing in the clipboard!", "Error", MessageIcon::Stop); return;
  }
  // Steps 2-4.
  if (!new_game_step()) return;
  if (!parse_paste(text, my_board.current())) {
    repaint();
    message("Not enough data on the clipboard!", kProductName, MessageIcon::Stop);
    new_game_step();
    return;
  }
  // Steps 5-6.
  check_loaded_puzzle(kBusyPaste);
  update_title();
  if (my_puzzleValid) {
    reset_statistics();
    restart_clock();
  }
}

void Game::check_loaded_puzzle(BusyToken token) {
  // The grid shows the puzzle in the entry colours while it is checked, and
  // every command refuses meanwhile.
  my_entering = true;
  repaint();
  pump_events(my_services);
  const int n = count_and_record(token);
  if (n == 0) {
    message("This puzzle has no solution!\nPlease check the puzzle source for any errors.", kProductName,
            MessageIcon::Exclamation);
  } else if (n > 1) {
    message(
        "This puzzle has more than one solution!\nPlease check the puzzle source for any "
        "errors.",
        kProductName, MessageIcon::Exclamation);
  }
  my_puzzleValid = n == 1;
  if (my_puzzleValid) {
    take_recorded_solution();
    my_board.set_modified(true);
  } else {
    my_board.reset();
  }
  my_counter.set_record_solution(false);
  my_entering = false;
  repaint();
}

void Game::export_puzzle() {
  if (!activity_guard() || !puzzle_guard()) return;
  FileDialogRequest request;
  request.title = "Export puzzle";
  request.filter = kTextFilter;
  request.default_extension = "txt";
  request.initial_directory = my_fileName.directory;
  request.confirm_overwrite = true;
  const auto path = my_services.save_file_dialog(request);
  if (!path) return;
  std::string error;
  if (!replace_disk_file(*path, grid_text(my_board.current(), "\n"), error)) {
    message(*path + ": " + error, "Error", MessageIcon::Stop);
    return;
  }
  if (my_fileName.path.empty()) set_file_name(*path, false);
}

void Game::copy() {
  if (!activity_guard() || !puzzle_guard()) return;
  // A clipboard that cannot be taken is left alone without a word.
  my_services.set_clipboard_text(grid_text(my_board.current(), "\r\n"));
}

}  // namespace vantry
