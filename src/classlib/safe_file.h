// The one way the program reads and writes whole files of its own: saved
// games, exported puzzles, the settings file and the remembered working
// folder. Reading never blocks on a special file and refuses anything too
// large to be ours. Writing goes to a fresh temporary file beside the target,
// which is flushed to disk with its folder and renamed over the target, so a
// crash at any moment leaves the old file or the new one, never a mixture.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace vantry {

enum class FileRead {
  Ok,        // contents holds the whole file
  Missing,   // nothing at that path (contents is empty)
  Unusable,  // a folder, a device, a pipe, unreadable, or larger than the limit
};

// Reads the regular file at path whole, if it holds at most maxBytes bytes.
FileRead read_small_file(const std::string& path, std::size_t maxBytes, std::string& contents);

// Writes contents as the file at path. A symbolic link (even one whose
// target does not exist yet) is written through and stays a link; the new
// file keeps the old one's permissions. Refused: a target that is not a
// regular file, and a read-only file. Where no temporary file can be made
// beside a writable target, the target is rewritten in place (and restored
// if that fails). On failure returns false with the system's reason in
// error; the old file is as it was and no temporary file of ours remains.
// Temporaries that earlier runs of the program left in the target's folder
// (their process is gone, or they are old) are removed first.
bool write_file_safely(const std::string& path, const std::string& contents, std::string& error);

// The same without the reason, for files whose failure nobody is told of.
bool replace_file(const std::string& path, const std::string& contents);

// Changes the file at path under an exclusive advisory lock (flock), so that
// programs updating the same file one after the other each see what the
// last one wrote. change receives the current contents (empty when the file
// is missing) and returns true when it altered them; the result is then
// written as write_file_safely does. A file that is not regular or is larger
// than maxBytes is left alone. Returns false, with the reason in error, when
// the file could not be read or written.
bool update_file_locked(const std::string& path, std::size_t maxBytes,
                        const std::function<bool(std::string& contents)>& change, std::string& error);

// A write past the file-size limit (RLIMIT_FSIZE) raises SIGXFSZ, which by
// default ends the program with the game in it. Ignored, the write fails
// with EFBIG ("File too large") and is reported like any other failed write.
// The writers above call this; a program that writes files by other means
// (printing to a file) calls it at start.
void ignore_file_size_signal();

// True when the temporary file name is one this module makes.
bool is_temporary_name(const std::string& name);

}  // namespace vantry
