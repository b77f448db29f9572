// vantry-cli: the engine from the command line, for scripts, soaks and
// benchmarks. Puzzles are read one a line, 81 characters, digits for the
// givens and '.' or '0' for empty cells; blank lines and lines starting with
// '#' are skipped, and any other line is answered "error: <reason>".
#include <charconv>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/cli_commands.h"
#include "strategy/strategy.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vantry-cli count [FILE]\n"
    "       vantry-cli steps [FILE]\n"
    "       vantry-cli hint --level little|medium|big [FILE]\n"
    "       vantry-cli soundness [--every N] CORPUS_DIR\n"
    "  count      for each puzzle (one a line, from FILE or standard input) print the\n"
    "             number of solutions (0, 1, or 2 for more than one) and, for a\n"
    "             puzzle with one solution, the solution\n"
    "  steps      for each puzzle print the moves the solving strategies make, one a\n"
    "             line (\"<number> <strategy>: <actions>\"), then \"solved <grid>\" or\n"
    "             \"stuck <grid>\" and an empty line\n"
    "  hint       for each puzzle print the hint of that level as its dialog shows it:\n"
    "             \"title: <strategy>\" and the text; a big hint adds the marked cells\n"
    "             and the marked moves\n"
    "  soundness  check every move of the strategies against the solutions in\n"
    "             CORPUS_DIR/solutions (every N-th puzzle of each file, default all)\n"
    "             and print how often each strategy fired\n";

int usage_error(std::string_view problem) {
  std::cerr << "vantry-cli: " << problem << '\n' << kUsage;
  return 2;
}

// Runs a puzzle command on standard input, or on the file when one is named.
template <typename Command>
int on_input(int argc, char** argv, int first_operand, Command command) {
  if (argc > first_operand + 1) return usage_error("too many arguments");
  if (argc == first_operand) return command(std::cin);
  std::ifstream file(argv[first_operand]);
  if (!file) {
    std::cerr << "vantry-cli: cannot open " << argv[first_operand] << '\n';
    return 1;
  }
  return command(file);
}

int hint(int argc, char** argv) {
  // vantry-cli hint --level LEVEL [FILE], or --level=LEVEL.
  std::string_view level_word;
  int next = 2;
  if (argc > 2 && std::string_view(argv[2]) == "--level" && argc > 3) {
    level_word = argv[3];
    next = 4;
  } else if (argc > 2 && std::string_view(argv[2]).starts_with("--level=")) {
    level_word = std::string_view(argv[2]).substr(8);
    next = 3;
  }
  int level = 0;
  if (level_word == "little") level = vantry::kLittleHint;
  if (level_word == "medium") level = vantry::kMediumHint;
  if (level_word == "big") level = vantry::kBigHint;
  if (level == 0) return usage_error("hint needs --level little, medium or big");
  return on_input(argc, argv, next, [&](std::istream& in) {
    return vantry::hint_command_cli(in, std::cout, level);
  });
}

int soundness(int argc, char** argv) {
  int stride = 1;
  int next = 2;
  if (argc > 3 && std::string_view(argv[2]) == "--every") {
    const std::string_view n = argv[3];
    const auto [end, error] = std::from_chars(n.data(), n.data() + n.size(), stride);
    if (error != std::errc() || end != n.data() + n.size() || stride < 1) {
      return usage_error("--every needs a positive number");
    }
    next = 4;
  }
  if (argc != next + 1) return usage_error("soundness needs the corpus folder");
  return vantry::soundness_command(argv[next], stride, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h") {
    std::cout << kUsage;
    return argc < 2 ? 2 : 0;
  }
  const std::string_view command = argv[1];
  if (command == "count") {
    return on_input(argc, argv, 2, [](std::istream& in) { return vantry::count_command(in, std::cout); });
  }
  if (command == "steps") {
    return on_input(argc, argv, 2, [](std::istream& in) { return vantry::steps_command(in, std::cout); });
  }
  if (command == "hint") return hint(argc, argv);
  if (command == "soundness") return soundness(argc, argv);
  return usage_error("unknown command '" + std::string(command) + "'");
}
