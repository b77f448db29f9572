// The fast counter against the reference counter. The first 81 bytes are the
// grid ('1'-'9' a given, any other byte an empty cell, so most inputs are
// sparse); each following pair of bytes deletes a possibility (cell, digit).
// Properties: the fast count finishes within 16384 guesses, and when the
// reference finishes within its budget the two agree, on the solution too.
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "model/count_input.h"
#include "model/fast_counter.h"
#include "model/reference_counter.h"

namespace {

// The fast counter asks every 256 guesses, the reference at every trial digit.
class Budget final : public vantry::SearchPoll {
 public:
  explicit Budget(long asks) : my_left(asks) {}
  bool should_stop() override { return --my_left < 0; }

 private:
  long my_left;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantry;
  if (size < 81) return 0;
  CountInput in{};
  for (int i = 0; i < 81; ++i) {
    if (data[i] >= '1' && data[i] <= '9') {
      in.answer[i] = static_cast<std::uint8_t>(data[i] - '0');
    } else {
      in.candidates[i] = 0x1FF;
    }
  }
  for (std::size_t k = 81; k + 1 < size; k += 2) {
    in.candidates[data[k] % 81] &= static_cast<std::uint16_t>(~(1u << (data[k + 1] % 9)));
  }

  char fast_grid[81] = {}, reference_grid[81] = {};
  Budget fast_budget(64);
  const int fast = fast_count(in, fast_grid, &fast_budget);
  fuzz::check(fast != kCountStopped, "the fast counter answers within 16384 guesses");

  Budget reference_budget(100000);
  const int reference = reference_count(in, reference_grid, &reference_budget);
  if (reference == kCountStopped) return 0;
  fuzz::check(fast == reference, "the fast and the reference counter agree");
  if (fast == 1) fuzz::check(std::memcmp(fast_grid, reference_grid, 81) == 0, "both find the same solution");
  return 0;
}
