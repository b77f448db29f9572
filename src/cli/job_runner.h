// vantry-cli's work spread over several threads with the output kept in the
// order of the input, byte for byte what one thread writes.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "cli/progress_line.h"
#include "cli/puzzle_reader.h"

namespace vantry {

// The number of threads when --jobs is not given: every core.
int default_jobs();

// Writes the answer to one puzzle. Each thread has its own, made by the
// factory on the main thread, so engines and counters are never shared.
using PuzzleWork = std::function<void(const PuzzleRecord&, std::string& out)>;
using PuzzleWorkFactory = std::function<PuzzleWork()>;

struct RunOptions {
  int jobs = 1;
  // How many puzzles one thread takes at a time: large for quick work such as
  // counting, 1 where one puzzle can take long.
  std::size_t chunk = 1;
  ProgressLine* progress = nullptr;
};

// Every puzzle of in through the work, the answers in input order; a bad line
// is answered "error: line N: <reason>". Returns 1 when a line was bad, else 0.
int run_puzzles(std::istream& in, std::ostream& out, const PuzzleWorkFactory& factory, const RunOptions& options);

// Builds position i (0-based) into out, or explains in error why it could not
// and returns false. Position i must depend on i alone, never on which thread
// built the positions before it.
using PositionWork = std::function<bool(int i, std::string& out, std::string& error)>;
using PositionWorkFactory = std::function<PositionWork()>;

// Positions 0 to count-1, written in order; the first failure is written to
// err and ends the run with status 1.
int run_positions(int count, std::ostream& out, std::ostream& err, const PositionWorkFactory& factory,
                  const RunOptions& options);

}  // namespace vantry
