// The colour dialog's logic over the grid window's ColorMgr.
#include "view/color_editor.h"

#include <algorithm>

#include "classlib/contract.h"
#include "classlib/system_services.h"
#include "game/presented_game.h"
#include "view/color_schemes.h"
#include "help/help_viewer.h"
#include "view/grid_window.h"

namespace vantry {

ColorEditor::ColorEditor(PresentedGame& game, GridWindow& grid) : my_game(game), my_grid(grid), my_copy(grid.colors()) {
  const int remembered = grid.color_list_position;
  my_position = remembered >= 0 && remembered < kColorElements ? remembered : 0;
}

const std::vector<ColorEditor::Entry>& ColorEditor::entries() {
  static const std::vector<Entry> sorted = [] {
    std::vector<Entry> list;
    for (const ColorElement& e : kColorElementTable) list.push_back({e.name, e.number});
    std::sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return list;
  }();
  return sorted;
}

void ColorEditor::select(int position) {
  VANTRY_ASSERT(position >= 0 && position < kColorElements);
  my_position = position;
}

std::string_view ColorEditor::description() const { return kColorElementTable[element()].description; }

Colorref ColorEditor::swatch() const { return my_grid.colors().get(element()); }

void ColorEditor::changed() {
  // Only the background has a window colour of its own; everything else shows on repaint.
  if (element() == kColorBackground) my_grid.colors_changed();
  else my_game.repaint();
}

void ColorEditor::apply_scheme(int scheme) {
  vantry::apply_scheme(my_grid.colors(), scheme);
  my_grid.colors_changed();
}

int ColorEditor::scheme() const { return matching_scheme(my_grid.colors()); }

void ColorEditor::close() { my_grid.color_list_position = my_position; }

bool ColorEditor::button(int id) {
  GridWindow& grid = my_grid;
  switch (id) {
    case kColorEditorChange: {
      const auto chosen = my_game.services().choose_color(grid.colors().stored(element()), grid.custom_colors);
      if (chosen) grid.colors().set(element(), *chosen);
      changed();
      return false;
    }
    case kColorEditorDefault:
      grid.colors().reset(element());
      changed();
      return false;
    case kColorEditorHelp: my_game.services().show_help_topic(kHelpColorDialog); return false;
    case kColorEditorOk: close(); return true;
    case kColorEditorCancel:
      grid.replace_colors(my_copy);
      close();
      return true;
    default: VANTRY_ASSERT(!"unknown colour dialog button"); return true;
  }
}

}  // namespace vantry
