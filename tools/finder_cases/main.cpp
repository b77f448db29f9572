// Writes the finder cases of tests/data afresh from the puzzle corpus:
//   finder_cases standard <corpus folder> <file>   (finder_cases.txt)
//   finder_cases extended <corpus folder> <file>   (the corpus cases of extended_cases.txt)
// "standard" walks the corpus in apply mode and records, for each table row,
// the first position where a search's move is that row's. "extended" solves
// the hardest corpus puzzles with the extended strategies on and records the
// same for each extended row, and for the dynamic chains also the first move
// that needs nested assumptions.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "case_text.h"
#include "cli/console_platform.h"
#include "cli/puzzle_input.h"
#include "model/busy_manager.h"
#include "strategy/strategy.h"

namespace vantry::finder_cases {
namespace {

std::vector<std::string> lines_of(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string case_text(const std::string& label, int finder, const State& s, const Move& move) {
  std::ostringstream text;
  text << "case " << label << "\nfinder " << finder << "\ngrid\n" << grid_lines(s) << describe(move) << "end\n";
  return text.str();
}

void write_standard(BusyManager& busy, const std::filesystem::path& corpus, std::ostream& out) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::map<int, std::string> first;
  for (const std::string& name : names) {
    if (name.starts_with("e_") || name.starts_with("f_")) continue;
    for (const std::string& line : lines_of(corpus / name)) {
      State s;
      if (!read_puzzle(line, s).empty()) continue;
      for (int step = 0; step < 200 && !s.is_solved(); ++step) {
        int n = 1;
        Move move;
        for (; n <= strategy_count(); ++n) {
          const StrategyRow& row = strategy_row(n);
          if (row.finder != nullptr && row.finder(busy, n, s, row.argument, move) != 0) break;
        }
        if (n > strategy_count()) break;
        if (!first.contains(move.row())) {
          first[move.row()] = case_text(std::string(strategy_row(move.row()).name) + " (" + name + ")", n, s, move);
        }
        move.apply_to(s);
      }
      if (first.size() == 44) break;
    }
  }
  out << "# Generated from the corpus by tools/finder_cases; see finder_cases_test.cpp.\n";
  for (const auto& [row, text] : first) out << text;
}

void write_extended(BusyManager& busy, const std::filesystem::path& corpus, std::ostream& out) {
  Strategy engine(busy);
  engine.set_extended(true);
  const std::string file = "d_forum_hardest_1106_375.txt";
  std::map<std::string, std::string> first;
  for (const std::string& line : lines_of(corpus / file)) {
    State s;
    if (!read_puzzle(line, s).empty()) continue;
    for (int step = 0; step < 400 && !s.is_solved() && first.size() < 4; ++step) {
      Move move;
      const int n = engine.find(s, true, move);
      if (n == kNoMove) break;
      const bool nested = move.explanation().find("in the same way") != std::string::npos;
      const std::string key = std::to_string(n) + (nested ? " nested" : "");
      if (n >= 53 && !first.contains(key)) {
        first[key] =
            case_text(std::string(strategy_row(n).name) + (nested ? ", nested" : "") + " (" + file + ")", n, s, move);
      }
      move.apply_to(s);
    }
  }
  for (const auto& [key, text] : first) out << text;
}

}  // namespace
}  // namespace vantry::finder_cases

int main(int argc, char** argv) {
  using namespace vantry;
  const std::string mode = argc == 4 ? argv[1] : "";
  if (mode != "standard" && mode != "extended") {
    std::cerr << "usage: finder_cases standard|extended <corpus folder> <file>\n";
    return 2;
  }
  std::ofstream out(argv[3]);
  ConsolePlatform platform;
  BusyManager busy{platform};
  if (mode == "standard") finder_cases::write_standard(busy, argv[2], out);
  else finder_cases::write_extended(busy, argv[2], out);
  return out ? 0 : 1;
}
