// The commands of vantry-cli. Each reads puzzles from in (see puzzle_reader.h),
// writes its answers to out in the order of the input and returns the exit
// status: 1 when a line was bad (its answer is "error: line N: <reason>").
// The options say how many threads share the work (one by default).
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/job_runner.h"
#include "strategy/difficulty.h"
#include "strategy/hint_level.h"

namespace vantry {

// Per puzzle: 0, 2, or 1 and the 81-digit solution.
int count_command(std::istream& in, std::ostream& out, const RunOptions& options = {});
// The answer of count to one puzzle's 81 cells ('1'-'9' or '.'), appended to out.
void count_puzzle(const char* cells, std::string& out);
// Per puzzle: the engine's moves in apply mode, then solved or stuck; with
// extended, the strategies beyond the standard ones as well.
int steps_command(std::istream& in, std::ostream& out, const RunOptions& options, bool extended);
int steps_command(std::istream& in, std::ostream& out, const RunOptions& options = {});
// Per puzzle: the solution path as the panel beside the grid lists it (a
// heading, one line a step, a line when stuck) and an empty line.
int path_command(std::istream& in, std::ostream& out, const RunOptions& options = {});
// Per puzzle: what the hint command of the level would show on the puzzle
// as given.
int hint_command_cli(std::istream& in, std::ostream& out, HintLevel level);
// The first wrong move of the saved game at path, as Find my mistake words
// it, or "no mistake"; status 1 (and the reason on err) when the file cannot
// be read as a saved game.
int mistake_command(const std::string& path, std::ostream& out, std::ostream& err);
// The engine against the corpus folder's solutions: every stride-th puzzle of
// each file that has a solutions file, with the extended strategies when
// asked. Status 1 when a move was wrong, and with extended also when a puzzle
// was left unsolved.
int soundness_command(const std::string& corpus_dir, int stride, std::ostream& out, bool extended = false);

// Per puzzle: the difficulty name as Rate puzzle gives it; with strategies,
// also the text Strategies used shows, and an empty line.
int rate_command(std::istream& in, std::ostream& out, bool strategies, const RunOptions& options = {});

// How create and practice build: count positions from the seed (the clock
// when none is given; each position has its own seed made from it and its
// number, so the output does not depend on the number of threads), asymmetric removal if asked, and at most
// max_attempts attempts for one position (0: no limit) before the run gives up.
struct CreateOptions {
  int count = 1;
  bool seed_given = false;
  unsigned seed = 0;
  bool asymmetric = false;
  int max_attempts = 0;
};
// The word for a difficulty on the command line: its name in lower case; any
// case reads back, and a word that names none is NotRated.
std::string difficulty_word(Difficulty d);
Difficulty difficulty_from_word(std::string_view word);

// count new puzzles of the target (Easy to Superhuman), one a line: 81
// characters with '.' for empty cells, a space, the difficulty name.
int create_command(std::ostream& out, std::ostream& err, Difficulty target, const CreateOptions& options,
                   const RunOptions& run = {});
// count practice positions for strategy n (a table number): the 81 answers
// (givens and the engine's) and the removed possibilities, r<row>c<column><><digit>
// each; with spz, each position also as a saved game there.
int practice_command(std::ostream& out, std::ostream& err, int n, const CreateOptions& options, const std::string& spz,
                     const RunOptions& run = {});

}  // namespace vantry
