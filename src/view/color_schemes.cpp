// The three schemes' colours and the contrast arithmetic.
#include "view/color_schemes.h"

#include <cmath>

#include "classlib/contract.h"
#include "view/color_mgr.h"

namespace vantry {

namespace {

constexpr std::array<Colorref, kColorElements> classic_colors() {
  std::array<Colorref, kColorElements> colors{};
  for (int e = 0; e < kColorElements; ++e) colors[e] = static_cast<Colorref>(kColorKeys[e].default_value);
  return colors;
}

// Each element's colour in Dark and in High contrast.
//
// Dark: a near-black background; the highlight and colouring fills are dark
// tints so that every digit and mark colour keeps a contrast of 4.5:1 or more
// on each of them. The highlight buttons keep their light face (the pane
// draws black digits on it).
// High contrast: black ground, white and yellow digits, saturated marks,
// deep fills.
struct DarkColors {
  Colorref dark, high_contrast;
};
constexpr DarkColors kDarkColors[kColorElements] = {
    {rgb(28, 30, 36), rgb(0, 0, 0)},           // Background
    {rgb(240, 240, 240), rgb(255, 255, 255)},  // AnswerGiven
    {rgb(255, 196, 140), rgb(255, 255, 0)},    // AnswerUser
    {rgb(222, 222, 222), rgb(255, 255, 255)},  // Possible
    {rgb(168, 168, 176), rgb(180, 180, 180)},  // PossibleUserDeleted
    {rgb(170, 200, 230), rgb(0, 255, 255)},    // Digits_Enter
    {rgb(170, 170, 170), rgb(190, 190, 190)},  // Digits_Create
    {rgb(120, 140, 210), rgb(255, 255, 255)},  // Lines
    {rgb(255, 120, 120), rgb(255, 130, 130)},  // Hint_Remove
    {rgb(110, 230, 110), rgb(0, 255, 0)},      // Hint_Set
    {rgb(110, 230, 110), rgb(0, 255, 0)},      // Hint_Chains
    {rgb(255, 130, 255), rgb(255, 130, 255)},  // Hint_XOut
    {rgb(200, 160, 255), rgb(200, 165, 255)},  // Hint_Highlight
    {rgb(120, 200, 255), rgb(0, 230, 255)},    // Highlight_Digits
    {rgb(52, 54, 62), rgb(0, 0, 110)},         // Highlight_BG_Normal
    {rgb(70, 34, 34), rgb(90, 0, 0)},          // Highlight_BG_2OrMore
    {rgb(26, 60, 34), rgb(0, 70, 0)},          // Highlight_BG_All
    {rgb(56, 52, 20), rgb(60, 50, 0)},         // Highlight_BG_Only
    {rgb(255, 130, 255), rgb(255, 130, 255)},  // NakedSingle
    {rgb(255, 120, 120), rgb(255, 130, 130)},  // NoPossibilities
    {rgb(230, 255, 230), rgb(255, 255, 0)},    // HighlightButtons
    {rgb(14, 52, 14), rgb(0, 50, 0)},          // Coloring1
    {rgb(40, 62, 44), rgb(0, 50, 50)},         // Coloring2
    {rgb(80, 28, 28), rgb(80, 0, 0)},          // Coloring3
    {rgb(66, 44, 48), rgb(70, 0, 50)},         // Coloring4
    {rgb(28, 40, 86), rgb(0, 0, 130)},         // Coloring5
    {rgb(36, 54, 72), rgb(50, 50, 50)},        // Coloring6
};

template <Colorref DarkColors::*scheme>
constexpr std::array<Colorref, kColorElements> dark_colors() {
  std::array<Colorref, kColorElements> colors{};
  for (int e = 0; e < kColorElements; ++e) colors[e] = kDarkColors[e].*scheme;
  return colors;
}

constexpr ColorScheme kSchemes[] = {
    {"Classic", classic_colors()},
    {"Dark", dark_colors<&DarkColors::dark>()},
    {"High contrast", dark_colors<&DarkColors::high_contrast>()},
};

double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::span<const ColorScheme> color_schemes() { return kSchemes; }

void apply_scheme(ColorMgr& colors, int scheme) {
  VANTRY_ASSERT(scheme >= 0 && scheme < static_cast<int>(std::size(kSchemes)));
  for (int e = 0; e < kColorElements; ++e) colors.set(e, kSchemes[scheme].colors[e]);
}

int matching_scheme(const ColorMgr& colors) {
  for (int i = 0; i < static_cast<int>(std::size(kSchemes)); ++i) {
    bool same = true;
    for (int e = 0; e < kColorElements && same; ++e) same = colors.stored(e) == kSchemes[i].colors[e];
    if (same) return i;
  }
  return -1;
}

double relative_luminance(Colorref color) {
  return 0.2126 * linear(red_of(color)) + 0.7152 * linear(green_of(color)) + 0.0722 * linear(blue_of(color));
}

double contrast_ratio(Colorref a, Colorref b) {
  double la = relative_luminance(a), lb = relative_luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

bool is_dark(Colorref background) {
  // Below this, white text has the better contrast.
  return relative_luminance(background) < 0.18;
}

Colorref play_cursor_color(Colorref background) {
  // Orange is used by no element of the schemes; a deep one on light
  // grounds, a bright one on dark grounds.
  return is_dark(background) ? rgb(255, 170, 0) : rgb(215, 95, 0);
}

}  // namespace vantry
