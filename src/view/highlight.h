// Which digits the player has highlighted, how (mode and rule), and the
// background colour that gives each cell. Drawing, the keys and the button
// pane share this state; the colour rule lives here so it is one function.
#pragma once

#include "model/cell.h"

namespace vantry {

// Modes and rules are their menu command ids.
inline constexpr int kCmdModePossibilities = 11907;
inline constexpr int kCmdModeCount = 11909;  // "# of possibilities"
inline constexpr int kCmdRuleAny = 11861;
inline constexpr int kCmdRule2OrMore = 11879;
inline constexpr int kCmdRuleAll = 11862;
inline constexpr int kCmdRuleOnly = 11877;

struct Highlight {
  bool digits[10] = {};  // digits[d]: d is highlighted; [0] unused
  int count = 0;         // how many are
  int mode = kCmdModePossibilities;
  int rule = kCmdRuleAny;
  bool skip_solved = true;  // Next and Previous pass over sets with a finished digit

  void recount() {
    count = 0;
    for (int d = 1; d <= 9; ++d) count += digits[d] ? 1 : 0;
  }
  void clear() {
    for (bool& on : digits) on = false;
    count = 0;
  }

  // The background colour element of a cell, or 0 for none. The player's
  // colouring always wins; otherwise the rule decides whether a cell
  // qualifies, and the counts alone decide its shade.
  int color_for(const Cell& cell) const {
    if (cell.color != 0) return cell.color;
    if (count == 0) return 0;
    int possible = 0, hit = 0;
    if (cell.answer == 0) {
      for (int d = 1; d <= 9; ++d) {
        if (!cell.possible[d]) continue;
        ++possible;
        if (digits[d]) ++hit;
      }
    }
    if (mode == kCmdModeCount) return possible >= 1 && digits[possible] ? 14 : 0;
    if (hit == 0) return 0;
    bool qualifies = true;
    switch (rule) {
      case kCmdRule2OrMore: qualifies = hit >= 2; break;
      case kCmdRuleAll: qualifies = hit == count; break;
      case kCmdRuleOnly: qualifies = hit == possible; break;
      default: break;  // Any
    }
    if (!qualifies) return 0;
    if (count <= 1) return 14;
    if (hit == possible) return 17;
    if (hit == count) return 16;
    if (hit >= 2) return 15;
    return 14;
  }
};

// The next (forward) or previous k-digit set in lexicographic order, with
// wrap-around; a set of no digits stays empty. digits[1..9] in and out.
void step_digit_set(bool digits[10], bool forward);

}  // namespace vantry
