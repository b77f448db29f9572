// The import and paste readers. Properties: a puzzle either reader accepts is
// exported and copied as text that both read back to the same grid.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "game/puzzle_text.h"
#include "model/state.h"

namespace {

void round_trip(const vantry::State& s) {
  using namespace vantry;
  const std::string exported = grid_text(s, "\n");
  std::istringstream in(exported);
  State imported;
  fuzz::check(parse_import(in, imported), "an exported puzzle imports");
  fuzz::check(grid_text(imported, "\n") == exported, "an exported puzzle imports unchanged");
  State pasted;
  fuzz::check(parse_paste(grid_text(s, "\r\n"), pasted), "a copied puzzle pastes");
  fuzz::check(grid_text(pasted, "\n") == exported, "a copied puzzle pastes unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantry;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  State imported;
  if (parse_import(in, imported)) round_trip(imported);
  State pasted;
  if (parse_paste(text, pasted)) round_trip(pasted);
  return 0;
}
