// The solution counters against the shared corpus: the fast counter on every
// line of every file against the known counts and solutions, the fast and the
// reference counter on puzzles the reference gets through quickly (including
// the player's deleted possibilities), and the fast counter's stop poll.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/count_input.h"
#include "model/fast_counter.h"
#include "model/reference_counter.h"
#include "support/corpus.h"

namespace vantry {
namespace {

constexpr std::uint16_t kAllDigits = 0x1FF;

CountInput input_of(const std::string& line) {
  CountInput in{};
  for (int i = 0; i < 81; ++i) {
    if (line[i] >= '1' && line[i] <= '9') {
      in.answer[i] = static_cast<std::uint8_t>(line[i] - '0');
    } else {
      in.candidates[i] = kAllDigits;
    }
  }
  return in;
}

std::uint16_t digit_bit(char digit) { return static_cast<std::uint16_t>(1u << (digit - '1')); }

// A grid that keeps the givens of the puzzle and breaks no rule.
bool completes(const std::string& grid, const std::string& puzzle) {
  if (grid.size() != 81) return false;
  for (int i = 0; i < 81; ++i) {
    if (grid[i] < '1' || grid[i] > '9') return false;
    if (puzzle[i] >= '1' && puzzle[i] <= '9' && puzzle[i] != grid[i]) return false;
    for (int j = i + 1; j < 81; ++j) {
      const bool peers = i / 9 == j / 9 || i % 9 == j % 9 || (i / 27 == j / 27 && i % 9 / 3 == j % 9 / 3);
      if (peers && grid[i] == grid[j]) return false;
    }
  }
  return true;
}

// What each family of corpus files must count; unique files have a solutions/ twin.
struct Expected {
  std::string_view prefix;
  int count;
};
constexpr Expected kExpected[] = {
    {"a_", 1},      {"b_", 1},           {"c_", 1},      {"d_", 1},           {"f_slow_unique", 1},
    {"e_nosol", 0}, {"f_slow_nosol", 0}, {"e_multi", 2}, {"f_slow_multi", 2},
};

int expected_count(const std::string& file) {
  for (const Expected& e : kExpected) {
    if (file.starts_with(e.prefix)) return e.count;
  }
  return -1;
}

std::string test_name(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param.substr(0, info.param.size() - 4);
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

class CorpusFile : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    count = expected_count(GetParam());
    ASSERT_GE(count, 0) << "no known count for corpus file " << GetParam();
    lines = testing::read_lines(testing::corpus_path(GetParam()));
    ASSERT_FALSE(lines.empty());
    if (count == 1) {
      solutions = testing::read_lines(testing::corpus_path("solutions/" + GetParam()));
      ASSERT_EQ(solutions.size(), lines.size());
    }
  }

  // A grid to borrow givens from: the known solution, else one the fast
  // counter finds for the puzzle, else for the puzzle less some of its givens.
  std::string fill_for(std::size_t k) const {
    if (count == 1) return solutions[k];
    std::string puzzle = lines[k];
    char grid[81];
    for (int i = 80; i >= 0; --i) {
      if (fast_count(input_of(puzzle), grid, nullptr) > 0) return std::string(grid, 81);
      puzzle[i] = '.';
    }
    return {};
  }

  int count = -1;
  std::vector<std::string> lines, solutions;
};

TEST_P(CorpusFile, FastCounterGivesTheKnownCountOnEveryLine) {
  int failures = 0;
  for (std::size_t k = 0; k < lines.size() && failures < 5; ++k) {
    char grid[81] = {};
    const int got = fast_count(input_of(lines[k]), grid, nullptr);
    const std::string found(grid, 81);
    const bool ok = got == count && (count == 0 || completes(found, lines[k])) && (count != 1 || found == solutions[k]);
    if (!ok) {
      ++failures;
      ADD_FAILURE() << GetParam() << " line " << k + 1 << ": counted " << got << ", expected " << count
                    << "; solution written " << found;
    }
  }
}

// The files whose puzzles have one solution each, known in solutions/.
std::vector<std::string> unique_files() {
  std::vector<std::string> files;
  for (const std::string& f : testing::corpus_files()) {
    if (expected_count(f) == 1) files.push_back(f);
  }
  return files;
}

using UniqueCorpusFile = CorpusFile;

TEST_P(UniqueCorpusFile, DeletedPossibilitiesKeepOrLoseTheSolution) {
  std::mt19937 random(7);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::string& solution = solutions[k];
    // Deleting digits that are not the solution's leaves the one solution.
    CountInput kept = input_of(lines[k]);
    for (int i = 0; i < 81; ++i) {
      if (kept.answer[i] == 0) kept.candidates[i] &= static_cast<std::uint16_t>(random() | digit_bit(solution[i]));
    }
    char grid[81];
    ASSERT_EQ(fast_count(kept, grid, nullptr), 1) << GetParam() << " line " << k + 1;
    ASSERT_EQ(std::string(grid, 81), solution) << GetParam() << " line " << k + 1;

    // Deleting one solution digit anywhere leaves none.
    CountInput lost = input_of(lines[k]);
    int cell = static_cast<int>(random() % 81);
    while (lost.answer[cell] != 0) cell = (cell + 1) % 81;
    lost.candidates[cell] &= static_cast<std::uint16_t>(~digit_bit(solution[cell]));
    ASSERT_EQ(fast_count(lost, nullptr, nullptr), 0) << GetParam() << " line " << k + 1 << " cell " << cell;
  }
}

// Counts its questions and says stop once it has been asked more than a
// number of times: at once (0), after a budget of trial digits (so a sample
// the reference counter cannot finish quickly is skipped instead of stalling
// the test), or never.
class CountingPoll final : public SearchPoll {
 public:
  explicit CountingPoll(long answers_before_stop) : my_limit(answers_before_stop) {}
  long asked = 0;
  bool should_stop() override { return ++asked > my_limit; }

