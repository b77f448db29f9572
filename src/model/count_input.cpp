#include "model/count_input.h"

#include "model/state.h"

namespace vantry {

CountInput count_input_of(const State& s) {
  CountInput in{};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      in.answer[r * 9 + c] = static_cast<std::uint8_t>(cell.answer);
      std::uint16_t mask = 0;
      for (int d = 1; d <= 9; ++d) {
        if (cell.possible[d]) mask |= static_cast<std::uint16_t>(1u << (d - 1));
      }
      in.candidates[r * 9 + c] = mask;
    }
  }
  return in;
}

}  // namespace vantry
