// vantry-cli on big and untidy input: the puzzle forms it reads, bad lines
// reported with their numbers while the run goes on, lines that never end,
// and the work shared among threads with the output of one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#include <sys/wait.h>

#include "cli/cli_commands.h"
#include "cli/puzzle_reader.h"

namespace vantry::testing {
namespace {

// The first puzzle of the qqwing intermediate corpus and its count.
constexpr std::string_view kPuzzle =
    ".43.1.......38..4..9...2.1....921..583...4..2..........27....3.....5...9..4.....8";
constexpr std::string_view kCount =
    "1 643519827152387946798642513476921385835764192219835764527498631381256479964173258\n";

std::string count(const std::string& input, int expected_status, int jobs = 1) {
  std::istringstream in(input);
  std::ostringstream out;
  RunOptions options;
  options.jobs = jobs;
  EXPECT_EQ(count_command(in, out, options), expected_status);
  return out.str();
}

std::string with_empty(char empty) {
  std::string line(kPuzzle);
  for (char& ch : line) {
    if (ch == '.') ch = empty;
  }
  return line;
}

// The same puzzle as a grid of nine lines, in the layout given: "plain" nine
// digits a line, "boxed" with spaces, bars and rule lines.
std::string grid(bool boxed) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    if (boxed && r % 3 == 0) text += "+-------+-------+-------+\n";
    for (int c = 0; c < 9; ++c) {
      if (boxed && c % 3 == 0) text += "| ";
      text += kPuzzle[static_cast<std::size_t>(r * 9 + c)];
      if (boxed) text += ' ';
    }
    text += boxed ? "|\n" : "\n";
  }
  if (boxed) text += "+-------+-------+-------+\n";
  return text;
}

TEST(CliInput, EveryFormOfTheSamePuzzleCountsAlike) {
  const std::string forms[] = {
      std::string(kPuzzle) + "\n",
      with_empty('0') + "\r\n",
      with_empty('-') + "\n",
      with_empty('_') + "\n",
      with_empty('*'),                    // no line end at the end of the input
      std::string(kPuzzle) + "  Hard\n",  // create's output reads back
      std::string(kPuzzle) + "\tnote\n",
      grid(false),
      grid(true),
      "# a comment\n\n   \n" + grid(false),
  };
  for (const std::string& form : forms) EXPECT_EQ(count(form, 0), kCount) << form;
}

TEST(CliInput, BadLinesAreNumberedAndTheRunGoesOn) {
  const std::string input = "# puzzles\n" + std::string(kPuzzle) + "x\n" +  // line 2: too long
                            std::string(80, '.') + "y\n" +                  // line 3: a bad character
                            "123456789\n234567891\n" +                      // lines 4-5: a grid cut short
                            std::string(kPuzzle) + "\n";                    // line 6
  EXPECT_EQ(count(input, 1),
            "error: line 2: expected 81 characters, found 82\n"
            "error: line 3: unexpected character 'y' at column 81\n"
            "error: line 4: a grid needs 9 rows of 9 cells, found 2 rows\n" +
                std::string(kCount));
}

// A stream of one character repeated, with no line end: /dev/zero in a test.
class EndlessLine : public std::streambuf {
 public:
  EndlessLine(char ch, std::size_t total) : my_left(total), my_block(1 << 16, ch) {}

 protected:
  int_type underflow() override {
    if (my_left == 0) return traits_type::eof();
    const std::size_t n = std::min(my_left, my_block.size());
    my_left -= n;
    setg(my_block.data(), my_block.data(), my_block.data() + n);
    return traits_type::to_int_type(my_block[0]);
  }

 private:
  std::size_t my_left;
  std::string my_block;
};

