// Thousands of random and mutated saved games, import files and clipboard
// texts, seeded so a failure replays: none may crash or hang the program, and
// each either loads a sound game or ends in its message with an empty one.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <sstream>

#include "game/puzzle_text.h"
#include "game/saved_game.h"
#include "model/board.h"
#include "game_fixture.h"

namespace vantry::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Each part runs this many inputs, or stops early at its time budget so a
// slow machine still finishes.
constexpr int kInputs = 3000;
constexpr auto kBudget = std::chrono::seconds(20);

class Mutator {
 public:
  explicit Mutator(unsigned seed) : my_random(seed) {}
  int below(int n) { return static_cast<int>(my_random() % static_cast<unsigned>(n)); }

  std::string garbage(int length) {
    std::string text(length, '\0');
    for (char& ch : text) ch = static_cast<char>(below(256));
    return text;
  }

  // One to four edits of the kinds that damage a text file in practice.
  std::string mutate(std::string text) {
    const int edits = 1 + below(4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const std::size_t at = below(static_cast<int>(text.size()));
      switch (below(7)) {
        case 0: text.resize(at); break;                                    // truncated
        case 1: text[at] = static_cast<char>(below(256)); break;            // a byte changed
        case 2: text.erase(at, 1 + below(40)); break;                       // bytes lost
        case 3: text.insert(at, garbage(1 + below(8))); break;              // bytes added
        case 4: text.insert(at, " " + std::to_string(below(40) - 20) + " "); break;
        case 5: text.insert(at, " 99999999999999999999 "); break;           // overflow
        case 6: text.insert(at, text.substr(at, below(4000))); break;       // a chunk repeated
      }
    }
    return text;
  }

 private:
  std::mt19937 my_random;
};

// A saved game of a few moves, with its statistics.
std::string sample_saved_game(bool older_form) {
  FakePlatform platform;
  Game game(platform);
  platform.clipboard_state = ClipboardRead::Text;
  platform.clipboard = kPuzzle;
  game.paste();
  game.left_click(0, 2, 4);
  game.right_click(0, 3, 2, false, false);
  game.left_click(8, 0, 3);
  std::ostringstream out;
  write_saved_game(out, game.board(), 4, game.statistics());
  std::string text = out.str();
  if (older_form) {
    // Cut every cell line at its bar.
    std::string cut;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      cut += line.substr(0, line.find('|')) + "\n";
    }
    text = cut;
  }
  return text;
}

void expect_sound_state(const State& s) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      ASSERT_TRUE(cell.answer >= 0 && cell.answer <= 9);
      ASSERT_TRUE(cell.solution >= 0 && cell.solution <= 9);
    }
  }
}

TEST(Robustness, DamagedSavedGamesLoadSoundlyOrNotAtAll) {
  Mutator mutator(20261206);
  const std::string samples[] = {sample_saved_game(false), sample_saved_game(true)};
  TempFolder folder;
  const std::string path = folder.file("fuzz.spz");
  FakePlatform platform;
  Game game(platform);
  const auto deadline = Clock::now() + kBudget;
  int loaded = 0;
  for (int i = 0; i < kInputs && Clock::now() < deadline; ++i) {
    const std::string text = i % 10 == 9 ? mutator.garbage(mutator.below(5000))
                                         : mutator.mutate(samples[i % 2]);
    // The reader alone.
    Board board;
    SavedGameTrailer trailer;
    std::istringstream in(text);
    if (read_saved_game(in, board, trailer)) {
      ASSERT_TRUE(trailer.difficulty >= 0 && trailer.difficulty <= 8) << "input " << i;
      ASSERT_GE(trailer.stats.seconds, 0);
      expect_sound_state(board.current());
    }

    // Every fourth input through Open, which ends in the game or its message.
    if (i % 4 != 0) continue;
    write_text(path, text);
    platform.messages.clear();
    platform.answers = {MessageAnswer::No};
    game.open_file(path);
    if (game.puzzle_valid()) {
      ++loaded;
      ASSERT_TRUE(platform.messages.empty() ||
                  platform.messages.back().text == "Do you want to save this game?")
          << "input " << i;
      game.check_solution();  // a loaded game can be counted
      game.left_click(0, 0, 1);
    } else {
      ASSERT_FALSE(platform.messages.empty()) << "input " << i;
      EXPECT_NE(platform.messages.back().text.find("Sorry, I cannot open this file."),
                std::string::npos)
          << "input " << i;
      EXPECT_EQ(game.board().size(), 1);
      EXPECT_EQ(game.board().current().cell(0, 0).answer, 0);
    }
  }
  EXPECT_GT(loaded, 0);  // the mutations leave some games readable
}

TEST(Robustness, ImportAndPasteTextsEndInAPuzzleOrAMessage) {
  Mutator mutator(4242);
  TempFolder folder;
  const std::string path = folder.file("fuzz.txt");
  FakePlatform platform;
  Game game(platform);
  const auto deadline = Clock::now() + kBudget;
  for (int i = 0; i < kInputs && Clock::now() < deadline; ++i) {
    const std::string text = i % 3 == 0 ? mutator.garbage(mutator.below(300))
                                        : mutator.mutate(std::string(kPuzzle) + "\n");
    // The parsers alone: both fill cells from the same characters.
    State imported, pasted;
    std::istringstream in(text);
    const bool import_ok = parse_import(in, imported);
    const bool paste_ok = parse_paste(text, pasted);
    int usable = 0, cells = 0;
    for (char ch : text) {
      usable += !std::isspace(static_cast<unsigned char>(ch));
      cells += (ch >= '0' && ch <= '9') || ch == '.';
    }
    ASSERT_EQ(import_ok, usable >= 81) << "input " << i;
    ASSERT_EQ(paste_ok, cells >= 81) << "input " << i;

    // Through the commands, every tenth input.
    if (i % 10 != 0) continue;
    for (const bool by_file : {true, false}) {
      platform.messages.clear();
      platform.answers = {MessageAnswer::No};
      if (by_file) {
        write_text(path, text);
        platform.file_answers = {path};
        game.import_puzzle();
      } else {
        platform.clipboard_state = ClipboardRead::Text;
        platform.clipboard = text;
        game.paste();
      }
      ASSERT_FALSE(game.entering());
      ASSERT_FALSE(game.busy().is_busy());
      if (game.puzzle_valid()) {
        for (int c = 0; c < 81; ++c) ASSERT_NE(game.board().current().cell(c / 9, c % 9).solution, 0);
      } else {
        ASSERT_FALSE(platform.messages.empty()) << "input " << i;
        EXPECT_EQ(game.board().size(), 1);
        EXPECT_EQ(game.board().current().cell(0, 0).answer, 0);
      }
    }
  }
}

}  // namespace
}  // namespace vantry::testing
