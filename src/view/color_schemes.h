// Named colour schemes for the 27 colour elements ("Classic", "Dark",
// "High contrast"), the contrast arithmetic that keeps the dark ones
// readable, and the play cursor's colour. A scheme is nothing but 27
// colours: choosing one sets every element, so the settings file keeps its
// one key per element.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "classlib/canvas.h"
#include "classlib/settings_keys.h"

namespace vantry {

class ColorMgr;

struct ColorScheme {
  std::string_view name;
  std::array<Colorref, kColorElements> colors;
};

// Classic (the default colours), Dark, High contrast, in the order the colour
// dialog lists them.
std::span<const ColorScheme> color_schemes();
inline constexpr int kSchemeClassic = 0;
inline constexpr int kSchemeDark = 1;
inline constexpr int kSchemeHighContrast = 2;

// Every element takes the scheme's colour.
void apply_scheme(ColorMgr& colors, int scheme);
// The scheme whose 27 colours the manager stores now, or -1 (colours of the
// player's own).
int matching_scheme(const ColorMgr& colors);

// The elements drawn as digits, marks or frames, and the backgrounds they
// are drawn on (a possibility can stand on a highlight or colouring fill).
inline constexpr int kForegroundElements[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 18, 19};
inline constexpr int kBackgroundElements[] = {0, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26};

// Relative luminance 0 (black) to 1 (white) of an sRGB colour, and the
// contrast ratio of two colours, 1 to 21, as accessibility guidelines
// measure them.
double relative_luminance(Colorref color);
double contrast_ratio(Colorref a, Colorref b);
// A background dark enough that text on it must be light.
bool is_dark(Colorref background);

// The play cursor's frame: a colour of its own, chosen to stand out from
// the background it is drawn on.
Colorref play_cursor_color(Colorref background);

}  // namespace vantry
