// The main window's layout arithmetic and the floating dialogs' placement.
#include "view/layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "classlib/inifile.h"
#include "classlib/settings_keys.h"

namespace vantry {

PanePlace pane_place(const std::string& buttons) {
  if (!buttons.empty() && buttons[0] == 'L') return PanePlace::Left;
  if (!buttons.empty() && buttons[0] == 'R') return PanePlace::Right;
  return PanePlace::Hidden;
}

Size default_layout_size(const std::string& buttons, int pane_width, int desktop_width, int desktop_height) {
  const int base = desktop_width < kSmallDesktopBelow || desktop_height < kSmallDesktopBelow ? kSmallBaseWindowSize
                                                                                             : kBaseWindowSize;
  const char first = buttons.empty() ? 0 : buttons[0];
  const bool pane = first == 'L' || first == 'R' || first == 'l' || first == 'r';
  return {pane ? base + pane_width : base, base};
}

Size layout_size(IniFile& settings, int pane_width, int desktop_width, int desktop_height) {
  const std::string buttons = settings.read_string(kButtonsPlacement);
  const Size d = default_layout_size(buttons, pane_width, desktop_width, desktop_height);
  const int smallest_width = kSmallestGridWindow + (pane_place(buttons) == PanePlace::Hidden ? 0 : pane_width);
  auto keep = [](int value, int smallest, int largest) {
    return std::max(smallest, std::min(value, std::max(smallest, largest)));
  };
  return {keep(settings.read_integer(kGeometry, kGeometryW, d.width), smallest_width, desktop_width),
          keep(settings.read_integer(kGeometry, kGeometryH, d.height), kSmallestGridWindow, desktop_height)};
}

Size fit_pane(Size client, int pane_height, int max_width) {
  if (client.height >= pane_height) return client;
  const int grow = pane_height - client.height;
  client.width = std::max(client.width, std::min(client.width + grow, max_width));
  client.height = pane_height;
  return client;
}

double pane_zoom(Size client, Size pane) {
  if (pane.width <= 0 || pane.height <= 0) return 1;
  const double room = std::min(double(client.height) / pane.height, double(client.width) / 2 / pane.width);
  return std::clamp(std::floor(room * 8) / 8, 1.0, kLargestPaneZoom);
}

Point keep_on_desktop(std::int64_t x, std::int64_t y, int width, int height, const Rect& desktop) {
  x = std::min<std::int64_t>(x, std::int64_t(desktop.right) - width);
  y = std::min<std::int64_t>(y, std::int64_t(desktop.bottom) - height);
  x = std::max<std::int64_t>(x, desktop.left);
  y = std::max<std::int64_t>(y, desktop.top);
  return {int(x), int(y)};
}

PaneArrangement::Change PaneArrangement::arrange(const std::string& buttons, int pane_width) {
  Change change;
  const char letter = buttons.empty() ? 0 : buttons[0];
  change.place = pane_place(buttons);
  const bool shown = change.place != PanePlace::Hidden;
  if (my_first) {
    // Step 1.
    my_first = false;
    my_letter = letter;
    my_shown = shown;
    change.relayout = true;
    return change;
  }
  // Step 2.
  if (letter == my_letter) return change;
  my_letter = letter;
  change.relayout = true;
  if (shown && !my_shown) {
    change.show_pane = true;
    change.frame_width_change = pane_width;
  } else if (!shown && my_shown) {
    change.hide_pane = true;
    change.frame_width_change = -pane_width;
  }
  my_shown = shown;
  return change;
}

void save_geometry(IniFile& settings, const std::string& buttons, bool maximized, int frame_x, int frame_y,
                   int layout_width, int layout_height, int surplus_width, int surplus_height) {
  settings.write_string(kButtonsPlacement, buttons.c_str());
  if (maximized) {
    // The last normal position and size stay as they were.
    settings.write_integer(kGeometryMaximized, 1);
    return;
  }
  settings.write_integer(kGeometryMaximized, 0);
  settings.write_integer(kGeometryX, frame_x);
  settings.write_integer(kGeometryY, frame_y);
  settings.write_integer(kGeometry, kGeometryW, layout_width - surplus_width);
  settings.write_integer(kGeometry, kGeometryH, layout_height - surplus_height);
}

namespace {

Point corner_point(const Rect& r, int corner) {
  switch (corner) {
    case 1: return {r.right, r.top};
    case 2: return {r.left, r.bottom};
    case 3: return {r.right, r.bottom};
    default: return {r.left, r.top};
  }
}

}  // namespace

Rect float_dialog_open(const Rect& owner, const Rect& dialog, const Rect& work_area, int corner, int dx, int dy) {
  const Point ref = corner_point(owner, corner >= 0 && corner <= 3 ? corner : 0);
  const int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
  // Pulled back inside the work area: right and bottom first, so a dialog
  // larger than the work area ends up with its top-left corner visible. The
  // sum is wide: an offset from the settings file may be any int.
  const Point at = keep_on_desktop(std::int64_t(ref.x) + dx, std::int64_t(ref.y) + dy, width, height, work_area);
  return {at.x, at.y, at.x + width, at.y + height};
}

Rect float_dialog_open(IniFile& settings, const char* section, const Rect& owner, const Rect& dialog,
                       const Rect& work_area) {
  return float_dialog_open(owner, dialog, work_area, settings.read_integer(dialog_corner(section)),
                           settings.read_integer(dialog_dx(section)), settings.read_integer(dialog_dy(section)));
}

FloatPlacement float_dialog_close(const Rect& owner, const Rect& dialog) {
  const std::int64_t cx = (dialog.left + dialog.right) / 2, cy = (dialog.top + dialog.bottom) / 2;
  FloatPlacement best;
  std::int64_t best_distance = -1;
  for (int corner = 0; corner < 4; ++corner) {
    const Point p = corner_point(owner, corner);
    const std::int64_t distance = (p.x - cx) * (p.x - cx) + (p.y - cy) * (p.y - cy);
    if (best_distance < 0 || distance < best_distance) {
      best_distance = distance;
      best = {corner, dialog.left - p.x, dialog.top - p.y};
    }
  }
  return best;
}

void float_dialog_close(IniFile& settings, const char* section, const Rect& owner, const Rect& dialog) {
  const FloatPlacement p = float_dialog_close(owner, dialog);
  settings.write_integer(dialog_corner(section), p.corner);
  settings.write_integer(dialog_dx(section), p.dx);
  settings.write_integer(dialog_dy(section), p.dy);
  settings.flush(false);
}

}  // namespace vantry
