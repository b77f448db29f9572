// A game leaving and entering the program: Save and Open keep the whole
// game, Import, Paste, Export and Copy move puzzles as text, and every
// failure ends in its message with the game in a sound state.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/saved_game.h"
#include "game_fixture.h"

namespace vantry::testing {
namespace {

namespace fs = std::filesystem;

const char* kCannotOpenTail =
    ":\n\nSorry, I cannot open this file.  Either it has become corrupted,\nor it was not "
    "created by the Save command of Vantry.";

class GameFiles : public GameTest {
 protected:
  std::string at(const std::string& name) { return folder.file(name); }
  int files_in_folder() { return static_cast<int>(std::distance(fs::directory_iterator(folder.path()), {})); }
};

TEST_F(GameFiles, ASavedGameReopensWithItsHistoryDifficultyAndStatistics) {
  paste_puzzle();
  game.left_click(0, 2, 4);
  game.right_click(0, 3, 2, false, false);
  game.left_click(0, 5, 8);
  game.undo();  // the undone move is not saved
  game.hint(HintLevel::Little);
  game.set_difficulty(Difficulty::Hard);
  platform.fire_timer(kClockTimer);
  platform.file_answers = {at("game.spz")};
  ASSERT_TRUE(game.save());
  const FileDialogRequest& request = platform.file_dialogs.back().request;
  EXPECT_EQ(request.filter, "Sudoku Puzzle (*.spz)|*.spz|All Files (*.*)|*.*|");
  EXPECT_TRUE(request.confirm_overwrite);
  EXPECT_EQ(platform.window_title, "Vantry game.spz (Hard)");
  game.left_click(0, 3, 6);
  ASSERT_TRUE(game.save());  // the second Save writes without asking
  EXPECT_EQ(platform.file_dialogs.size(), 1u);
  EXPECT_EQ(files_in_folder(), 1);  // and leaves no temporary file
  const std::string saved = read_text(at("game.spz"));
  const Statistics stats = game.statistics();
  EXPECT_EQ(stats, (Statistics{4, 1, 1, 0, 0, 1}));

  game.undo();  // no change to save: Open asks nothing
  platform.file_answers = {at("game.spz")};
  game.open();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.file_dialogs.back().request.initial_directory, folder.path().string() + "/");
  EXPECT_EQ(game.board().size(), 4);
  EXPECT_EQ(current().cell(0, 3).answer, 6);
  EXPECT_TRUE(current().cell(0, 3).deleted[2]);
  EXPECT_EQ(current().cell(0, 5).answer, 0);
  EXPECT_TRUE(current().cell(0, 0).given && !current().cell(0, 2).given);
  EXPECT_EQ(game.difficulty(), Difficulty::Hard);
  EXPECT_EQ(game.statistics(), stats);
  EXPECT_TRUE(game.clock_running());
  EXPECT_TRUE(game.query_close());  // closing at once asks nothing
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_TRUE(game.save());
  EXPECT_EQ(read_text(at("game.spz")), saved);
}

TEST_F(GameFiles, OpenFailuresKeepOrEmptyTheGame) {
  paste_puzzle();
  game.open_file(at("missing.spz"));
  expect_message(at("missing.spz") + ": No such file or directory", "Error", MessageIcon::None);
  write_text(at("huge.spz"), "");
  fs::resize_file(at("huge.spz"), kMaxSavedGameBytes + 1);  // sparse: nothing to write
  game.open_file(at("huge.spz"));
  expect_message(at("huge.spz") + kCannotOpenTail, "Error", MessageIcon::Stop);
  EXPECT_TRUE(game.puzzle_valid());  // all refused before the new game

  write_text(at("damaged.spz"), "0 0 1 1 1 1 1 1 1 1 1 | 0 0 0 0 0 0 0 0 0 0\n7 7 x\n");
  platform.answers = {MessageAnswer::No};  // the pasted game is not saved
  game.open_file(at("damaged.spz"));
  expect_message(at("damaged.spz") + kCannotOpenTail, "Error", MessageIcon::Stop);
  EXPECT_FALSE(game.puzzle_valid());
  EXPECT_EQ(current().cell(0, 0).answer, 0);
  EXPECT_EQ(platform.window_title, "Vantry ");
}

TEST_F(GameFiles, ImportChecksThePuzzleAndProposesASavedGameBesideIt) {
  const std::string bad[][2] = {
      {std::string(kPuzzle).substr(0, 80),
       "Either that file doesn't contain a Sudoku puzzle,\nor the puzzle is not in a format "
       "that can be imported."},
      {"11" + std::string(kPuzzle).substr(2),
       "This puzzle has no solution!\nPlease check the puzzle source for any errors."},
      {"00" + std::string(kPuzzle).substr(2),
       "This puzzle has more than one solution!\nPlease check the puzzle source for any errors."},
  };
  for (const auto& [text, message] : bad) {
    write_text(at("bad.txt"), text);
    platform.file_answers = {at("bad.txt")};
    game.import_puzzle();
    EXPECT_EQ(platform.messages.back().text, message);
    EXPECT_EQ(platform.messages.back().caption, "Vantry");
    EXPECT_FALSE(game.puzzle_valid() || game.entering());
    EXPECT_EQ(current().cell(0, 0).answer, 0);
  }
  platform.file_answers = {at("none.txt")};
  game.import_puzzle();
  expect_message("Cannot open import file", "Error", MessageIcon::None);

  // Blank space before and inside the grid is skipped however long it runs.
  const std::string blank_lines(3 << 20, '\n');
  write_text(at("spaced.txt"),
             blank_lines + std::string(kPuzzle).substr(0, 40) + blank_lines + std::string(kPuzzle).substr(40));
  platform.file_answers = {at("spaced.txt")};
  game.import_puzzle();
  EXPECT_TRUE(game.puzzle_valid());
  EXPECT_EQ(current().cell(8, 8).solution, 9);
  platform.answers = {MessageAnswer::No};

  write_text(at("a.txt"), kPuzzle);
  platform.file_answers = {at("a.txt")};
  game.import_puzzle();
  ASSERT_TRUE(game.puzzle_valid());
  EXPECT_EQ(platform.file_dialogs.back().request.filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
  EXPECT_EQ(current().cell(8, 8).solution, 9);
  EXPECT_EQ(platform.window_title, "Vantry a.spz (not rated)");
  // Save never writes over a file it did not make: it asks, proposing a.spz.
  ASSERT_FALSE(game.save());
  EXPECT_EQ(platform.file_dialogs.back().request.proposed_name, at("a.spz"));
  EXPECT_FALSE(fs::exists(at("a.spz")));
}

TEST_F(GameFiles, PasteExportAndCopy) {
  platform.clipboard_state = ClipboardRead::CannotOpen;
  game.paste();
  expect_message("Could not open the clipboard", "Vantry", MessageIcon::Stop);
  platform.clipboard_state = ClipboardRead::NoText;
  game.paste();
  expect_message("Nothing in the clipboard!", "Error", MessageIcon::Stop);
  paste(std::string(kPuzzle).substr(0, 80) + "x");
  expect_message("Not enough data on the clipboard!", "Vantry", MessageIcon::Stop);
  EXPECT_FALSE(game.puzzle_valid());

  // Export and Copy write the player's answers too.
  paste_puzzle();
  EXPECT_EQ(platform.dialog_message, "Checking puzzle...");
  game.left_click(0, 2, 4);
  platform.file_answers = {at("out.txt")};
  game.export_puzzle();
  const std::string exported = read_text(at("out.txt"));
  EXPECT_EQ(exported.substr(0, 10), "534070000\n");
  EXPECT_EQ(game.file_name().path, at("out.spz"));
  game.copy();  // nine lines of nine digits and CR LF: 99 characters
  std::string copied = platform.copied.at(0);
  EXPECT_EQ(copied.size(), 99u);
  std::erase(copied, '\r');
  EXPECT_EQ(copied, exported);
  platform.set_clipboard_ok = false;  // a locked clipboard is left alone quietly
  game.copy();
  EXPECT_TRUE(platform.messages.empty());
  platform.file_answers = {at("no/such/out.txt")};
  game.export_puzzle();
  expect_message(at("no/such/out.txt") + ": No such file or directory", "Error", MessageIcon::Stop);
}

TEST_F(GameFiles, AFailedSaveLeavesTheOldFileAndSaysWhy) {
  // Which targets are refused, and why, is the safe file's (SafeFileTest);
  // here the game's side: the reason shown, the game still to be saved.
  paste_puzzle();
  platform.file_answers = {at("keep.spz")};
  ASSERT_TRUE(game.save_as());
  const std::string old_file = read_text(at("keep.spz"));
  game.left_click(0, 3, 6);
  fs::create_directory(at("dir.spz"));
  platform.file_answers = {at("dir.spz")};
  EXPECT_FALSE(game.save_as());
  expect_message(at("dir.spz") + ": Is a directory", "Error", MessageIcon::None);
  EXPECT_EQ(platform.window_title, "Vantry keep.spz (not rated)");  // the name of the last file written
  EXPECT_TRUE(game.board().needs_saving());
  EXPECT_EQ(read_text(at("keep.spz")), old_file);
  EXPECT_EQ(files_in_folder(), 2);
}

// The extension rule turns a.txt and mygame into a.spz and mygame.spz. A
// file of that name that this game never came from or wrote is replaced
// only when the player says so; No leads to the Save As dialog.
TEST_F(GameFiles, TheExtensionRuleNeverReplacesAnotherFileUnasked) {
  paste_puzzle();
  platform.file_answers = {at("a.txt")};
  ASSERT_TRUE(game.save_as());  // written as a.spz
  fs::rename(at("a.spz"), at("a.txt"));
  write_text(at("a.spz"), "someone else's");
  const std::string question = at("a.spz") + " already exists.\nDo you want to replace it?";

  game.open_file(at("a.txt"));
  ASSERT_TRUE(game.puzzle_valid());
  game.left_click(0, 2, 4);
  platform.answers = {MessageAnswer::No};  // and then the dialog is cancelled
  EXPECT_FALSE(game.save());
  expect_message(question, "Vantry", MessageIcon::Exclamation);
  EXPECT_EQ(platform.messages.back().buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform.file_dialogs.back().request.proposed_name, at("a.spz"));
  EXPECT_EQ(read_text(at("a.spz")), "someone else's");

  platform.messages.clear();
  platform.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(game.save());
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(read_text(at("a.spz")), "someone else's");
  game.left_click(0, 3, 6);
  EXPECT_TRUE(game.save());  // written by this game now: no question
  EXPECT_EQ(platform.messages.size(), 1u);

  // Save As x.txt where x.spz exists: asked; No shows the dialog again.
  write_text(at("x.spz"), "another one");
  game.left_click(0, 5, 8);
  platform.messages.clear();
  platform.answers = {MessageAnswer::No};
  platform.file_answers = {at("x.txt"), at("y.spz")};
  ASSERT_TRUE(game.save_as());
  expect_message(at("x.spz") + " already exists.\nDo you want to replace it?", "Vantry", MessageIcon::Exclamation);
  EXPECT_EQ(platform.file_dialogs.back().request.proposed_name, at("x.spz"));
  EXPECT_EQ(read_text(at("x.spz")), "another one");
  EXPECT_EQ(platform.window_title, "Vantry y.spz (not rated)");

  // A file of no extension opens as mygame and saves as mygame.spz when
  // nothing is there.
  fs::copy_file(at("y.spz"), at("mygame"));
  game.open_file(at("mygame"));
  game.left_click(0, 6, 1);
  platform.messages.clear();
  EXPECT_TRUE(game.save());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(fs::exists(at("mygame.spz")));
}

}  // namespace
}  // namespace vantry::testing
