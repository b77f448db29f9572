// The engine checked against known solutions: in apply mode it must never
// place a digit other than the solution's, nor remove the solution's digit.
// Also counts how often each row of the strategy table fired and how many
// puzzles were solved or left stuck.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "strategy/extended/extended_table.h"
#include "strategy/strategy.h"

namespace vantry {

struct SoundnessReport {
  int puzzles = 0;
  int solved = 0;
  int stuck = 0;
  long fired[kAllRowsEnd] = {};     // by table number, extended rows included
  std::vector<std::string> faults;  // one line per wrong move

  void add(const SoundnessReport& other);
  // Rows that fired with their counts, then the totals and the faults.
  void write(std::ostream& out) const;
};

// One puzzle (81 characters) with its solution (81 digits). The label names
// the puzzle in fault lines.
void check_puzzle(Strategy& engine, const std::string& puzzle, const std::string& solution, const std::string& label,
                  SoundnessReport& report);

// Every stride-th puzzle of a corpus file (starting with the first) against
// its solutions file, line for line. Unreadable files become faults.
void check_corpus_file(Strategy& engine, const std::string& puzzle_path, const std::string& solution_path, int stride,
                       SoundnessReport& report);

}  // namespace vantry
