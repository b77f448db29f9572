// vantry-cli: the engine from the command line, for scripts, soaks and
// benchmarks. Puzzles are read one a line, 81 characters, digits for the
// givens and '.', '0', '-', '_' or '*' for empty cells, or as a grid of nine
// lines (puzzle_reader.h); blank lines and lines starting with '#' are
// skipped, and any other line is answered "error: line N: <reason>", the run
// going on and ending with status 1.
#include <cctype>
#include <charconv>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/safe_file.h"
#include "cli/cli_commands.h"
#include "cli/progress_line.h"
#include "game/commands.h"
#include "game/practice_library.h"
#include "strategy/difficulty.h"
#include "strategy/extended/extended_table.h"
#include "strategy/strategy.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vantry-cli [--jobs N] count [FILE]\n"
    "       vantry-cli [--jobs N] steps [--extended] [FILE]\n"
    "       vantry-cli [--jobs N] path [FILE]\n"
    "       vantry-cli hint --level little|medium|big [FILE]\n"
    "       vantry-cli soundness [--every N] [--extended] CORPUS_DIR\n"
    "       vantry-cli [--jobs N] rate [--strategies] [FILE]\n"
    "       vantry-cli [--jobs N] create --difficulty LEVEL [--count N] [--seed S]\n"
    "                         [--asymmetric] [--max-attempts N]\n"
    "       vantry-cli [--jobs N] practice --strategy NUMBER|NAME [--count N] [--seed S]\n"
    "                         [--spz FILE] [--max-attempts N]\n"
    "       vantry-cli mistake FILE.spz\n"
    "       vantry-cli --version\n"
    "  puzzles are read one a line (81 characters: 1-9 for a given, and . 0 - _ or *\n"
    "  for an empty cell) or as a grid of nine lines; a line may go on with the\n"
    "  answers that are no givens and the removed possibilities, as practice prints\n"
    "  them (r2c1=5 r2c3<>7 ...); a bad line is answered\n"
    "  \"error: line N: <reason>\", the run goes on and ends with status 1\n"
    "  count      for each puzzle (one a line, from FILE or standard input) print the\n"
    "             number of solutions (0, 1, or 2 for more than one) and, for a\n"
    "             puzzle with one solution, the solution\n"
    "  steps      for each puzzle print the moves the solving strategies make, one a\n"
    "             line (\"<number> <strategy>: <actions>\"), then \"solved <grid>\" or\n"
    "             \"stuck <grid>\" and an empty line; --extended goes on beyond the\n"
    "             standard strategies when they are stuck\n"
    "  path       for each puzzle print the solution path as the panel beside the grid\n"
    "             lists it: the difficulty it implies with the steps of each level,\n"
    "             one line a step (\"<n>. <strategy>  <actions>\"), a line saying how\n"
    "             many cells are left when the strategies get stuck, an empty line\n"
    "  hint       for each puzzle print the hint of that level as its dialog shows it:\n"
    "             \"title: <strategy>\" and the text; a big hint adds the marked cells\n"
    "             and the marked moves\n"
    "  soundness  check every move of the strategies against the solutions in\n"
    "             CORPUS_DIR/solutions (every N-th puzzle of each file, default all)\n"
    "             and print how often each strategy fired; --extended also uses the\n"
    "             strategies beyond the standard ones and fails on a stuck puzzle\n"
    "  rate       for each puzzle print its difficulty; --strategies adds the list of\n"
    "             the strategies used, as Strategies used shows it\n"
    "  create     print N new puzzles (default 1) of LEVEL (easy, medium, hard, expert,\n"
    "             devious, sadistic or superhuman), one a line: 81 characters with '.'\n"
    "             for empty cells, a space and the difficulty the rating gave\n"
    "  practice   print N practice positions for a strategy (its table number or its\n"
    "             name): the 81 answers, '.' for empty, then the answers that are no\n"
    "             givens as r<row>c<column>=<digit> and the removed possibilities as\n"
    "             r<row>c<column><><digit>; --spz also saves each as a game; 45-55,\n"
    "             the extended strategies, come from the library alone\n"
    "  mistake    print the first wrong move of a saved game as Find my mistake\n"
    "             words it, or \"no mistake\"\n"
    "  --seed makes a run reproducible; --max-attempts (default 10000) gives up a\n"
    "  position that takes more attempts, with status 1\n"
    "  --jobs N (default: every core) shares the work among N threads; the output\n"
    "  is in the order of the input and the same as with one\n";

