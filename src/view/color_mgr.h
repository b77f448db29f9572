// The program's colour scheme: 27 numbered colour elements that the grid, the
// button pane and the printout ask for by number, loaded from and saved to
// the settings file, with the system colours switch and the black-and-white
// palette of printing without colour.
#pragma once

#include <string_view>

#include "classlib/canvas.h"
#include "classlib/settings_keys.h"
#include "game/color_elements.h"

namespace vantry {

class IniFile;
class SystemServices;

// One colour element: its display name in the colour dialog and the
// description shown under the list. The settings key and the default colour
// are kColorKeys[number].
struct ColorElement {
  int number;
  std::string_view name;
  std::string_view description;
};

inline constexpr ColorElement kColorElementTable[] = {
    {0, "Background", "The background for cells that are not highlighted."},
    {1, "Answer, initial", "The answers that were given when the puzzle began."},
    {2, "Answer, user", "Answers that you have figured out."},
    {3, "Possibilities", "The values that are still possible in each unsolved cell."},
    {4, "Possibilities, deleted", "Possibilities that you have removed from a cell."},
    {5, "Digits, while entering",
     "Digits displayed while you are entering a puzzle. This different color is a reminder that "
     "the puzzle is not yet ready to play."},
    {6, "Digits, while creating",
     "Digits displayed while a new puzzle is being created. This different color is a reminder "
     "that the puzzle is not yet ready to play."},
    {7, "Lines", "Boundaries for the cells and boxes (except when creating or entering a new puzzle)."},
    {8, "Hints, cells & digits",
     "Used in a big hint to outline cells of interest and show possiblities that can be "
     "removed."},
    {9, "Hints, answer", "Used in a big hint to show the possibility that is the correct answer."},
    {10, "Hints, chains", "Used to display singles chains, pairs chains, and other chains."},
    {11, "Hints, crossed out",
     "Used in a big hint to show possibilities that have are not valid given the assumptions of "
     "the strategy."},
    {12, "Hints, highlighted",
     "Used in a big hint to show the possibilities that are involved in some type of chain or "
     "cycle."},
    {13, "Highlighted digits", "The possibilities that are highlighted."},
    {14, "Highlight background", "The background for cells that are highlighted."},
    {15, "Highlight background, 2 or more",
     "The background for cells that contain two or more (but not all) of the highlighted "
     "possibilities."},
    {16, "Highlight background, all", "The background for cells that contain all of the highlighted possibilities."},
    {17, "Highlight background, only", "The background for cells whose possibilities are all highlighted."},
    {18, "Naked singles",
     "The background for cells that contain only one possibility.This must be enabled on the "
     "Edit|Preferences menu to be visible."},
    {19, "Cell with no possibilities",
     "The X drawn through cells with no remaining possibilities.This must be enabled on the "
     "Edit|Preferences menu to be visible."},
    {20, "Highlight buttons",
     "The color that the highlight buttons change to when selected.\n\nNOTE: This change will "
     "take effect the next time Vantry is started."},
    {21, "Coloring #1", "First choice for cell coloring"},
    {22, "Coloring #2", "Second choice for cell coloring"},
    {23, "Coloring #3", "Third choice for cell coloring"},
    {24, "Coloring #4", "Fourth choice for cell coloring"},
    {25, "Coloring #5", "Fifth choice for cell coloring"},
    {26, "Coloring #6", "Sixth choice for cell coloring"},
};
static_assert(sizeof kColorElementTable / sizeof kColorElementTable[0] == kColorElements);

inline constexpr Colorref kWhite = rgb(255, 255, 255);
inline constexpr Colorref kBlack = rgb(0, 0, 0);
inline constexpr Colorref kGrey = rgb(128, 128, 128);
inline constexpr Colorref kLightGrey = rgb(192, 192, 192);

// The colours of the run. A copy (the colour dialog keeps one for Cancel)
// takes the 27 colours, the colour mode and the system colours with it.
class ColorMgr {
 public:
  // Every element at its default, full colour.
  ColorMgr();

  // Each element from the settings; a missing or non-numeric value gives the default.
  void load(IniFile& settings);
  // Every element written back, in table order.
  void save(IniFile& settings) const;

  // The colour drawing uses. In black-and-white mode the fixed palette
  // answers; with system colours on, the window colour stands for the
  // background and the window-text colour for given answers and possibilities.
  Colorref get(int element) const;
  // The element's own colour, whatever the mode.
  Colorref stored(int element) const;
  void set(int element, Colorref color);
  void reset(int element);
  static Colorref default_color(int element);

  void set_color_mode(bool full_color) { my_fullColor = full_color; }
  bool color_mode() const { return my_fullColor; }

  bool system_colors() const { return my_systemColors; }
  // Sets the switch; when on, the two system colours are read again.
  void set_system_colors(bool on, SystemServices& services);
  void refresh_system_colors(SystemServices& services);

 private:
  Colorref my_colors[kColorElements];
  bool my_fullColor = true;
  bool my_systemColors = false;
  Colorref my_windowColor = 0;
  Colorref my_windowTextColor = 0;
};

}  // namespace vantry
