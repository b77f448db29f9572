// vantry-cli's commands run in process on corpus puzzles, and its argument
// handling through the program itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>

#include <sys/wait.h>

#include "cli/cli_commands.h"
#include "strategy/strategy.h"

namespace vantry::testing {
namespace {

// The first line of the qqwing intermediate corpus.
constexpr std::string_view kPuzzle =
    ".43.1.......38..4..9...2.1....921..583...4..2..........27....3.....5...9..4.....8";

std::string run(int (*command)(std::istream&, std::ostream&, const RunOptions&), const std::string& input,
                int status = 0) {
  std::istringstream in(input);
  std::ostringstream out;
  EXPECT_EQ(command(in, out, {}), status);
  return out.str();
}

TEST(CliSteps, EveryMoveIsOneLineAndTheRunEndsSolved) {
  const std::string out = run(steps_command, "# a comment\n\n" + std::string(kPuzzle) + "\nnot a puzzle\n", 1);
  std::istringstream lines(out);
  const std::regex move(R"(([1-9]|[1-3][0-9]|4[0-4]) [^:]+: r[1-9]c[1-9](=|<>)[1-9]( r[1-9]c[1-9](=|<>)[1-9])*)");
  std::string line;
  int moves = 0;
  while (std::getline(lines, line) && std::regex_match(line, move)) ++moves;
  EXPECT_GT(moves, 40);
  EXPECT_EQ(line, "solved 643519827152387946798642513476921385835764192219835764527498631381256479964173258");
  std::getline(lines, line);
  EXPECT_EQ(line, "");
  std::getline(lines, line);
  EXPECT_EQ(line, "error: line 4: expected 81 characters, found 12");
}

// Positions as practice prints them: answers that are no givens and removed
// possibilities after the cells. count answers as the position stands.
TEST(CliPositions, CountReadsAnswersAndRemovals) {
  const std::string solution = "643519827152387946798642513476921385835764192219835764527498631381256479964173258";
  const std::string p(kPuzzle);
  const struct {
    std::string words;
    std::string count;
  } cases[] = {
      {" r1c1<>5 r1c1<>7", "1 " + solution},
      {" r1c1<>6", "0"},  // the solution's digit removed
      {" r1c2=4 r2c3<>1", "1 " + solution},
      {" Easy", "1 " + solution},  // a word that is no removal is a comment, as create writes
      {" r1c2<>5", "error: line 1: r1c2<>5 removes a possibility from a cell that has an answer"},
      {" r1c2=5", "error: line 1: r1c2=5 names an answer the cells do not hold"},
      {" r1c1<>5 r1c1<>0",
       "error: line 1: the words after the cells must be removals r<row>c<column><><digit> or answers "
       "r<row>c<column>=<digit>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.words);
    const bool bad = c.count.starts_with("error");
    EXPECT_EQ(run(count_command, p + c.words + "\n", bad ? 1 : 0), c.count + "\n");
  }
}

TEST(CliSteps, PlacementsComeBeforeRemovalsAndStuckShowsDots) {
  // The empty grid: no strategy applies at all.
  const std::string empty(81, '.');
  EXPECT_EQ(run(steps_command, empty + "\n"), "stuck " + empty + "\n\n");
}

TEST(CliPath, HeadingStepsAndTheStuckLineAsThePanelListsThem) {
  const std::string empty(81, '.');
  const std::string out = run(path_command, std::string(kPuzzle) + "\n" + empty + "\n");
  std::istringstream lines(out);
  std::string line;
  std::getline(lines, line);
  std::smatch heading;
  ASSERT_TRUE(std::regex_match(line, heading, std::regex(R"(([A-Z][a-z]+): ([0-9]+) steps \((Basic [0-9]+)(, [A-Z][a-z]+ [0-9]+)*\))")))
      << line;
  const int steps = std::stoi(heading[2]);
  for (int i = 1; i <= steps; ++i) {
    std::getline(lines, line);
    EXPECT_TRUE(std::regex_match(line, std::regex(std::to_string(i) + R"(\. [A-Z][^:]+  r[1-9]c[1-9](=|<>)[1-9].*)"))) << line;
  }
  std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
  EXPECT_EQ(rest, "\nMay the Force be with you: 0 steps\nNo strategy goes further: 81 cells left.\n\n");
}

TEST(CliHint, EachLevelAsItsDialogShowsIt) {
  const std::string input = std::string(kPuzzle) + "\n";
  std::istringstream in1(input), in2(input), in3(input), in4(std::string(81, '.') + "\n");
  std::ostringstream little, medium, big, none;
  hint_command_cli(in1, little, HintLevel::Little);
  hint_command_cli(in2, medium, HintLevel::Medium);
  hint_command_cli(in3, big, HintLevel::Big);
  hint_command_cli(in4, none, HintLevel::Big);
  EXPECT_EQ(little.str(), "title: Little hint\nLook for naked single\n\n");
  EXPECT_EQ(medium.str(), "title: Medium hint\nLook for naked single with the value 6\n\n");
  EXPECT_EQ(big.str(),
            "title: Naked single\nCell 4,3 has only one possibility.\ncells: r4c3\nmarks: r4c3=6\n\n");
  EXPECT_EQ(none.str(), "message: No hints available\n\n");
}

TEST(CliArguments, UnusableArgumentsExitWithTwo) {
  const std::string cli = VANTRY_CLI_PATH;
  auto status = [&](const std::string& args) {
    const int raw = std::system((cli + " " + args + " >/dev/null 2>&1 </dev/null").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(status(""), 2);
  EXPECT_EQ(status("frobnicate"), 2);
  EXPECT_EQ(status("hint"), 2);
  EXPECT_EQ(status("hint --level huge"), 2);
  EXPECT_EQ(status("steps a b"), 2);
  EXPECT_EQ(status("hint --level big"), 0);  // reads standard input
}

}  // namespace
}  // namespace vantry::testing
