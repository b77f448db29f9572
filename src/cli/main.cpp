// vantry-cli: the engine from the command line, for scripts, soaks and
// benchmarks. Puzzles are read one a line, 81 characters, digits for the
// givens and '.' or '0' for empty cells; blank lines and lines starting with
// '#' are skipped, and any other line is answered "error: <reason>".
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/console_platform.h"
#include "model/busy_manager.h"
#include "model/n_solutions.h"
#include "model/state.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vantry-cli count [FILE]\n"
    "  count   for each puzzle (one a line, from FILE or standard input) print the\n"
    "          number of solutions (0, 1, or 2 for more than one) and, for a\n"
    "          puzzle with one solution, the solution\n";

// A puzzle line into a State: '1'-'9' are givens, '0' and '.' empty cells.
// Returns the reason when the line is no puzzle, else an empty string.
std::string read_puzzle(std::string_view line, vantry::State& s) {
  if (line.size() != 81) return "expected 81 characters, found " + std::to_string(line.size());
  for (int i = 0; i < 81; ++i) {
    const char ch = line[i];
    if (ch >= '1' && ch <= '9') {
      s.set_answer_and_solution(i / 9, i % 9, ch - '0');
    } else if (ch != '0' && ch != '.') {
      return "unexpected character '" + std::string(1, ch) + "' at column " + std::to_string(i + 1);
    }
  }
  s.mark_givens();
  return {};
}

int count(std::istream& in) {
  vantry::ConsolePlatform platform;
  vantry::BusyManager busy(platform);
  vantry::SolutionCounter counter(busy);
  counter.set_record_solution(true);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    vantry::State s;
    if (const std::string reason = read_puzzle(line, s); !reason.empty()) {
      std::cout << "error: " << reason << '\n';
      continue;
    }
    const int n = counter.n_solutions(s);
    std::cout << n;
    if (n == 1) std::cout << ' ' << std::string_view(counter.solution_text(), 81);
    std::cout << '\n';
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h") {
    std::cout << kUsage;
    return argc < 2 ? 2 : 0;
  }
  const std::string_view command = argv[1];
  if (command == "count") {
    if (argc < 3) return count(std::cin);
    std::ifstream file(argv[2]);
    if (!file) {
      std::cerr << "vantry-cli: cannot open " << argv[2] << '\n';
      return 1;
    }
    return count(file);
  }
  std::cerr << "vantry-cli: unknown command '" << command << "'\n" << kUsage;
  return 2;
}
