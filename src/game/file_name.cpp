#include "game/file_name.h"

namespace vantry {

void FileName::set_from_path(const std::string& new_path, bool saved_game) {
  path = new_path;
  source = new_path;
  is_saved_game = saved_game && !new_path.empty();
  if (path.empty()) {
    name.clear();  // the folder is remembered for the next dialog
    return;
  }
  // Only the file name part can carry the extension: a dot in a folder name
  // is not one.
  const std::size_t separator = path.find_last_of("/\\");
  const std::size_t name_start = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < name_start) {
    path += ".spz";
  } else if (path.compare(dot, std::string::npos, ".txt") == 0) {
    path.replace(dot, std::string::npos, ".spz");
  }
  directory = separator == std::string::npos ? "." : path.substr(0, name_start);
  name = path.substr(name_start);
}

}  // namespace vantry
