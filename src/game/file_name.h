// The file the game in play belongs to: its full path, the name shown in the
// window title, and the folder every file dialog starts in. A path that came
// from an import or an export is only a proposal for the first save.
#pragma once

#include <string>

namespace vantry {

struct FileName {
  std::string path;             // empty when the game has no file
  std::string name;             // the part after the last '/' or '\'
  std::string directory = ".";  // up to and including that separator; "." when none
  // The path is a saved game this program opened or wrote, so Save may write
  // it without asking. An imported text file must never be overwritten by Save.
  bool is_saved_game = false;
  // The path the name was made from, before the extension rule changed it
  // (equal to path when it did not). A file at path that is not this one was
  // never opened or written here, so it is not replaced without a question.
  std::string source;

  // A ".txt" extension becomes ".spz" and a name without an extension gets
  // ".spz"; any other extension stays. An empty path clears the name and
  // keeps the folder.
  void set_from_path(const std::string& new_path, bool saved_game);
  // The extension rule gave a name other than the one the file was chosen by.
  bool renamed() const { return path != source; }
  // The game was written to path: it is the game's own saved file now.
  void mark_written() {
    source = path;
    is_saved_game = true;
  }
};

}  // namespace vantry
