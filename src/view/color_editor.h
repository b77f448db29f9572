// What the "Change colors" dialog does, apart from showing it: the element
// list sorted by name, the description and swatch of the selection, Change
// Color through the platform's colour chooser, Default Color, and OK or
// Cancel, which keeps the changes or puts back the colours of the opening.
// The Qt dialog makes one of these when it opens and calls it for each button.
#pragma once

#include <string_view>
#include <vector>

#include "view/color_mgr.h"

namespace vantry {

class PresentedGame;
class GridWindow;

// Button ids of the dialog.
inline constexpr int kColorEditorOk = 1;
inline constexpr int kColorEditorCancel = 2;
inline constexpr int kColorEditorHelp = 9;
inline constexpr int kColorEditorChange = 105;
inline constexpr int kColorEditorDefault = 106;

class ColorEditor {
 public:
  // Takes the copy that Cancel restores and selects the list position of
  // the last opening in this run (the first when out of range).
  ColorEditor(PresentedGame& game, GridWindow& grid);

  // The list: display names in alphabetical order, each with its element number.
  struct Entry {
    std::string_view name;
    int element;
  };
  static const std::vector<Entry>& entries();

  int position() const { return my_position; }
  int element() const { return entries()[my_position].element; }
  // The list selection changed; the swatch and description follow.
  void select(int position);
  std::string_view description() const;
  Colorref swatch() const;

  // The scheme list: choosing Classic, Dark or High contrast (an index of
  // color_schemes) sets all 27 colours at once and repaints; Cancel puts
  // back the colours of the opening as for single changes.
  void apply_scheme(int scheme);
  // The scheme the colours match now, or -1 for colours of the player's own.
  int scheme() const;

  // The buttons. Change and Default repaint the grid at once; OK and Cancel
  // close (Cancel restores the copy); Help opens its topic and stays. Any
  // other id is a contract violation. Returns true when the dialog closes.
  bool button(int id);

 private:
  void changed();
  void close();

  PresentedGame& my_game;
  GridWindow& my_grid;
  ColorMgr my_copy;
  int my_position = 0;
};

}  // namespace vantry
