// Thousands of random and mutated saved games, import files and clipboard
// texts, seeded so a failure replays: none may crash or hang the program, and
// each either loads a game or ends in its message with an empty one.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <sstream>

#include "game/saved_game.h"
#include "game_fixture.h"

namespace vantry::testing {
namespace {

// Each test runs this many inputs, or stops at its time budget on a slow machine.
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
  // One to four of the edits that damage a text file in practice.
  std::string mutate(std::string text) {
    for (int e = 1 + below(4); e > 0 && !text.empty(); --e) {
      const std::size_t at = below(static_cast<int>(text.size()));
      switch (below(6)) {
        case 0: text.resize(at); break;
        case 1: text[at] = static_cast<char>(below(256)); break;
        case 2: text.erase(at, 1 + below(40)); break;
        case 3: text.insert(at, garbage(1 + below(8))); break;
        case 4: text.insert(at, below(2) ? " 99999999999 " : " " + std::to_string(below(40) - 20)); break;
        case 5: text.insert(at, text.substr(at, below(4000))); break;
      }
    }
    return text;
  }

 private:
  std::mt19937 my_random;
};

class Robustness : public GameTest {
 protected:
  // Runs body on input after input until the count or the budget is used up.
  template <typename Body>
  void run(Body body) {
    const auto deadline = std::chrono::steady_clock::now() + kBudget;
    for (int i = 0; i < kInputs && std::chrono::steady_clock::now() < deadline; ++i) {
      platform.messages.clear();
      platform.answers = {MessageAnswer::No};
      body(i);
      ASSERT_FALSE(game.entering() || game.busy().is_busy()) << "input " << i;
      if (!game.puzzle_valid()) {
        // A refusal always says why, and leaves an empty game.
        ASSERT_FALSE(platform.messages.empty()) << "input " << i;
        ASSERT_EQ(game.board().size(), 1) << "input " << i;
        ASSERT_EQ(current().cell(0, 0).answer, 0) << "input " << i;
      }
    }
  }
};

TEST_F(Robustness, DamagedSavedGamesLoadWholeOrNotAtAll) {
  paste_puzzle();
  game.left_click(0, 2, 4);
  game.right_click(0, 3, 2, false, false);
  std::ostringstream out;
  write_saved_game(out, game.board(), Difficulty::Expert, game.statistics());
  std::string older;  // the same cut at every bar
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) older += line.substr(0, line.find('|')) + "\n";
  const std::string samples[] = {out.str(), older};

  Mutator mutator(20261206);
  int loaded = 0;
  run([&](int i) {
    write_text(folder.file("fuzz.spz"),
               i % 10 == 9 ? mutator.garbage(mutator.below(5000)) : mutator.mutate(samples[i % 2]));
    game.open_file(folder.file("fuzz.spz"));
    if (!game.puzzle_valid()) {
      EXPECT_NE(platform.messages.back().text.find("Sorry, I cannot open this file."), std::string::npos);
      return;
    }
    ++loaded;
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_GE(game.statistics().seconds, 0);
    game.check_solution();  // what was loaded can be played on
    game.left_click(0, 0, 1);
    game.undo_until_ok();
    game.hint(HintLevel::Little);
  });
  EXPECT_GT(loaded, 20);  // the mutations leave many games readable
}

TEST_F(Robustness, ImportAndPasteTextsEndInAPuzzleOrAMessage) {
  Mutator mutator(4242);
  run([&](int i) {
    const std::string text =
        i % 3 == 0 ? mutator.garbage(mutator.below(300)) : mutator.mutate(std::string(kPuzzle) + "\n");
    if (i % 2 == 0) {
      write_text(folder.file("fuzz.txt"), text);
      platform.file_answers = {folder.file("fuzz.txt")};
      game.import_puzzle();
    } else {
      paste(text);
    }
    if (game.puzzle_valid()) {
      for (int c = 0; c < 81; ++c) ASSERT_NE(current().cell(c / 9, c % 9).solution, 0);
    }
  });
}

}  // namespace
}  // namespace vantry::testing
