// vantry-cli's puzzle reader. Properties: every line is either a puzzle, an
// error line, or skipped, so puzzles and error lines together never
// outnumber the lines.
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/puzzle_input.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantry;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  std::ostringstream out;
  std::size_t puzzles = 0;
  for_each_puzzle(in, out, [&](State&) { ++puzzles; });
  std::size_t lines = 1, errors = 0;
  for (char ch : text) lines += ch == '\n';
  for (char ch : out.str()) errors += ch == '\n';
  fuzz::check(puzzles + errors <= lines, "each line gives at most one puzzle or one error");
  return 0;
}
