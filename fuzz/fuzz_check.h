// What the harnesses share: a property check that stops the run with the
// property's name, so libFuzzer keeps the input as a crash and the replay
// test fails on it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace vantry::fuzz {

inline void check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property does not hold: %s\n", property);
  std::abort();
}

}  // namespace vantry::fuzz
