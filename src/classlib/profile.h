// The raw settings-file layer: reads and writes keys of an initialisation
// file. A line "[name]" opens a section; a line "key=value" holds a value as
// text to the end of the line; section and key names are compared without
// regard to case; lines that are neither (comments, blank lines, anything
// else) are kept as they stand but never match. Values are read as a person
// writes them: surrounding spaces and tabs, and then one pair of surrounding
// double quotes, are not part of the value.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace vantry {

// Settings files larger than this are not ours: they read as if every key were
// absent and are never rewritten. A write that would make the file larger
// than this is not made.
inline constexpr std::size_t kLargestProfile = 1 << 20;

// Section and key names are equal when they differ at most in the case of
// ASCII letters.
bool same_name(std::string_view a, std::string_view b);

// Copies the value of key in section, or default_value when the file, the
// section or the key is missing (or the file cannot be used), into buffer. A
// text of size characters or more is cut to its first size - 1. Returns the
// number of characters copied, without the terminating zero.
int read_profile_string(const char* section, const char* key, const char* default_value, char* buffer, int size,
                        const char* file_name);

// One key to write, and whether it reached the file.
struct ProfileWrite {
  const char* section;
  const char* key;
  const char* value;
  bool written = false;
};

// Sets each key in its section to its value, in one rewrite of the file made
// under an exclusive lock on it, so that several programs writing the same
// file keep each other's keys. For each key the first line holding it is
// replaced, otherwise a line is added after the section's last key,
// otherwise the section is added at the end. Every other line stays as it
// was. A value is kept to its first line, so it can never add keys of its
// own, and is quoted when its surrounding blanks or quotes would otherwise
// be lost on reading. A key that would take the file past the size limit is
// left out. Returns false when a key could not be written (the file is not
// one that can be rewritten safely, or the write failed: the old file is
// then untouched).
bool write_profile_strings(std::span<ProfileWrite> writes, const char* file_name);

// The same for one key.
bool write_profile_string(const char* section, const char* key, const char* value, const char* file_name);

}  // namespace vantry
