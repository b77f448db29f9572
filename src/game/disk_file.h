// Reading and writing the player's files (saved games, imported and exported
// puzzles) wherever the file dialogs point. Reading is bounded, so a device,
// a pipe or an enormous file cannot stall the program; writing replaces the
// old file in one rename, so a failed save never destroys the game it replaces.
#pragma once

#include <cstddef>
#include <string>

namespace vantry {

enum class DiskRead {
  Ok,        // contents holds the file
  Failed,    // could not be opened or read; error holds the system's words
  TooLarge,  // longer than the limit; contents holds its first maxBytes bytes
};

// Reads the regular file at path, at most maxBytes of it.
DiskRead read_disk_file(const std::string& path, std::size_t maxBytes, std::string& contents,
                        std::string& error);

// Writes contents to a temporary file beside path and renames it over path
// (the target of a symbolic link, so the link stays). On failure returns
// false with the system's words in error; the old file is untouched and no
// temporary file is left behind.
bool replace_disk_file(const std::string& path, const std::string& contents, std::string& error);

}  // namespace vantry
