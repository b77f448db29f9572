// Contract checks that stay on in every build. A violated contract means the
// program itself is wrong (a container over capacity, an index out of range),
// so it reports the expression and the source location and stops at once.
#pragma once

namespace vantry {

[[noreturn]] void assertion_failed(const char* expression, const char* file, int line);

}  // namespace vantry

#define VANTRY_ASSERT(expression) \
  ((expression) ? static_cast<void>(0) : ::vantry::assertion_failed(#expression, __FILE__, __LINE__))
