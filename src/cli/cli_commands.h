// The commands of vantry-cli. Each reads puzzles from in (see puzzle_input.h),
// writes its answers to out and returns the exit status.
#pragma once

#include <iosfwd>
#include <string>

namespace vantry {

// Per puzzle: 0, 2, or 1 and the 81-digit solution.
int count_command(std::istream& in, std::ostream& out);
// Per puzzle: the engine's moves in apply mode, then solved or stuck.
int steps_command(std::istream& in, std::ostream& out);
// Per puzzle: what the hint command of level (kLittleHint, kMediumHint or
// kBigHint) would show on the puzzle as given.
int hint_command_cli(std::istream& in, std::ostream& out, int level);
// The engine against the corpus folder's solutions: every stride-th puzzle of
// each file that has a solutions file. Status 1 when a move was wrong.
int soundness_command(const std::string& corpus_dir, int stride, std::ostream& out);

}  // namespace vantry
