// A game leaving and entering the program: Save and Open keep the whole
// game, Import, Paste, Export and Copy move puzzles as text, and every
// failure ends in its message with the game in a sound state.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "game/commands.h"
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
  std::string spz(const std::string& name) { return folder.file(name); }
  // The folder holds exactly these names (no temporary file left behind).
  void expect_files(std::vector<std::string> names) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
      found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(found, names);
  }
};

TEST_F(GameFiles, ASavedGameReopensWithItsHistoryDifficultyAndStatistics) {
  paste_puzzle();
  game.left_click(0, 2, 4);
  game.right_click(0, 3, 2, false, false);
  game.left_click(0, 5, 8);
  game.undo();  // the undone move is not saved
  game.hint(kLittleHint);
  game.set_difficulty(3);
  platform.fire_timer(kClockTimer);
  const Statistics stats = game.statistics();
  EXPECT_EQ(stats, (Statistics{3, 1, 1, 0, 0, 1}));

  platform.file_answers = {spz("game.spz")};
  ASSERT_TRUE(game.save());
  const FileDialogRequest& request = platform.file_dialogs.back().request;
  EXPECT_EQ(request.filter, "Sudoku Puzzle (*.spz)|*.spz|All Files (*.*)|*.*|");
  EXPECT_EQ(request.default_extension, "spz");
  EXPECT_TRUE(request.confirm_overwrite);
  EXPECT_EQ(platform.title, "Vantry game.spz (Hard)");
  EXPECT_FALSE(game.board().needs_saving());

  // A second Save writes without asking.
  game.left_click(0, 3, 6);
  ASSERT_TRUE(game.save());
  EXPECT_EQ(platform.file_dialogs.size(), 1u);
  expect_files({"game.spz"});
  game.undo();

  const std::string saved = read_text(spz("game.spz"));
  platform.file_answers = {spz("game.spz")};
  platform.messages.clear();
  game.open();  // asks nothing: an undo is no change to save
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game.board().size(), 4);
  EXPECT_EQ(game.board().current_index(), 3);
  EXPECT_EQ(current().cell(0, 3).answer, 6);
  EXPECT_TRUE(current().cell(0, 3).deleted[2]);
  EXPECT_EQ(current().cell(0, 5).answer, 0);
  EXPECT_EQ(current().cell(0, 0).solution, 5);
  EXPECT_TRUE(current().cell(0, 0).given);
  EXPECT_FALSE(current().cell(0, 2).given);
  EXPECT_EQ(game.difficulty(), 3);
  EXPECT_EQ(game.statistics(), (Statistics{4, 1, 1, 0, 0, 1}));
  EXPECT_TRUE(game.clock_running());
  EXPECT_FALSE(game.board().needs_saving());
  EXPECT_EQ(platform.file_dialogs.back().request.initial_directory, folder.path().string() + "/");

  // Saving the reopened game unchanged writes the same file.
  ASSERT_TRUE(game.save());
  EXPECT_EQ(read_text(spz("game.spz")), saved);
  EXPECT_TRUE(game.query_close());
}

TEST_F(GameFiles, OpenFailuresKeepOrEmptyTheGame) {
  paste_puzzle();
  game.open_file(spz("missing.spz"));
  expect_message(spz("missing.spz") + ": No such file or directory", "Error", MessageIcon::None);
  EXPECT_TRUE(game.puzzle_valid());  // refused before the new game

  write_text(spz("damaged.spz"), "0 0 1 1 1 1 1 1 1 1 1 | 0 0 0 0 0 0 0 0 0 0\n7 7 x\n");
  platform.answers = {MessageAnswer::No};  // the pasted game is not saved
  game.open_file(spz("damaged.spz"));
  expect_message(spz("damaged.spz") + kCannotOpenTail, "Error", MessageIcon::Stop);
  EXPECT_FALSE(game.puzzle_valid());
  EXPECT_EQ(game.board().size(), 1);
  EXPECT_EQ(current().cell(0, 0).answer, 0);
  EXPECT_EQ(platform.title, "Vantry ");

  game.open_file(folder.path().string());
  expect_message(folder.path().string() + ": Is a directory", "Error", MessageIcon::None);
  write_text(spz("huge.spz"), std::string(kMaxSavedGameBytes + 1, '0'));
  game.open_file(spz("huge.spz"));
  expect_message(spz("huge.spz") + kCannotOpenTail, "Error", MessageIcon::Stop);
}

