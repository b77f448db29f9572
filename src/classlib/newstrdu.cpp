#include "classlib/newstrdu.h"

#include <cstring>
#include <new>

#include "classlib/contract.h"

namespace vantry {

char* string_duplicate(const char* text) {
  const std::size_t length = std::strlen(text);
  char* newstring = new (std::nothrow) char[length + 1];
  VANTRY_ASSERT(newstring != 0);
  std::memcpy(newstring, text, length + 1);
  return newstring;
}

}  // namespace vantry
