// Help texts live outside the program, in a help file shipped beside it. The
// program only asks a viewer to open that file at a numbered topic or at its
// contents; this interface is that request, implemented by the Qt layer.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

inline constexpr std::string_view kHelpFileName = "Vantry.chm";

// Topic numbers the program opens. The strategies' topics (5010-5320) are the
// help column of the strategy table.
inline constexpr int kHelpGettingStarted = 100;
inline constexpr int kHelpColorDialog = 1500;
inline constexpr int kHelpColorThisCell = 1800;
inline constexpr int kHelpFirstStrategy = 5010;
inline constexpr int kHelpLastStrategy = 5320;

// The help file beside the program: everything after the program path's last
// separator ('/' or '\') replaced by the file name; the bare file name when the
// path has no separator.
std::string help_file_path(std::string_view program_path);

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens the help file at a topic. A missing file or topic is the viewer's
  // business: the program neither checks nor reports it.
  virtual void show_topic(int context) = 0;
  // Opens the help file at its table of contents (the Help menu's "&Help").
  virtual void show_contents() = 0;
};

}  // namespace vantry
