// The grid window's geometry and colours, and the small helpers its other
// files share: repainting and telling the button pane about the highlight.
#include "view/grid_window.h"

#include "classlib/contract.h"
#include "classlib/system_services.h"
#include "classlib/view_observer.h"
#include "game/presented_game.h"
#include "model/board.h"

namespace vantry {

GridWindow::GridWindow(PresentedGame& game) : my_game(game) { my_game.set_listener(this); }

GridWindow::~GridWindow() { my_game.set_listener(nullptr); }

IniFile& GridWindow::settings() const { return my_game.settings(); }

void GridWindow::resize(int width, int height) {
  my_geometry = GridGeometry::from_client(width, height);
  repaint();
}

void GridWindow::replace_colors(const ColorMgr& colors) {
  my_colors = colors;
  colors_changed();
}

void GridWindow::colors_changed() {
  my_game.view().set_grid_background(my_colors.get(kColorBackground));
  repaint();
}

void GridWindow::system_palette_changed() {
  if (!my_colors.system_colors()) return;
  my_colors.refresh_system_colors(my_game.services());
  colors_changed();
}

void GridWindow::repaint() { my_game.view().repaint_grid(); }

void GridWindow::pane_highlight() { my_game.view().pane_changed(PaneUpdate::Highlight); }

void GridWindow::clear_colouring() {
  State& s = my_game.board().current();
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) s.cell(r, c).color = 0;
  }
}

}  // namespace vantry
