// Choosing the highlighted digits: the digit commands and keys, rules and
// modes, and Next / Previous, which walk the sets of the same size in
// lexicographic order and can pass over sets holding a finished digit.
#include "view/highlight.h"

#include "classlib/contract.h"
#include "classlib/inifile.h"
#include "classlib/view_observer.h"
#include "game/presented_game.h"
#include "view/grid_window.h"

namespace vantry {

namespace {

// The ascending list a[0..n) steps to the next set: the highest element
// that is below its limit (9 for the highest, 8 for the one below it, and so
// on) moves up by one and every element above it follows directly after it.
// False when a was the last set.
bool next_set(int* a, int n) {
  for (int i = n - 1; i >= 0; --i) {
    if (a[i] < 9 - (n - 1 - i)) {
      ++a[i];
      for (int j = i + 1; j < n; ++j) a[j] = a[j - 1] + 1;
      return true;
    }
  }
  return false;
}

// The mirror: the highest element with a free digit below it moves down by
// one and every element above it goes to its limit.
bool previous_set(int* a, int n) {
  for (int i = n - 1; i >= 0; --i) {
    if (a[i] > (i == 0 ? 1 : a[i - 1] + 1)) {
      --a[i];
      for (int j = i + 1; j < n; ++j) a[j] = 9 - (n - 1 - j);
      return true;
    }
  }
  return false;
}

}  // namespace

void step_digit_set(bool digits[10], bool forward) {
  int a[9];
  int n = 0;
  for (int d = 1; d <= 9; ++d) {
    if (digits[d]) a[n++] = d;
  }
  if (n == 0) return;
  const bool stepped = forward ? next_set(a, n) : previous_set(a, n);
  if (!stepped) {
    for (int i = 0; i < n; ++i) a[i] = forward ? 1 + i : 10 - n + i;
  }
  for (int d = 1; d <= 9; ++d) digits[d] = false;
  for (int i = 0; i < n; ++i) digits[a[i]] = true;
}

void GridWindow::highlight_digit(int code, bool shift) {
  VANTRY_ASSERT(code >= 0 && code <= 10);
  // Step 1. A new highlight ends the player's cell colouring.
  clear_colouring();
  // Step 2. During entry the key types into the entry cursor's cell.
  if (my_game.entry_key(code)) return;
  // Step 3.
  if (!my_game.puzzle_guard()) return;
  if (!shift) {
    for (int d = 1; d <= 9; ++d) {
      if (d != code) my_highlight.digits[d] = false;
    }
  }
  if (code >= 1 && code <= 9) my_highlight.digits[code] = !my_highlight.digits[code];
  my_highlight.recount();
  repaint();
  pane_highlight();
  my_game.view().menus_changed();
}

void GridWindow::clear_highlight_state() {
  my_highlight.clear();
  pane_highlight();
  my_game.view().menus_changed();
}

void GridWindow::set_rule(int rule) {
  VANTRY_ASSERT(rule == kCmdRuleAny || rule == kCmdRule2OrMore || rule == kCmdRuleAll || rule == kCmdRuleOnly);
  my_highlight.rule = rule;
  repaint();
  pane_highlight();
  my_game.view().menus_changed();
}

void GridWindow::set_mode(int mode) {
  VANTRY_ASSERT(mode == kCmdModePossibilities || mode == kCmdModeCount);
  my_highlight.mode = mode;
  // A new mode starts with nothing highlighted.
  my_highlight.clear();
  repaint();
  pane_highlight();
  my_game.view().menus_changed();
}

void GridWindow::next_highlight(bool forward) {
  if (!my_game.activity_guard() || !my_game.puzzle_guard()) return;
  // Step 1.
  bool before[10];
  for (int d = 0; d < 10; ++d) before[d] = my_highlight.digits[d];
  bool* digits = my_highlight.digits;
  // Steps 2-4. There are at most 126 sets of one size, so the walk ends at
  // the latest when it comes back to where it started.
  for (int guard = 0; guard < 130; ++guard) {
    clear_colouring();
    step_digit_set(digits, forward);
    bool same = true;
    for (int d = 1; d <= 9; ++d) same = same && digits[d] == before[d];
    if (same) {
      repaint();
      return;
    }
    bool usable = true;
    if (my_highlight.skip_solved) {
      for (int d = 1; d <= 9; ++d) usable = usable && (!digits[d] || my_available[d]);
    }
    if (usable) break;
  }
  // Step 5.
  my_highlight.recount();
  repaint();
  pane_highlight();
  my_game.view().menus_changed();
}

void GridWindow::toggle_skip_solved() {
  my_highlight.skip_solved = !my_highlight.skip_solved;
  settings().write_integer(kHighlightSkip, my_highlight.skip_solved ? 1 : 0);
  my_game.view().menus_changed();
}

}  // namespace vantry
