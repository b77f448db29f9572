// The colour elements' values, their settings keys and the two palettes.
#include "view/color_mgr.h"

#include "classlib/contract.h"
#include "classlib/inifile.h"
#include "classlib/system_services.h"
#include "view/color_schemes.h"

namespace vantry {

namespace {

void check_element(int element) { VANTRY_ASSERT(element >= 0 && element < kColorElements); }

// Settings store 0x00BBGGRR, which is our Colorref; anything outside 24 bits
// is not a colour the file can have meant.
Colorref from_setting(int value, int element) {
  if (value < 0 || value > 0xFFFFFF) return ColorMgr::default_color(element);
  return static_cast<Colorref>(value);
}

}  // namespace

ColorMgr::ColorMgr() {
  for (int e = 0; e < kColorElements; ++e) my_colors[e] = default_color(e);
}

Colorref ColorMgr::default_color(int element) {
  check_element(element);
  return static_cast<Colorref>(kColorKeys[element].default_value);
}

void ColorMgr::load(IniFile& settings) {
  for (int e = 0; e < kColorElements; ++e) {
    my_colors[e] = from_setting(settings.read_integer(color_key(e)), e);
  }
  my_fullColor = true;
}

void ColorMgr::save(IniFile& settings) const {
  for (int e = 0; e < kColorElements; ++e) {
    settings.write_integer(color_key(e), static_cast<int>(my_colors[e]));
  }
}

Colorref ColorMgr::get(int element) const {
  check_element(element);
  if (!my_fullColor) {
    switch (element) {
      case kColorBackground: return kWhite;
      case kColorAnswerGiven:
      case kColorAnswerUser:
      case kColorPossible:
      case kColorLines: return kBlack;
      case kColorHintRemove:
      case kColorHintChains:
      case kColorHintXOut:
      case kColorHintHighlight:
      case kColorHighlightDigits: return kGrey;
      default: return kLightGrey;
    }
  }
  if (my_systemColors) {
    if (element == kColorBackground) return my_windowColor;
    if (element == kColorAnswerGiven || element == kColorPossible) return my_windowTextColor;
    // On a dark desktop the other elements come from the Dark scheme, whose
    // colours are made to be read on a dark ground.
    if (is_dark(my_windowColor)) return color_schemes()[kSchemeDark].colors[element];
  }
  return my_colors[element];
}

Colorref ColorMgr::stored(int element) const {
  check_element(element);
  return my_colors[element];
}

void ColorMgr::set(int element, Colorref color) {
  check_element(element);
  my_colors[element] = color & 0xFFFFFF;
}

void ColorMgr::reset(int element) { my_colors[element] = default_color(element); }

void ColorMgr::set_system_colors(bool on, SystemServices& services) {
  my_systemColors = on;
  refresh_system_colors(services);
}

void ColorMgr::refresh_system_colors(SystemServices& services) {
  if (!my_systemColors) return;
  const SystemColors system = services.system_colors();
  my_windowColor = system.window;
  my_windowTextColor = system.window_text;
}

}  // namespace vantry