TEST(CliInput, ALineWithoutEndIsReportedNotKept) {
  // 64 MiB of NULs and then of zeros: each one over-long line, reported once;
  // the reader's buffer stays at its fixed size throughout.
  for (char ch : {'\0', '0'}) {
    EndlessLine source(ch, 64u << 20);
    std::istream in(&source);
    PuzzleReader reader(in);
    std::vector<PuzzleRecord> batch;
    while (reader.read(batch, 16)) {
    }
    ASSERT_EQ(batch.size(), 1u);
    EXPECT_EQ(batch[0].line, 1);
    EXPECT_EQ(batch[0].error, "line longer than 65536 characters");
  }
  // A long line between two puzzles: the next line is still line 3.
  const std::string input = std::string(kPuzzle) + "\n" + std::string(200000, '7') + "\n" + std::string(kPuzzle);
  EXPECT_EQ(count(input, 1),
            std::string(kCount) + "error: line 2: line longer than 65536 characters\n" + std::string(kCount));
  // The longest line that is kept is still read (and found no puzzle).
  EXPECT_EQ(count(std::string(kMaxLine, '1') + "\n", 1), "error: line 1: expected 81 characters, found 65536\n");
}

// Several corpus files' puzzles, with a bad line now and then.
std::string sample(int every) {
  std::string text;
  int n = 0;
  for (const char* file : {"a_qqwing_expert_1000.txt", "b_17clue_every10th_4916.txt", "e_multi_removed_clues_1001.txt",
                           "e_nosol_wrong_clue_500.txt"}) {
    std::ifstream in(std::string(VANTRY_CORPUS_DIR) + "/" + file);
    for (std::string line; std::getline(in, line);) {
      if (++n % every == 0) text += line + "\n";
      if (n % 997 == 0) text += "bad line\n";
    }
  }
  return text;
}

TEST(CliJobs, ManyThreadsWriteWhatOneWrites) {
  const std::string many = sample(1);
  EXPECT_EQ(count(many, 1, 3), count(many, 1, 1));

  const std::string few = sample(97);
  using Command = int (*)(std::istream&, std::ostream&, const RunOptions&);
  auto rate = [](std::istream& in, std::ostream& out, const RunOptions& o) { return rate_command(in, out, true, o); };
  for (Command command : {Command(steps_command), Command(rate)}) {
    std::string outputs[2];
    for (int jobs : {1, 3}) {
      std::istringstream in(few);
      std::ostringstream out;
      RunOptions options;
      options.jobs = jobs;
      EXPECT_EQ(command(in, out, options), 1);
      outputs[jobs == 3] = out.str();
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_GT(outputs[0].size(), 1000u);
  }

  CreateOptions options;
  options.count = 5;
  options.seed_given = true;
  options.seed = 3;
  std::ostringstream one, three, err;
  RunOptions jobs;
  EXPECT_EQ(create_command(one, err, Difficulty::Easy, options), 0);
  jobs.jobs = 3;
  EXPECT_EQ(create_command(three, err, Difficulty::Easy, options, jobs), 0);
  const std::string created = one.str();
  EXPECT_EQ(created, three.str());
  EXPECT_EQ(std::count(created.begin(), created.end(), '\n'), 5);
}

TEST(CliJobs, TheProgramTakesJobsAndVersionAndExitsOneOnABadLine) {
  const std::string cli = VANTRY_CLI_PATH;
  auto run = [&](const std::string& args, std::string* out = nullptr) {
    const std::string file = ::testing::TempDir() + "vantry_cli_out.txt";
    const int raw = std::system((cli + " " + args + " >" + file + " 2>/dev/null").c_str());
    if (out != nullptr) {
      std::ifstream in(file);
      *out = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  std::string out;
  EXPECT_EQ(run("--version", &out), 0);
  EXPECT_EQ(out.rfind("vantry-cli ", 0), 0u) << out;
  EXPECT_EQ(run("--jobs 0 count </dev/null"), 2);
  EXPECT_EQ(run("--jobs many count </dev/null"), 2);
  EXPECT_EQ(run("count --jobs=2 </dev/null"), 0);
  EXPECT_EQ(run("-j 2 count " + std::string(VANTRY_CORPUS_DIR) + "/f_slow_unique_4.txt", &out), 0);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 4);
  EXPECT_EQ(run("count /dev/null/none"), 1);
  const std::string bad = ::testing::TempDir() + "vantry_cli_bad.txt";
  std::ofstream(bad) << "no puzzle\n";
  EXPECT_EQ(run("count " + bad, &out), 1);
  EXPECT_EQ(out, "error: line 1: expected 81 characters, found 9\n");
}

}  // namespace
}  // namespace vantry::testing