TEST_F(GameFiles, ImportChecksThePuzzleAndProposesASavedGameBesideIt) {
  write_text(spz("a.txt"), std::string(kPuzzle) + "\n");
  platform.file_answers = {spz("a.txt")};
  game.import_puzzle();
  EXPECT_EQ(platform.file_dialogs.back().request.filter,
            "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
  ASSERT_TRUE(game.puzzle_valid());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(current().cell(8, 8).solution, 9);
  EXPECT_TRUE(current().cell(0, 0).given);
  EXPECT_TRUE(game.board().needs_saving());
  EXPECT_EQ(platform.title, "Vantry a.spz (not rated)");

  // Save never writes over a file it did not make: it asks, proposing a.spz.
  ASSERT_FALSE(game.save());
  EXPECT_EQ(platform.file_dialogs.back().request.proposed_name, spz("a.spz"));
  expect_files({"a.txt"});

  const struct {
    std::string text;
    std::string message;
  } bad[] = {
      {std::string(kPuzzle).substr(0, 80),
       "Either that file doesn't contain a Sudoku puzzle,\nor the puzzle is not in a format "
       "that can be imported."},
      {"11" + std::string(kPuzzle).substr(2),
       "This puzzle has no solution!\nPlease check the puzzle source for any errors."},
      {"00" + std::string(kPuzzle).substr(2),
       "This puzzle has more than one solution!\nPlease check the puzzle source for any errors."},
  };
  for (const auto& b : bad) {
    write_text(spz("bad.txt"), b.text);
    platform.file_answers = {spz("bad.txt")};
    platform.answers = {MessageAnswer::No};
    game.import_puzzle();
    EXPECT_EQ(platform.messages.back().text, b.message);
    EXPECT_EQ(platform.messages.back().caption, "Vantry");
    EXPECT_FALSE(game.puzzle_valid());
    EXPECT_FALSE(game.entering());
    EXPECT_EQ(current().cell(0, 0).answer, 0);
  }
  platform.file_answers = {spz("none.txt")};
  game.import_puzzle();
  expect_message("Cannot open import file", "Error", MessageIcon::None);
}

TEST_F(GameFiles, PasteFailuresHaveTheirMessages) {
  platform.clipboard_state = ClipboardRead::CannotOpen;
  game.paste();
  expect_message("Could not open the clipboard", "Vantry", MessageIcon::Stop);
  platform.clipboard_state = ClipboardRead::NoText;
  game.paste();
  expect_message("Nothing in the clipboard!", "Error", MessageIcon::Stop);
  paste(std::string(kPuzzle).substr(0, 80) + "x");
  expect_message("Not enough data on the clipboard!", "Vantry", MessageIcon::Stop);
  EXPECT_FALSE(game.puzzle_valid());
  EXPECT_EQ(current().cell(0, 0).answer, 0);

  paste_puzzle();
  EXPECT_EQ(game.file_name().path, "");
  EXPECT_EQ(platform.title, "Vantry (not rated)");
  EXPECT_EQ(platform.dialogs_created, 1);
  EXPECT_EQ(platform.dialog_message, "Checking puzzle...");
}

TEST_F(GameFiles, ExportAndCopyWriteThePlayersAnswersToo) {
  paste_puzzle();
  game.left_click(0, 2, 4);
  platform.file_answers = {spz("out.txt")};
  game.export_puzzle();
  const std::string exported = read_text(spz("out.txt"));
  EXPECT_EQ(exported.substr(0, 10), "534070000\n");
  EXPECT_EQ(exported.size(), 90u);
  EXPECT_EQ(game.file_name().path, spz("out.spz"));
  game.copy();
  ASSERT_EQ(platform.copied.size(), 1u);
  EXPECT_EQ(platform.copied[0].substr(0, 11), "534070000\r\n");

  // A locked clipboard is left alone without a word.
  platform.set_clipboard_ok = false;
  game.copy();
  EXPECT_EQ(platform.copied.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());

  platform.file_answers = {folder.file("no/such/folder/out.txt")};
  game.export_puzzle();
  expect_message(folder.file("no/such/folder/out.txt") + ": No such file or directory", "Error",
                 MessageIcon::Stop);
}

TEST_F(GameFiles, AFailedSaveLeavesTheOldFileAndSaysWhy) {
  paste_puzzle();
  platform.file_answers = {spz("keep.spz")};
  ASSERT_TRUE(game.save_as());
  const std::string old_file = read_text(spz("keep.spz"));
  fs::create_symlink(spz("keep.spz"), spz("link.spz"));

  // Over a symbolic link: the link stays and its target gets the game.
  game.left_click(0, 2, 4);
  platform.file_answers = {spz("link.spz")};
  ASSERT_TRUE(game.save_as());
  EXPECT_TRUE(fs::is_symlink(spz("link.spz")));
  EXPECT_NE(read_text(spz("keep.spz")), old_file);

  game.left_click(0, 3, 6);
  platform.file_answers = {folder.file("gone/x.spz")};
  EXPECT_FALSE(game.save_as());
  expect_message(folder.file("gone/x.spz") + ": No such file or directory", "Error",
                 MessageIcon::None);
  EXPECT_TRUE(game.board().needs_saving());
  fs::create_directory(spz("dir.spz"));
  platform.file_answers = {spz("dir.spz")};
  EXPECT_FALSE(game.save_as());
  expect_message(spz("dir.spz") + ": Is a directory", "Error", MessageIcon::None);
  expect_files({"keep.spz", "link.spz", "dir.spz"});
}

}  // namespace
}  // namespace vantry::testing
