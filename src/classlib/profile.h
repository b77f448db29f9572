// The raw settings-file layer: reads and writes one key of an initialisation
// file. A line "[name]" opens a section; a line "key=value" holds a value as
// text to the end of the line; section and key names are compared without
// regard to case; lines that are neither (comments, blank lines, anything
// else) are kept as they stand but never match.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantry {

// Settings files larger than this are not ours: they read as if every key were
// absent and are never rewritten.
inline constexpr std::size_t kLargestProfile = 1 << 20;

// Section and key names are equal when they differ at most in the case of
// ASCII letters.
bool same_name(std::string_view a, std::string_view b);

// Copies the value of key in section, or default_value when the file, the
// section or the key is missing (or the file cannot be used), into buffer. A
// text of size characters or more is cut to its first size - 1. Returns the
// number of characters copied, without the terminating zero.
int read_profile_string(const char* section, const char* key, const char* default_value,
                        char* buffer, int size, const char* file_name);

// Sets key in section to value: the first line holding the key is replaced,
// otherwise a line is added after the section's last key, otherwise the
// section is added at the end. Every other line stays as it was. The file is
// replaced in one step; returns false, the old file untouched, if the write
// fails or the file is not one that can be rewritten safely. A value is kept
// to its first line, so it can never add keys of its own.
bool write_profile_string(const char* section, const char* key, const char* value,
                          const char* file_name);

}  // namespace vantry
