// Reading and writing the player's files (saved games, imported and exported
// puzzles) wherever the file dialogs point. Reading is bounded, so a device,
// a pipe or an enormous file cannot stall the program; writing goes through
// the program's one safe writer, so a failed save never destroys the game it
// replaces.
#pragma once

#include <cstddef>
#include <string>

namespace vantry {

enum class DiskRead {
  Ok,        // contents holds the file
  Failed,    // could not be opened or read; error holds the system's words
  TooLarge,  // longer than the limit; nothing is read
};

// Reads the regular file at path, if it holds at most maxBytes bytes.
DiskRead read_disk_file(const std::string& path, std::size_t maxBytes, std::string& contents, std::string& error);

// Reads the characters of the regular file at path that are not white space,
// until wanted of them are kept or the file ends (Ok, with fewer). White
// space costs no memory; a file with more than scanLimit bytes of it before
// the last wanted character is TooLarge.
DiskRead read_non_blank(const std::string& path, std::size_t wanted, std::size_t scanLimit, std::string& kept,
                        std::string& error);

// Writes contents as the file at path (see write_file_safely). On failure
// returns false with the system's words in error and the old file untouched.
bool replace_disk_file(const std::string& path, const std::string& contents, std::string& error);

// Whether something exists at path, and whether two paths name one file.
bool file_exists(const std::string& path);
bool same_file(const std::string& a, const std::string& b);

}  // namespace vantry
