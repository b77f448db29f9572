// The fast counter's worst cases: every input kept from the hunts for slow
// counts (fuzz/regressions/counter) is answered within a few thousand guesses.
// The poll is asked every 256 guesses, so counting its calls bounds the work
// without a clock, and stopping it turns a runaway count into a quick failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/count_input.h"
#include "model/fast_counter.h"

namespace vantry {
namespace {

class GuessBudget final : public SearchPoll {
 public:
  int asked = 0;
  bool should_stop() override { return ++asked > 16; }
};

// The first 81 characters: '1'-'9' a given, anything else an empty cell.
CountInput puzzle_of(const std::string& text) {
  CountInput in{};
  for (std::size_t i = 0; i < 81; ++i) {
    const char ch = i < text.size() ? text[i] : '.';
    if (ch >= '1' && ch <= '9') {
      in.answer[i] = static_cast<std::uint8_t>(ch - '0');
    } else {
      in.candidates[i] = 0x1FF;
    }
  }
  return in;
}

TEST(CounterWorstCase, EveryKeptSlowInputIsCountedWithinFourThousandGuesses) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VANTRY_FUZZ_DIR "/regressions/counter")) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::string text;
    std::getline(in, text);
    ++inputs;
    GuessBudget budget;
    EXPECT_NE(fast_count(puzzle_of(text), nullptr, &budget), kCountStopped) << entry.path().filename() << ": " << text;
  }
  EXPECT_GE(inputs, 2);
}

TEST(CounterWorstCase, FourDigitsForcedIntoOneMinirowMeanNoSolution) {
  // Row 4 must take 2, 3 and 8 in its first box, beside the 7 given there.
  GuessBudget budget;
  EXPECT_EQ(fast_count(puzzle_of("7.....8...................2...32..8...7..........8..23...................7......."),
                       nullptr, &budget),
            0);
  // The same in a stack: column 4 must take 2, 3 and 8 in its top box.
  std::string transposed(81, '.');
  const std::string puzzle = "7.....8...................2...32..8...7..........8..23...................7.......";
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c)
      transposed[static_cast<std::size_t>(c * 9 + r)] = puzzle[static_cast<std::size_t>(r * 9 + c)];
  }
  GuessBudget budget2;
  EXPECT_EQ(fast_count(puzzle_of(transposed), nullptr, &budget2), 0);
}

}  // namespace
}  // namespace vantry
