// Whole-file reading and replacement for the small text files the program
// keeps for itself (the settings file, the remembered working folder). Reading
// never blocks on a special file and refuses anything too large to be ours;
// replacing writes a new file beside the old one and renames it over, so a
// failure at any point leaves the old file as it was.
#pragma once

#include <cstddef>
#include <string>

namespace vantry {

enum class FileRead {
  Ok,        // contents holds the whole file
  Missing,   // nothing at that path (contents is empty)
  Unusable,  // a folder, a device, a pipe, unreadable, or larger than the limit
};

// Reads the regular file at path whole, if it holds at most maxBytes bytes.
FileRead read_small_file(const std::string& path, std::size_t maxBytes, std::string& contents);

// Replaces the file at path (following a symbolic link to its target) with
// contents: a temporary file in the same folder is written, flushed to disk and
// renamed over the old one, which keeps its permissions. Returns false, with
// the old file untouched and no temporary file left, if any step fails.
bool replace_file(const std::string& path, const std::string& contents);

}  // namespace vantry