// How the puzzle commands share their work, from --jobs, and their progress line.
vantry::RunOptions g_run;

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
  vantry::HintLevel level;
  if (level_word == "little") {
    level = vantry::HintLevel::Little;
  } else if (level_word == "medium") {
    level = vantry::HintLevel::Medium;
  } else if (level_word == "big") {
    level = vantry::HintLevel::Big;
  } else {
    return usage_error("hint needs --level little, medium or big");
  }
  return on_input(argc, argv, next, [&](std::istream& in) { return vantry::hint_command_cli(in, std::cout, level); });
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
  const bool extended = argc > next && std::string_view(argv[next]) == "--extended";
  if (extended) ++next;
  if (argc != next + 1) return usage_error("soundness needs the corpus folder");
  return vantry::soundness_command(argv[next], stride, std::cout, extended);
}

bool parse_number(std::string_view text, int low, unsigned long long high, unsigned long long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= static_cast<unsigned>(low) &&
         value <= high;
}

int rate(int argc, char** argv) {
  int next = 2;
  const bool strategies = argc > 2 && std::string_view(argv[2]) == "--strategies";
  if (strategies) next = 3;
  return on_input(argc, argv, next, [&](std::istream& in) {
    vantry::ProgressLine progress("puzzles", 0, vantry::ProgressLine::stderr_is_terminal());
    g_run.progress = &progress;
    return vantry::rate_command(in, std::cout, strategies, g_run);
  });
}

// The options create and practice share, and the one naming what to build
// (--difficulty or --strategy) and practice's --spz; anything else is a usage error.
struct BuildArguments {
  vantry::CreateOptions options;
  std::string what;
  std::string spz;
  std::string problem;
};

BuildArguments parse_build(int argc, char** argv, std::string_view what_option, bool practice) {
  BuildArguments a;
  a.options.max_attempts = 10000;
  for (int i = 2; i < argc && a.problem.empty(); ++i) {
    const std::string_view option = argv[i];
    const bool has_value = i + 1 < argc;
    unsigned long long value = 0;
    if (option == "--asymmetric" && !practice) {
      a.options.asymmetric = true;
    } else if (!has_value) {
      a.problem = "missing value or unknown option '" + std::string(option) + "'";
    } else if (option == what_option) {
      a.what = argv[++i];
    } else if (option == "--spz" && practice) {
      a.spz = argv[++i];
    } else if (option == "--count") {
      if (!parse_number(argv[++i], 1, 1000000, value)) a.problem = "--count needs a positive number";
      a.options.count = static_cast<int>(value);
    } else if (option == "--max-attempts") {
      if (!parse_number(argv[++i], 0, 1000000000, value)) a.problem = "--max-attempts needs a number";
      a.options.max_attempts = static_cast<int>(value);
    } else if (option == "--seed") {
      if (!parse_number(argv[++i], 0, 0xFFFFFFFFull, value)) a.problem = "--seed needs a number below 2^32";
      a.options.seed = static_cast<unsigned>(value);
      a.options.seed_given = true;
    } else {
      a.problem = "unknown option '" + std::string(option) + "'";
    }
  }
  return a;
}

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

int create(int argc, char** argv) {
  const BuildArguments a = parse_build(argc, argv, "--difficulty", false);
  if (!a.problem.empty()) return usage_error(a.problem);
  // The difficulties that can be created: Easy to Superhuman.
  const vantry::Difficulty target = vantry::difficulty_from_word(a.what);
  if (target < vantry::Difficulty::Easy || target > vantry::Difficulty::Superhuman) {
    return usage_error("create needs --difficulty easy, medium, hard, expert, devious, sadistic or superhuman");
  }
  vantry::ProgressLine progress("puzzles", a.options.count, vantry::ProgressLine::stderr_is_terminal());
  g_run.progress = &progress;
  return vantry::create_command(std::cout, std::cerr, target, a.options, g_run);
}

