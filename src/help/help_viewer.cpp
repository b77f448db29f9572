#include "help/help_viewer.h"

namespace vantry {

std::string help_file_path(std::string_view program_path) {
  const std::size_t slash = program_path.find_last_of("/\\");
  if (slash == std::string_view::npos) return std::string(kHelpFileName);
  std::string path(program_path.substr(0, slash + 1));
  path += kHelpFileName;
  return path;
}

}  // namespace vantry
