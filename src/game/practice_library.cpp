#include "game/practice_library.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <mutex>
#include <string_view>
#include <unistd.h>

#include "game/generator.h"
#include "game/grid_symmetry.h"
#include "game/position_text.h"
#include "model/busy_manager.h"
#include "model/state.h"
#include "strategy/extended/extended_table.h"
#include "strategy/move.h"
#include "strategy/strategy.h"

namespace vantry {

namespace {

// A drawn entry gets this many symmetries before another entry is drawn, and
// a practice position this many draws in all.
constexpr int kSymmetriesPerEntry = 3;
constexpr int kDraws = 24;

// The folder of the running program, from the link the kernel keeps.
std::string program_folder() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  const std::string text(path, static_cast<std::size_t>(n));
  const std::size_t slash = text.rfind('/');
  return slash == std::string::npos ? std::string() : text.substr(0, slash);
}

}  // namespace

bool practice_move_holds(Strategy& engine, const State& s, int n, Move* move) {
  Move found;
  // An extended row is checked with the extended search on, whatever the
  // player's preference: its position is one where the standard rows are stuck.
  const bool extended = engine.extended();
  if (is_extended_row(n)) engine.set_extended(true);
  const int next = engine.find(s, true, found);
  engine.set_extended(extended);
  if (move != nullptr) *move = found;
  if (next == n) return true;
  if (next == kNoMove || !reached_only_by_own_finder(n) || strategy_row(next).level != strategy_row(n).level) {
    return false;
  }
  const StrategyRow& row = strategy_row(n);
  Move own;
  return row.finder(engine.busy(), n, s, row.argument, own) == n && own.same_changes(found);
}

std::string PracticeLibrary::read(std::istream& in) {
  std::vector<std::vector<std::string>> positions(static_cast<std::size_t>(kAllRowsEnd));
  std::string line;
  long number = 0;
  State s;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find(' ');
    int n = 0;
    if (space == std::string::npos || space == 0 || space > 2)
      return "line " + std::to_string(number) + ": no strategy number";
    for (std::size_t i = 0; i < space; ++i) {
      if (line[i] < '0' || line[i] > '9') return "line " + std::to_string(number) + ": no strategy number";
      n = n * 10 + (line[i] - '0');
    }
    if (n < 1 || n > kLastExtendedRow) return "line " + std::to_string(number) + ": no strategy " + std::to_string(n);
    const std::string position = line.substr(space + 1);
    if (const std::string reason = read_position(position, s); !reason.empty()) {
      return "line " + std::to_string(number) + ": " + reason;
    }
    positions[static_cast<std::size_t>(n)].push_back(position);
  }
  my_positions = std::move(positions);
  return {};
}

std::string PracticeLibrary::read_file(const std::string& path) {
  std::ifstream in(path);
  if (!in) return "cannot open " + path;
  std::string reason = read(in);
  return reason.empty() ? reason : path + ": " + reason;
}

const std::vector<std::string>& PracticeLibrary::positions(int n) const {
  static const std::vector<std::string> kNone;
  return n >= 1 && static_cast<std::size_t>(n) < my_positions.size() ? my_positions[static_cast<std::size_t>(n)]
                                                                     : kNone;
}

bool PracticeLibrary::empty() const {
  return std::all_of(my_positions.begin(), my_positions.end(), [](const auto& list) { return list.empty(); });
}

std::vector<std::string> practice_library_paths() {
  std::vector<std::string> paths;
  if (const char* chosen = std::getenv("VANTRY_PRACTICE_LIBRARY"); chosen != nullptr && *chosen != '\0') {
    paths.emplace_back(chosen);
    return paths;
  }
  if (const std::string folder = program_folder(); !folder.empty()) {
    paths.push_back(folder + "/help/practice.txt");
    paths.push_back(folder + "/../share/vantry/help/practice.txt");
  }
#ifdef VANTRY_SOURCE_PRACTICE_LIBRARY
  paths.emplace_back(VANTRY_SOURCE_PRACTICE_LIBRARY);
#endif
  return paths;
}

const PracticeLibrary& shared_practice_library(std::string* reason) {
  static PracticeLibrary library;
  static std::string problem;
  static std::once_flag once;
  std::call_once(once, [] {
    for (const std::string& path : practice_library_paths()) {
      PracticeLibrary candidate;
      problem = candidate.read_file(path);
      if (problem.empty()) {
        library = std::move(candidate);
        return;
      }
    }
    if (problem.empty()) problem = "no practice library";
  });
  if (reason != nullptr) *reason = problem;
  return library;
}

bool library_practice_position(Strategy& engine, const PracticeLibrary& library, int n, Random& random, State& out) {
  const std::vector<std::string>& list = library.positions(n);
  if (list.empty()) return false;
  State entry;
  for (int draw = 0; draw < kDraws; ++draw) {
    if (draw % kSymmetriesPerEntry == 0) {
      if (!read_position(list[static_cast<std::size_t>(random.next(static_cast<int>(list.size())))], entry).empty()) {
        continue;
      }
    }
    State image = GridSymmetry::random(random).apply(entry);
    if (practice_move_holds(engine, image, n)) {
      out = image;
      return true;
    }
  }
  return false;
}

}  // namespace vantry