 private:
  long my_limit;
};

TEST_P(CorpusFile, FastAndReferenceCountersAgreeOnNearlyFullGrids) {
  // Ten puzzles spread over the file, each as it stands when the reference
  // gets through it within the budget, and with 20 more givens taken from a
  // solution; unique ones also with deleted possibilities, one of them the
  // solution's digit.
  std::mt19937 random(11);
  const std::size_t step = std::max<std::size_t>(1, lines.size() / 10);
  int compared = 0, sampled = 0;
  for (std::size_t k = 0; k < lines.size(); k += step) {
    ++sampled;
    std::vector<CountInput> inputs;
    inputs.push_back(input_of(lines[k]));
    const std::string fill = fill_for(k);
    if (!fill.empty()) {
      std::string fuller = lines[k];
      for (int added = 0; added < 20;) {
        const int i = static_cast<int>(random() % 81);
        if (fuller[i] >= '1' && fuller[i] <= '9') continue;
        fuller[i] = fill[i];
        ++added;
      }
      inputs.push_back(input_of(fuller));
      if (count == 1) {
        CountInput masked = input_of(fuller);
        int last_open = 0;
        for (int i = 0; i < 81; ++i) {
          if (masked.answer[i] != 0) continue;
          masked.candidates[i] &= static_cast<std::uint16_t>(random() | digit_bit(fill[i]));
          last_open = i;
        }
        inputs.push_back(masked);
        masked.candidates[last_open] &= static_cast<std::uint16_t>(~digit_bit(fill[last_open]));
        inputs.push_back(masked);
      }
    }
    for (std::size_t v = 0; v < inputs.size(); ++v) {
      CountingPoll budget(200000);
      char reference_grid[81] = {}, fast_grid[81] = {};
      const int reference = reference_count(inputs[v], reference_grid, &budget);
      if (reference == kCountStopped) continue;
      ++compared;
      EXPECT_EQ(fast_count(inputs[v], fast_grid, nullptr), reference)
          << GetParam() << " line " << k + 1 << " variant " << v;
      if (reference == 1) {
        EXPECT_EQ(std::string(fast_grid, 81), std::string(reference_grid, 81));
      }
    }
  }
  EXPECT_GE(compared, sampled) << "too few samples of " << GetParam() << " within the reference counter's budget";
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFile, ::testing::ValuesIn(testing::corpus_files()), test_name);
INSTANTIATE_TEST_SUITE_P(Corpus, UniqueCorpusFile, ::testing::ValuesIn(unique_files()), test_name);

TEST(CorpusFiles, EveryFamilyIsThere) {
  const auto files = testing::corpus_files();
  for (const Expected& e : kExpected) {
    EXPECT_TRUE(std::any_of(files.begin(), files.end(), [&](const std::string& f) { return f.starts_with(e.prefix); }))
        << "no corpus file " << e.prefix << "*";
  }
}

// A poll that runs a whole count of its own.
class CountsInside final : public SearchPoll {
 public:
  explicit CountsInside(const std::string& puzzle) : my_puzzle(puzzle) {}
  int inner = -2;
  bool should_stop() override {
    char grid[81];
    inner = fast_count(input_of(my_puzzle), grid, nullptr);
    return false;
  }

 private:
  std::string my_puzzle;
};

const std::string kEmpty(81, '.');

TEST(FastCounterPoll, AStopAtTheFirstGuessReturnsStopped) {
  std::vector<std::string> puzzles{kEmpty};
  for (const char* file : {"f_slow_unique_4.txt", "f_slow_multi_4.txt", "d_forum_hardest_1106_375.txt"}) {
    puzzles.push_back(testing::read_lines(testing::corpus_path(file)).at(0));
  }
  for (const std::string& p : puzzles) {
    CountingPoll poll(0);
    EXPECT_EQ(fast_count(input_of(p), nullptr, &poll), kCountStopped) << p;
    EXPECT_EQ(poll.asked, 1) << p;
  }
}

TEST(FastCounterPoll, APollThatNeverStopsChangesNothing) {
  for (const char* file : {"c_magictour_top1465.txt", "e_multi_removed_clues_1001.txt", "e_nosol_wrong_clue_500.txt"}) {
    long asked = 0;
    for (const std::string& line : testing::read_lines(testing::corpus_path(file))) {
      CountingPoll poll(std::numeric_limits<long>::max());
      char with[81] = {}, without[81] = {};
      const int counted = fast_count(input_of(line), with, &poll);
      ASSERT_EQ(counted, fast_count(input_of(line), without, nullptr)) << line;
      if (counted > 0) {
        ASSERT_EQ(std::string(with, 81), std::string(without, 81)) << line;
      }
      asked += poll.asked;
    }
    EXPECT_GT(asked, 0) << file;
  }
}

TEST(FastCounterPoll, ACountInsideThePollLeavesTheOuterCountAlone) {
  const std::string outer = testing::read_lines(testing::corpus_path("d_forum_hardest_1106_375.txt")).at(0);
  const std::string solution =
      testing::read_lines(testing::corpus_path("solutions/d_forum_hardest_1106_375.txt")).at(0);
  CountsInside poll(testing::read_lines(testing::corpus_path("e_multi_removed_clues_1001.txt")).at(1));
  char grid[81];
  EXPECT_EQ(fast_count(input_of(outer), grid, &poll), 1);
  EXPECT_EQ(std::string(grid, 81), solution);
  EXPECT_EQ(poll.inner, 2);
}

}  // namespace
}  // namespace vantry
