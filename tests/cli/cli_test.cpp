// vantry-cli's commands run in process on corpus puzzles (whole outputs of
// one line in are cases in tests/data/cli_cases.txt), and its argument
// handling through the program itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include <sys/wait.h>

#include "cli/cli_commands.h"
#include "strategy/strategy.h"
#include "support/corpus.h"

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

// One line in, the whole output compared: the cases of tests/data/cli_cases.txt.
TEST(CliCases, EachCommandPrintsWhatItsCaseSays) {
  using Command = std::function<int(std::istream&, std::ostream&)>;
  auto hint = [](HintLevel level) {
    return [level](std::istream& in, std::ostream& out) { return hint_command_cli(in, out, level); };
  };
  const std::map<std::string, Command> commands = {
      {"count", [](std::istream& in, std::ostream& out) { return count_command(in, out); }},
      {"steps", [](std::istream& in, std::ostream& out) { return steps_command(in, out); }},
      {"hint little", hint(HintLevel::Little)},
      {"hint medium", hint(HintLevel::Medium)},
      {"hint big", hint(HintLevel::Big)}};
  const auto cases = read_case_fields("cli_cases.txt");
  for (const std::vector<std::string>& fields : cases) {
    ASSERT_EQ(fields.size(), 3u) << fields[0];
    ASSERT_TRUE(commands.contains(fields[0])) << fields[0];
    SCOPED_TRACE(fields[0] + " | " + fields[1]);
    // A backslash followed by n in the file stands for a line break.
    std::string expected;
    for (std::size_t i = 0; i < fields[2].size(); ++i) {
      const bool escape = fields[2].compare(i, 2, "\\n") == 0;
      expected += escape ? '\n' : fields[2][i];
      i += escape ? 1 : 0;
    }
    std::istringstream in(fields[1] + "\n");
    std::ostringstream out;
    const int status = commands.at(fields[0])(in, out);
    EXPECT_EQ(out.str(), expected);
    if (!fields[0].starts_with("hint")) {
      EXPECT_EQ(status, expected.starts_with("error") ? 1 : 0);
    }
  }
  EXPECT_GE(cases.size(), 12u);
}

TEST(CliPath, HeadingStepsAndTheStuckLineAsThePanelListsThem) {
  const std::string empty(81, '.');
  const std::string out = run(path_command, std::string(kPuzzle) + "\n" + empty + "\n");
  std::istringstream lines(out);
  std::string line;
  std::getline(lines, line);
  std::smatch heading;
  ASSERT_TRUE(std::regex_match(
      line, heading, std::regex(R"(([A-Z][a-z]+): ([0-9]+) steps \((Basic [0-9]+)(, [A-Z][a-z]+ [0-9]+)*\))")))
      << line;
  const int steps = std::stoi(heading[2]);
  for (int i = 1; i <= steps; ++i) {
    std::getline(lines, line);
    EXPECT_TRUE(std::regex_match(line, std::regex(std::to_string(i) + R"(\. [A-Z][^:]+  r[1-9]c[1-9](=|<>)[1-9].*)")))
        << line;
  }
  std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
  EXPECT_EQ(rest, "\nMay the Force be with you: 0 steps\nNo strategy goes further: 81 cells left.\n\n");
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
