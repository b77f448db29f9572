#include "cli/puzzle_input.h"

#include <istream>
#include <ostream>

#include "model/state.h"

namespace vantry {

std::string read_puzzle(std::string_view line, State& s) {
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

void for_each_puzzle(std::istream& in, std::ostream& out,
                     const std::function<void(State&)>& on_puzzle) {
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    State s;
    if (const std::string reason = read_puzzle(line, s); !reason.empty()) {
      out << "error: " << reason << '\n';
      continue;
    }
    on_puzzle(s);
  }
}

}  // namespace vantry