int practice(int argc, char** argv) {
  const BuildArguments a = parse_build(argc, argv, "--strategy", true);
  if (!a.problem.empty()) return usage_error(a.problem);
  int n = 0;
  unsigned long long number = 0;
  // The extended rows too: their positions come from the library alone.
  if (parse_number(a.what, 1, vantry::kLastExtendedRow, number)) n = static_cast<int>(number);
  for (int row = 1; row <= vantry::kLastExtendedRow && n == 0; ++row) {
    if (lower(vantry::strategy_row(row).name) == lower(a.what)) n = row;
  }
  if (n == 0) return usage_error("practice needs --strategy with a table number 1-55 or a strategy's name");
  if (vantry::is_extended_row(n) && vantry::shared_practice_library().positions(n).empty()) {
    std::cerr << "vantry-cli: no practice position for " << vantry::strategy_row(n).name
              << ": the practice library has none\n";
    return 1;
  }
  vantry::ProgressLine progress("positions", a.options.count, vantry::ProgressLine::stderr_is_terminal());
  g_run.progress = &progress;
  return vantry::practice_command(std::cout, std::cerr, n, a.options, a.spz, g_run);
}

// Takes --jobs N (or --jobs=N, -j N) out of the arguments, wherever it stands.
// Returns false with problem set when its value is no number of threads.
bool take_jobs(std::vector<char*>& args, std::string& problem) {
  g_run.jobs = vantry::default_jobs();
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    std::string_view value;
    std::size_t used = 0;
    if ((arg == "--jobs" || arg == "-j") && i + 1 < args.size()) {
      value = args[i + 1];
      used = 2;
    } else if (arg.starts_with("--jobs=")) {
      value = arg.substr(7);
      used = 1;
    } else {
      continue;
    }
    unsigned long long jobs = 0;
    if (!parse_number(value, 1, 1024, jobs)) {
      problem = "--jobs needs a number of threads, 1-1024";
      return false;
    }
    g_run.jobs = static_cast<int>(jobs);
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i + used));
    --i;
  }
  return true;
}

int puzzle_command(int argc, char** argv, int (*command)(std::istream&, std::ostream&, const vantry::RunOptions&)) {
  return on_input(argc, argv, 2, [&](std::istream& in) {
    vantry::ProgressLine progress("puzzles", 0, vantry::ProgressLine::stderr_is_terminal());
    g_run.progress = &progress;
    return command(in, std::cout, g_run);
  });
}

int steps(int argc, char** argv) {
  const bool extended = argc > 2 && std::string_view(argv[2]) == "--extended";
  return on_input(argc, argv, extended ? 3 : 2, [&](std::istream& in) {
    vantry::ProgressLine progress("puzzles", 0, vantry::ProgressLine::stderr_is_terminal());
    g_run.progress = &progress;
    return vantry::steps_command(in, std::cout, g_run, extended);
  });
}

}  // namespace

int main(int raw_argc, char** raw_argv) {
  // The standard streams are used alone, never mixed with C's stdio, so they
  // need not stay in step with it: big files read and write much faster.
  std::ios::sync_with_stdio(false);
  // A write past the file-size limit is reported as a failed write.
  vantry::ignore_file_size_signal();
  std::vector<char*> args(raw_argv, raw_argv + raw_argc);
  std::string problem;
  if (!take_jobs(args, problem)) return usage_error(problem);
  const int argc = static_cast<int>(args.size());
  char** argv = args.data();

  if (argc < 2 || std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h") {
    std::cout << kUsage;
    return argc < 2 ? 2 : 0;
  }
  const std::string_view command = argv[1];
  if (command == "--version") {
    std::cout << "vantry-cli " << VANTRY_VERSION << '\n';
    return 0;
  }
  if (command == "count") return puzzle_command(argc, argv, vantry::count_command);
  if (command == "steps") return steps(argc, argv);
  if (command == "path") return puzzle_command(argc, argv, vantry::path_command);
  if (command == "hint") return hint(argc, argv);
  if (command == "soundness") return soundness(argc, argv);
  if (command == "rate") return rate(argc, argv);
  if (command == "create") return create(argc, argv);
  if (command == "practice") return practice(argc, argv);
  if (command == "mistake") {
    if (argc != 3) return usage_error("mistake needs one saved game");
    return vantry::mistake_command(argv[2], std::cout, std::cerr);
  }
  return usage_error("unknown command '" + std::string(command) + "'");
}
