// Drawing the grid: answers, possibilities with their highlight backgrounds
// and hint marks, frames, the chain, the grid lines and, on a printed page,
// the header and footer. The same pass counts digits for the button pane and
// picks the naked single that the singles timer will place next.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "classlib/inifile.h"
#include "classlib/system_services.h"
#include "classlib/view_observer.h"
#include "game/file_name.h"
#include "game/presented_game.h"
#include "model/board.h"
#include "model/busy_manager.h"
#include "view/color_schemes.h"
#include "strategy/difficulty.h"
#include "view/grid_window.h"
#include "strategy/difficulty.h"

namespace vantry {

namespace {

// Printing without colour switches the manager to black and white for one
// drawing; every way out of the drawing puts it back.
class ColorModeScope {
 public:
  ColorModeScope(ColorMgr& colors, bool full_color) : my_colors(colors) { my_colors.set_color_mode(full_color); }
  ~ColorModeScope() { my_colors.set_color_mode(true); }
  ColorModeScope(const ColorModeScope&) = delete;
  ColorModeScope& operator=(const ColorModeScope&) = delete;

 private:
  ColorMgr& my_colors;
};

inline constexpr char kFooterText[] = "Printed by Vantry, the Sudoku coach";

// ---- Line styles for "Not by color alone" ----
// Horizontal and vertical strokes only: the frames and underlines of a cell.
enum class Stroke { Solid, Dashed, Dotted, LongDashed };

void styled_line(Canvas& canvas, int x1, int y1, int x2, int y2, int width, Colorref color, Stroke stroke) {
  if (stroke == Stroke::Solid) {
    canvas.line(x1, y1, x2, y2, width, color);
    return;
  }
  const int on = stroke == Stroke::Dotted ? 2 : stroke == Stroke::Dashed ? 4 : 8;
  const int off = stroke == Stroke::Dotted ? 2 : 3;
  const int length = std::abs(x2 - x1) + std::abs(y2 - y1);
  const int dx = x2 > x1 ? 1 : x2 < x1 ? -1 : 0, dy = y2 > y1 ? 1 : y2 < y1 ? -1 : 0;
  for (int at = 0; at <= length; at += on + off) {
    const int end = std::min(at + on - 1, length);
    canvas.line(x1 + dx * at, y1 + dy * at, x1 + dx * end, y1 + dy * end, width, color, LineCap::Flat);
  }
}

// A rectangle's four sides, right and bottom inclusive.
void styled_box(Canvas& canvas, int L, int T, int R, int B, int width, Colorref color, Stroke stroke) {
  styled_line(canvas, L, T, R, T, width, color, stroke);
  styled_line(canvas, R, T, R, B, width, color, stroke);
  styled_line(canvas, R, B, L, B, width, color, stroke);
  styled_line(canvas, L, B, L, T, width, color, stroke);
}

// The frame style of a hint's cell mark, or of the naked-single frame, so
// that a player who cannot tell the colours apart still tells the frames:
// cells of interest solid, the answer's cell doubled, chain cells dashed,
// crossed-out and highlighted cells dotted, naked singles in long dashes.
Stroke frame_stroke(int element) {
  switch (element) {
    case kColorHintChains: return Stroke::Dashed;
    case kColorHintXOut:
    case kColorHintHighlight: return Stroke::Dotted;
    case kColorNakedSingle: return Stroke::LongDashed;
    default: return Stroke::Solid;
  }
}

// The inner frame a highlighted cell gets beside its fill: dotted for the
// plain highlight, dashed for "2 or more", solid for "all", doubled for
// "only". It runs just inside the grid lines, clear of the digits; a hint's
// frame, drawn later in the same place, covers it.
void highlight_pattern(Canvas& canvas, int L, int T, int R, int B, int b, Colorref color) {
  const int i = 2;
  switch (b) {
    case kColorHighlightBgNormal: styled_box(canvas, L + i, T + i, R - i, B - i, 1, color, Stroke::Dotted); break;
    case kColorHighlightBg2OrMore: styled_box(canvas, L + i, T + i, R - i, B - i, 1, color, Stroke::Dashed); break;
    case kColorHighlightBgAll: styled_box(canvas, L + i, T + i, R - i, B - i, 1, color, Stroke::Solid); break;
    case kColorHighlightBgOnly:
      styled_box(canvas, L + i, T + i, R - i, B - i, 1, color, Stroke::Solid);
      styled_box(canvas, L + i + 2, T + i + 2, R - i - 2, B - i - 2, 1, color, Stroke::Solid);
      break;
    default: break;
  }
}

// A hint's mark on one possibility, in its slot (left, top, side u): the
// possibility to remove is struck through, the answer boxed, a chain's or
// highlighted possibility underlined (the crossed-out one has its X already).
void digit_mark_pattern(Canvas& canvas, int left, int top, int u, int mark, Colorref color) {
  const int x = left + u / 2;
  switch (mark) {
    case kColorHintRemove: canvas.line(left + 2, top + u - 3, left + u - 3, top + 2, 1, color); break;
    case kColorHintSet:
      styled_box(canvas, left + 1, top + 1, left + u - 2, top + u - 2, 1, color, Stroke::Solid);
      break;
    case kColorHintChains:
      styled_line(canvas, x - u / 3, top + u - 2, x + u / 3, top + u - 2, 1, color, Stroke::Dotted);
      break;
    case kColorHintHighlight: canvas.line(x - u / 3, top + u - 2, x + u / 3, top + u - 2, 1, color); break;
    default: break;
  }
}

}  // namespace

Colorref GridWindow::display_color(int element) const {
  if (my_game.entering()) return my_colors.get(kColorDigitsEnter);
  if (my_game.creating()) return my_colors.get(kColorDigitsCreate);
  return my_colors.get(element);
}

int GridWindow::highlight_color(int r, int c) const {
  return my_highlight.color_for((my_preview ? *my_preview : my_game.board().current()).cell(r, c));
}

void GridWindow::paint_grid(Canvas& canvas, bool erase, const Rect& update, bool printing) {
  const GridGeometry& g = my_geometry;
  const int* p = g.line;
  const int u = g.unit, q = g.quarter_unit, C = g.cell;
  State& s = my_preview ? *my_preview : my_game.board().current();
  const bool entering = my_game.entering();

  // Step 1. Colour mode.
  ColorModeScope mode(my_colors, !printing || settings().read_integer(kPrintInColor) != 0);

  // Step 2. Origin and text background.
  canvas.set_origin(1, 1);
  const Colorref background = my_colors.get(kColorBackground);
  Colorref text_background = background;

  // Step 3. Erasing; a printed page clears the grid's area between header and footer.
  if (erase || my_game.paused()) {
    canvas.fill_rect(update, background);
  } else if (printing) {
    const int pf = my_possibilityFont;
    canvas.fill_rect({update.left + 1 - 2, update.top + pf + 3 - 2, update.right - 1 - 2, update.bottom - pf - 3 - 2},
                     background);
  }

  // Step 4.
  my_pending = {};

  // Step 5. The chain's ends are framed as cells of interest, its inner cells as chain cells.
  const int chain = s.chain_length();
  if (chain >= 2) {
    for (int i = 0; i < chain; ++i) {
      s.cell(s.chain_row(i), s.chain_column(i)).cellMark =
          i == 0 || i == chain - 1 ? kColorHintRemove : kColorHintChains;
    }
  }

  // Step 6. Fonts are sized by how tall an "8" comes out at a known height.
  canvas.set_font_height(100);
  int w8 = 0, h8 = 0;
  canvas.measure("8", w8, h8);
  if (h8 <= 0) h8 = 100;
  const int answer_font = g.answer_height > 0 ? g.answer_height * 100 / h8 : 0;
  const int possibility_font = g.possibility_height > 0 ? g.possibility_height * 100 / h8 : 0;
  my_possibilityFont = possibility_font;

  // Step 7. A paused game shows only how to go on.
  if (my_game.paused()) {
    canvas.set_font_height(possibility_font);
    canvas.text_centred(p[4] + C / 2, p[4] + C / 2 - u / 2, "Click \"Resume Game\" to continue ...",
                        my_colors.get(kColorAnswerGiven), true, background);
    return;
  }

  // Step 8. The cells.
  std::array<int, 10> solved = {};
  std::array<int, 10> by_count = {};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = s.cell(r, c);
      int n = 0;
      int last_digit = 0;
      if (cell.answer == 0 && my_drawPossibilities) {
        // 8.1 Background.
        const int b = highlight_color(r, c);
        if (b != 0) {
          text_background = my_colors.get(b);
          canvas.fill_rect({p[c], p[r], p[c + 1], p[r + 1]}, text_background);
          if (my_switches.not_by_color_alone) {
            highlight_pattern(canvas, p[c], p[r], p[c + 1], p[r + 1], b, display_color(kColorPossible));
          }
        }
        // 8.2 The nine slots.
        canvas.set_font_height(possibility_font);
        for (int d = 1; d <= 9; ++d) {
          const int slot = d - 1;
          const int x = p[c] + (slot % 3) * u + u / 2;
          const int y = p[r] + (slot / 3) * u + 2;
          int color = 0;
          if (cell.possible[d]) {
            ++n;
            last_digit = d;
            if (cell.digitMark[d] != 0) {
              color = cell.digitMark[d];
            } else if (b != 0 && my_highlight.digits[d] && my_highlight.mode == kCmdModePossibilities) {
              color = kColorHighlightDigits;
            } else {
              color = kColorPossible;
            }
          } else if (my_switches.deleted_possibilities && cell.deleted[d]) {
            color = kColorPossibleUserDeleted;
          } else {
            continue;
          }
          canvas.text_centred(x, y, std::string(1, static_cast<char>('0' + d)), display_color(color), true,
                              text_background);
          if (my_switches.not_by_color_alone && cell.possible[d] && cell.digitMark[d] != 0) {
            digit_mark_pattern(canvas, p[c] + (slot % 3) * u, p[r] + (slot / 3) * u, u, cell.digitMark[d],
                               my_colors.get(cell.digitMark[d]));
          }
          if (color == kColorHintXOut || color == kColorPossibleUserDeleted) {
            const Colorref x_color = my_colors.get(color);
            const int top = y - 2;
            canvas.line(x - q, top + q, x + q, top + 3 * q, 1, x_color);
            canvas.line(x - q, top + 3 * q, x + q, top + q, 1, x_color);
          }
        }
        // 8.3
        ++by_count[n];
        if (b != 0) text_background = background;
        // 8.4 An empty cell that nothing can fill.
        if (n == 0 && my_switches.mark_no_possibilities) {
          const Colorref x_color = display_color(kColorNoPossibilities);
          canvas.line(p[c] + 5, p[r] + 5, p[c + 1] - 5, p[r + 1] - 5, 3, x_color, LineCap::Flat);
          canvas.line(p[c + 1] - 5, p[r] + 5, p[c] + 5, p[r + 1] - 5, 3, x_color, LineCap::Flat);
        }
      } else if (cell.answer != 0) {
        if (!my_switches.hide_answers) {
          canvas.set_font_height(answer_font);
          const int element = my_switches.user_answers && !cell.given ? kColorAnswerUser : kColorAnswerGiven;
          canvas.text_centred(p[c] + C / 2, p[r] + 2, std::string(1, static_cast<char>('0' + cell.answer)),
                              display_color(element), true, text_background);
        }
        ++solved[cell.answer];
      }

      // The frame: a hint's cell mark, or the naked-single frame.
      int frame = cell.cellMark;
      if (cell.answer == 0 && my_drawPossibilities && n == 1 && my_switches.singles && !entering &&
          !my_game.creating()) {
        frame = kColorNakedSingle;
        if ((my_switches.solve_singles || my_solveNow) && my_pending.row < 0) {
          my_pending = {r, c, last_digit};
        }
      }
      if (frame != 0) {
        const Colorref f = my_colors.get(frame);
        const int L = p[c], T = p[r], R = p[c + 1], B = p[r + 1];
        const Stroke stroke = my_switches.not_by_color_alone ? frame_stroke(frame) : Stroke::Solid;
        styled_line(canvas, L + 1, T + 2, R - 1, T + 2, 3, f, stroke);
        styled_line(canvas, R - 2, T + 1, R - 2, B - 1, 3, f, stroke);
        styled_line(canvas, R - 1, B - 2, L + 1, B - 2, 3, f, stroke);
        styled_line(canvas, L + 2, B - 1, L + 2, T + 1, 3, f, stroke);
        if (my_switches.not_by_color_alone && frame == kColorHintSet) {
          styled_box(canvas, L + 5, T + 5, R - 5, B - 5, 1, f, Stroke::Solid);
        }
      }
    }
  }

  // Step 9. The chain, last segment first. Segments start and end inside
  // their cells, and a segment along a row or column is moved aside so two
  // segments between the same cells in opposite directions stay apart.
  if (chain >= 2) {
    const Colorref chain_color = my_colors.get(kColorHintChains);
    const int k = g.chain_offset;
    for (int i = chain - 2; i >= 0; --i) {
      int x1 = p[s.chain_column(i)] + C / 2, y1 = p[s.chain_row(i)] + C / 2;
      int x2 = p[s.chain_column(i + 1)] + C / 2, y2 = p[s.chain_row(i + 1)] + C / 2;
      if (x1 == x2) {
        const int shift = y1 < y2 ? k - 4 : -(k - 4);
        x1 += shift;
        x2 += shift;
      } else if (x1 < x2) {
        x1 += k;
        x2 -= k;
      } else {
        x1 -= k;
        x2 += k;
      }
      if (y1 == y2) {
        const int shift = x1 < x2 ? -(k - 4) : k - 4;
        y1 += shift;
        y2 += shift;
      } else if (y1 < y2) {
        y1 += k;
        y2 -= k;
      } else {
        y1 -= k;
        y2 += k;
      }
      canvas.line(x1, y1, x2, y2, 2, chain_color);
    }
  }

  // Step 10. Grid lines over everything, box borders thick.
  const Colorref line_color = display_color(kColorLines);
  for (int i = 0; i <= 9; ++i) {
    const int width = i % 3 == 0 ? 3 : 1;
    canvas.line(p[i], 0, p[i], g.extent, width, line_color);
    canvas.line(0, p[i], g.extent, p[i], width, line_color);
  }

  // The play cursor: thick corner brackets of its own colour over the cell's
  // corners, where neither digits nor the frames of hints are drawn.
  if (my_switches.keyboard_play && !printing && !entering) {
    const Colorref k = play_cursor_color(background);
    const int L = p[my_cursor.column], T = p[my_cursor.row];
    const int R = p[my_cursor.column + 1], B = p[my_cursor.row + 1];
    const int arm = std::max(C / 3, 3);
    const int w = 4, h = w / 2;
    canvas.line(L + h, T + h, L + arm, T + h, w, k, LineCap::Flat);
    canvas.line(L + h, T + h, L + h, T + arm, w, k, LineCap::Flat);
    canvas.line(R - h, T + h, R - arm, T + h, w, k, LineCap::Flat);
    canvas.line(R - h, T + h, R - h, T + arm, w, k, LineCap::Flat);
    canvas.line(L + h, B - h, L + arm, B - h, w, k, LineCap::Flat);
    canvas.line(L + h, B - h, L + h, B - arm, w, k, LineCap::Flat);
    canvas.line(R - h, B - h, R - arm, B - h, w, k, LineCap::Flat);
    canvas.line(R - h, B - h, R - h, B - arm, w, k, LineCap::Flat);
  }

  if (!printing) {
    // Step 11. The counts for the pane's highlight buttons.
    my_solvedCounts = solved;
    my_possibilityCounts = by_count;
    for (int d = 1; d <= 9; ++d) {
      my_available[d] = my_highlight.mode == kCmdModePossibilities ? solved[d] < 9 : by_count[d] > 0;
    }
    my_game.view().pane_changed(PaneUpdate::Highlight);
  } else {
    // Step 12. Header and footer on the page.
    canvas.set_font_height(possibility_font);
    const Colorref text_color = my_colors.get(kColorAnswerGiven);
    const int x = p[4] + C / 2;
    if (my_game.puzzle_valid()) {
      std::string header;
      if (!my_game.file_name().name.empty()) header = "File: " + my_game.file_name().name + ", ";
      header += "Difficulty: ";
      header += difficulty_name(my_game.difficulty());
      canvas.text_centred(x, p[0] - possibility_font - 3, header, text_color, false, background);
    }
    // The footer shrinks until it fits the page's width.
    int height = possibility_font;
    int width = 0, text_height = 0;
    canvas.measure(kFooterText, width, text_height);
    while (width > (update.right - update.left) - 20 && height > 0) {
      height = height * 9 / 10;
      canvas.set_font_height(height);
      canvas.measure(kFooterText, width, text_height);
    }
    canvas.text_centred(x, p[9] + 3, kFooterText, text_color, false, background);
  }

  // Step 13. The naked-single trigger: only on the newest State, and only
  // when nothing else is running (a busy computation pumps paints too).
  if (my_preview != nullptr) return;
  if (my_pending.row >= 0 && my_game.board().is_at_newest() && !my_game.auto_solving() && !my_game.busy().is_busy()) {
    my_game.busy().start(kBusySolvingSingles);
    my_game.services().start_timer(kSinglesTimer, my_singlesDelay, [this] { singles_timer(); });
    my_game.set_auto_solving(true);
  } else if (my_pending.row < 0 || !my_game.board().is_at_newest()) {
    my_solveNow = false;
  }
}

}  // namespace vantry
