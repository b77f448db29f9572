// A C-string copy for the settings classes, which keep their cached keys and
// values as plain NUL-terminated strings they own.
#pragma once

namespace vantry {

// Returns a copy of text allocated with new[]; the caller releases it with delete[].
char* string_duplicate(const char* text);

}  // namespace vantry
